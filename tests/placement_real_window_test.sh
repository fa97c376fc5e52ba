#!/usr/bin/env bash
# On a 1280×1024 display with a window manager: at a scale of 2 Vonk's whole frame, title bar
# included, lies on the screen; and dragging the background of Dalo's calculator moves it,
# through the window manager.
# Usage: placement_real_window_test.sh <build/out folder>
set -euo pipefail
out_dir=$(cd "$1" && pwd)
export LIREX_XVFB_SCREEN=1280x1024x24
source "$(dirname "$0")/../tools/xvfb_session.sh"
start_window_manager
wm=$wm_pid
run_dir=$(mktemp -d)
cp "$out_dir/Vonk" "$out_dir/Dalo" "$out_dir/SkinH_EL.dll" "$out_dir/skinh.she" "$run_dir/"
pids=()
trap 'kill "${pids[@]}" $wm $xvfb_pid 2>/dev/null || true; rm -rf "$run_dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

find_window() {  # <pid>
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1) && [ -n "$id" ] &&
      { echo "$id"; return; }
    sleep 0.1
  done
}
frame_top_left() {  # <window id>: "left top" of the frame, decorations included
  eval "$(xdotool getwindowgeometry --shell "$1")"
  local extents
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  read -r frame_left _ frame_top _ <<<"${extents:-0 0 0 0}"
  echo "$((X - frame_left)) $((Y - frame_top))"
}

QT_SCALE_FACTOR=2 "$run_dir/Vonk" >/dev/null 2>&1 &
pids+=($!)
vonk=$(find_window "${pids[-1]}")
[ -n "$vonk" ] || fail "Vonk's window did not appear"
sleep 1
read -r left top < <(frame_top_left "$vonk")
[ "$left" -ge 0 ] && [ "$top" -ge 0 ] || fail "at scale 2 Vonk's frame starts at ($left, $top)"
echo "at scale 2 Vonk's frame starts at ($left, $top)"
kill "${pids[-1]}"

"$run_dir/Dalo" >/dev/null 2>&1 &
pids+=($!)
launcher=$(find_window "${pids[-1]}")
[ -n "$launcher" ] || fail "Dalo's window did not appear"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$launcher")"
xdotool mousemove --sync $((X + 68)) $((Y + 29)) click 1   # ⒈计算胆码
sleep 1
calculator=$(xdotool search --onlyvisible --name '^后三胆码计算' | head -n 1)
[ -n "$calculator" ] || fail "the calculator did not open"
eval "$(xdotool getwindowgeometry --shell "$calculator")"
before_x=$X before_y=$Y
# The background right of the output box, below the two captions.
xdotool mousemove --sync $((X + 300)) $((Y + 100)) mousedown 1
for step in $(seq 10); do xdotool mousemove --sync $((X + 300 + 12 * step)) $((Y + 100 + 8 * step)); done
xdotool mouseup 1
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$calculator")"
[ $((X - before_x)) -ge 100 ] && [ $((Y - before_y)) -ge 60 ] ||
  fail "dragging moved the calculator from ($before_x, $before_y) to ($X, $Y)"
echo "dragging moved the calculator from ($before_x, $before_y) to ($X, $Y)"
