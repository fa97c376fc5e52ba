#!/usr/bin/env bash
# Starts the built Vonk in a real X window on a private Xvfb display, ticks the banker digits 3
# and 5, clicks 生成大底 and saves a picture of the window.
# Usage: tools/vonk_screenshot.sh <build/out folder> <picture.png>
set -euo pipefail
out_dir=$(cd "$1" && pwd)
picture=$2

source "$(dirname "$0")/xvfb_session.sh"

"$out_dir/Vonk" >/dev/null 2>&1 &
vonk=$!
trap 'kill $vonk $xvfb_pid 2>/dev/null || true' EXIT
window=$(wait_for_window 'Lirex')
[ -n "$window" ] || { echo "Vonk's window did not appear" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"   # X, Y, WIDTH, HEIGHT

# Window coordinates at scale 1; QT_SCALE_FACTOR, when set, scales them as it scales the window.
scale=${QT_SCALE_FACTOR:-1}
click() {
  xdotool mousemove --sync $((X + $(awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s }'))) \
    $((Y + $(awk -v v="$2" -v s="$scale" 'BEGIN { printf "%d", v * s }'))) click 1
  sleep 0.2
}
sleep 1
click 134 131   # 定胆码 3
click 208 131   # 定胆码 5
click 527 90    # 生成大底
sleep 1.5       # the web view settles
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$picture"
echo "saved $picture (${WIDTH}x${HEIGHT})"
