#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; the core's tests run a
# second time built with AddressSanitizer and UndefinedBehaviorSanitizer. The Debian package is
# built by the plain CMake build (the default generator, without tests) and checked.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-package -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build-package --parallel 2
(cd build-package && cpack)
tests/package_test.sh build-package/package/lirex_1.0_amd64.deb build/tests/libwindow_probe.so

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLIREX_SANITIZE=ON
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure -j2
