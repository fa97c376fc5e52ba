#!/usr/bin/env bash
# Dalo's windows with web views showing pages, on a private X display with a window manager:
# Esc closes the betting plans, the draw video and the calculator even with the focus inside a
# web view, and never the launcher; and a page that cannot be loaded leaves its place to the link.
# Usage: web_view_real_window_test.sh <build/out folder> <window probe library>
set -euo pipefail
out_dir=$(cd "$1" && pwd)
probe=$2
source "$(dirname "$0")/../tools/xvfb_session.sh"
source "$(dirname "$0")/web_pages.sh"
start_window_manager
wm=$wm_pid
copy_for_user "$out_dir"/{Vonk,Dalo,SkinH_EL.dll,skinh.she,liblirex_webview.so} "$probe"
probe=$user_programs/$(basename "$probe")
"${as_user[@]}" "$user_programs/Dalo" >/dev/null 2>&1 &
dalo=$!
trap 'kill $dalo $wm $xvfb_pid 2>/dev/null || true; stop_web_pages' EXIT

find_window() {  # <title pattern>: the window's id, or nothing after 10 s
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ] &&
      { echo "$id"; return; }
    sleep 0.1
  done
}
click() {  # <window id> <x> <y>
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
  sleep 0.5
}
gone() {  # <title pattern>: true once no such window shows, within 3 s
  for _ in $(seq 30); do
    [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ] && return 0
    sleep 0.1
  done
  return 1
}
fail() { echo "FAIL: $*" >&2; exit 1; }

launcher=$(find_window '^Dalo_')
[ -n "$launcher" ] || fail "the launcher did not appear"
sleep 1

# <button x> <button y> <title> <x> <y> of a point inside the window's web view
for window in "330 29 ^后三双胆倍投方案 300 300" "68 87 ^时时彩开奖视频 200 90"; do
  read -r bx by title vx vy <<<"$window"
  click "$launcher" "$bx" "$by"
  id=$(find_window "$title")
  [ -n "$id" ] || fail "$title did not open"
  sleep 3   # the view arrives and loads its page
  click "$id" "$vx" "$vy"
  xdotool key Escape
  gone "$title" || fail "Esc with the focus in the web view left $title open"
  echo "Esc closed $title with the focus in its web view"
done

click "$launcher" 68 29
calculator=$(find_window '^后三胆码计算')
[ -n "$calculator" ] || fail "the calculator did not open"
click "$calculator" 95 32
xdotool key Escape
gone '^后三胆码计算' || fail "Esc left the calculator open"
echo "Esc closed the calculator"

click "$launcher" 400 200
xdotool key Escape
sleep 1
[ -n "$(xdotool search --onlyvisible --name '^Dalo_' 2>/dev/null)" ] || fail "Esc closed the launcher"
echo "Esc left the launcher open"

# Every page fails: the engine's proxy is a closed port. The view made for the advertisement
# gives way to its link.
report="$user_home/report.txt"
QTWEBENGINE_CHROMIUM_FLAGS="--proxy-server=http://127.0.0.1:9" \
  LD_PRELOAD="$probe" LIREX_PROBE_REPORT="$report" LIREX_PROBE_SLOTS_AFTER_MS=6000 \
  LIREX_PROBE_EXIT_AFTER_PAINT=1 "${as_user[@]}" "$user_programs/Vonk" >/dev/null 2>&1 || true
slot=$(grep '^slot ' "$report" || true)
[ "$slot" = "slot 超文本浏览框_广告 browser=0 link=0,0,635,64" ] ||
  fail "after a failed load the advertisement reports: ${slot:-nothing}"
echo "a page that failed to load gave way to its link"
