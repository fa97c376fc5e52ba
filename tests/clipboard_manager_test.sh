#!/usr/bin/env bash
# On X11 a copied base lives in Vonk until a clipboard manager takes it over: with one running
# (parcellite), the base copied by 复制大底 is still on the clipboard after Vonk has ended.
# Usage: clipboard_manager_test.sh <build/out folder>
set -euo pipefail
out_dir=$(cd "$1" && pwd)
source "$(dirname "$0")/../tools/xvfb_session.sh"
start_window_manager
wm=$wm_pid
home=$(mktemp -d)
HOME=$home parcellite >/dev/null 2>&1 &
manager=$!
run_dir=$(mktemp -d)
cp "$out_dir/Vonk" "$out_dir/SkinH_EL.dll" "$out_dir/skinh.she" "$run_dir/"
"$run_dir/Vonk" >/dev/null 2>&1 &
vonk=$!
trap 'kill $vonk $manager $wm $xvfb_pid 2>/dev/null || true; rm -rf "$run_dir" "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A loaded machine may take a while to show the window.
window=""
for _ in $(seq 300); do
  window=$(xdotool search --onlyvisible --name '^Lirex' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "Vonk's window did not appear ($(kill -0 "$vonk" 2>/dev/null && echo running || echo ended))"
sleep 1
# The client area's corner on the screen (xdotool's own figure counts the window manager's frame).
X=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
Y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
click() { xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1; sleep 0.3; }
click 134 131   # 定胆码 3
click 527 90    # 生成大底
click 603 90    # 复制大底
clipboard_entries() { timeout 5 xclip -o -selection clipboard 2>/dev/null | wc -w; }
# Slow builds (the sanitizers) take their time: each step is waited for, not slept through.
for _ in $(seq 100); do [ "$(clipboard_entries)" -eq 271 ] && break; sleep 0.1; done
[ "$(clipboard_entries)" -eq 271 ] || fail "the copy did not reach the clipboard while Vonk ran"
xdotool key Return   # the box "生成的大底已复制！"
sleep 2              # the manager takes its copy
kill "$vonk"
wait "$vonk" 2>/dev/null || true
for _ in $(seq 50); do [ "$(clipboard_entries)" -eq 271 ] && break; sleep 0.1; done
copied=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
entries=$(wc -w <<<"$copied")
[ "$entries" -eq 271 ] || fail "after Vonk ended the clipboard holds $entries entries, not 271"
[ "${copied:0:4}" = "003 " ] || fail "the clipboard starts '${copied:0:8}'"
echo "after Vonk ended the clipboard still holds the 271-entry base"
