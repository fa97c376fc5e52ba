#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; the core's tests run a
# second time built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLIREX_SANITIZE=ON
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure -j2
