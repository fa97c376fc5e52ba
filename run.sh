#!/usr/bin/env bash
# Installs what is missing, builds, and starts Dalo, from which Vonk and the other windows start.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target Vonk Dalo
exec build/out/Dalo
