#!/usr/bin/env bash
# Vonk in a real X window: after ticking banker digits 3 and 5 and clicking 生成大底 with the
# mouse, the base box shows text. Usage: vonk_real_window_test.sh <build/out folder> <picture.png>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/../tools/vonk_screenshot.sh" "$1" "$2"

size=$(identify -format '%wx%h' "$2")
[ "$size" = "648x640" ] || { echo "window is $size, not 648x640" >&2; exit 1; }
# The base box's inside: plain white while empty, speckled with digits once generated.
spread=$(convert "$2" -crop 200x400+420+120 +repage -colorspace Gray -format '%[fx:standard_deviation]' info:)
awk -v spread="$spread" 'BEGIN { exit !(spread > 0.1) }' ||
  { echo "the base box shows no text (spread $spread)" >&2; exit 1; }
echo "base box text spread $spread"
