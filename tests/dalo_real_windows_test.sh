#!/usr/bin/env bash
# Dalo in real X windows: each of its four windows opens from the launcher with the mouse at its
# size, and the calculator shows 1641885 in red for the typed 12345.
# Usage: dalo_real_windows_test.sh <build/out folder> <picture folder>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/../tools/dalo_screenshots.sh" "$1" "$2"

expect_size() {
  size=$(identify -format '%wx%h' "$2/$1")
  [ "$size" = "$3" ] || { echo "$1 is $size, not $3" >&2; exit 1; }
}
expect_size dalo-predictor.png "$2" 722x310
expect_size dalo-banker-calc.png "$2" 457x165
expect_size dalo-betting-plan.png "$2" 648x339
expect_size dalo-draw-video.png "$2" 626x181

# Red digits on the black output box: the red text's width tells the seven digits of 1641885
# from the two characters 胆码 that the box starts with; the input box holds no red.
red_width() {
  convert "$2/dalo-banker-calc.png" -crop "$1" +repage -fx 'r>0.7 && g<0.3 && b<0.3' -trim \
    -format '%w' info: 2>/dev/null || echo 0
}
output=$(red_width 170x44+10+66 "$2")
input=$(red_width 170x44+10+10 "$2")
[ "$output" -ge 60 ] && [ "$input" -le 1 ] ||
  { echo "calculator output red text ${output}px wide, input ${input}px" >&2; exit 1; }
echo "calculator output red text ${output}px wide"
