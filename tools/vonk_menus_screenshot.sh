#!/usr/bin/env bash
# Pictures of Vonk's two context menus on a private Xvfb display: the conditions menu of a group
# of boxes, and the base box's menu after a generated base.
# Usage: tools/vonk_menus_screenshot.sh <build/out folder> <picture folder>
set -euo pipefail
out_dir=$(cd "$1" && pwd)
pictures=$(mkdir -p "$2" && cd "$2" && pwd)
source "$(dirname "$0")/xvfb_session.sh"
"$out_dir/Vonk" >/dev/null 2>&1 &
vonk=$!
trap 'kill $vonk $xvfb_pid 2>/dev/null || true' EXIT
window=$(wait_for_window 'Lirex')
[ -n "$window" ] || { echo "Vonk's window did not appear" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
sleep 1
xdotool mousemove --sync $((X + 208)) $((Y + 131)) click 1   # 定胆码 5
xdotool mousemove --sync $((X + 527)) $((Y + 90)) click 1    # 生成大底
sleep 0.5
xdotool mousemove --sync $((X + 300)) $((Y + 170)) click 3   # the group 杀百位
sleep 0.7
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$pictures/vonk-conditions-menu.png"
xdotool key Escape
sleep 0.3
xdotool mousemove --sync $((X + 470)) $((Y + 300)) click 3   # the base box
sleep 0.7
import -window root -crop "$((WIDTH + 160))x${HEIGHT}+${X}+${Y}" +repage "$pictures/vonk-base-menu.png"
echo "saved $pictures/vonk-conditions-menu.png and vonk-base-menu.png"
