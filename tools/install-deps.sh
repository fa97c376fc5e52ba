#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, skipping those present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-webengine-dev qt6-translations-l10n
  libjpeg-dev libgtest-dev libbenchmark-dev
  fonts-noto-cjk xvfb xauth x11-utils xdotool imagemagick hyperfine python3
  dpkg-dev file lintian desktop-file-utils appstream man-db
  clang libclang-rt-14-dev openbox parcellite xclip
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
