#!/usr/bin/env bash
# Starts the built Dalo in real X windows on a private Xvfb display, opens each of its windows
# with the mouse (typing 12345 into the calculator and clicking 生成胆码) and saves a picture of each.
# Usage: tools/dalo_screenshots.sh <build/out folder> <picture folder>
set -euo pipefail
out_dir=$(cd "$1" && pwd)
pictures=$(mkdir -p "$2" && cd "$2" && pwd)
source "$(dirname "$0")/xvfb_session.sh"

# Dalo writes the skinning library beside itself, so it runs from a folder of its own.
run_dir=$(mktemp -d)
cp "$out_dir/Dalo" "$out_dir/Vonk" "$run_dir/"
[ -f "$out_dir/liblirex_webview.so" ] && cp "$out_dir/liblirex_webview.so" "$run_dir/"
"$run_dir/Dalo" >/dev/null 2>"${LIREX_DALO_STDERR:-/dev/null}" &
dalo=$!
trap 'kill $dalo $xvfb_pid 2>/dev/null || true; rm -rf "$run_dir"' EXIT

find_window() {  # title pattern
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "no window named $1" >&2
  exit 1
}
# Windows are looked up by title each time: a window that gains a web view is made anew.
shoot() {  # title pattern, picture name
  eval "$(xdotool getwindowgeometry --shell "$(find_window "$1")")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$pictures/$2"
  echo "saved $pictures/$2 (${WIDTH}x${HEIGHT})"
}
click() {  # title pattern, x, y in the window
  eval "$(xdotool getwindowgeometry --shell "$(find_window "$1")")"
  xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
  sleep 0.5
}

find_window '^Dalo_' >/dev/null
sleep 2
shoot '^Dalo_' dalo-predictor.png

click '^Dalo_' 68 29          # ⒈计算胆码
click '^后三胆码计算' 95 32   # the input box
xdotool type --delay 50 12345
click '^后三胆码计算' 95 142  # 生成胆码
shoot '^后三胆码计算' dalo-banker-calc.png
xdotool key Escape   # the pointer is over the calculator
sleep 0.5

click '^Dalo_' 330 29         # ⒊倍投方案
sleep 2
shoot '^后三双胆倍投方案' dalo-betting-plan.png
click '^后三双胆倍投方案' 640 150   # over the notice
xdotool key Escape
sleep 0.5

click '^Dalo_' 68 87          # 打开开奖视频
sleep 3
shoot '^时时彩开奖视频' dalo-draw-video.png
