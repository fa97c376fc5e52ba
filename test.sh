#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. Then: the Debian package, built
# by the plain CMake build (the default generator, without tests), and checked; the fuzz targets,
# built with clang, each run briefly; and the whole test suite again, built with
# AddressSanitizer and UndefinedBehaviorSanitizer.
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

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DLIREX_FUZZ=ON
cmake --build build-fuzz --target fuzz_targets
ctest --test-dir build-fuzz --output-on-failure -j2

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLIREX_SANITIZE=ON
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure -j2
