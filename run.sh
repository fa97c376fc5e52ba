#!/usr/bin/env bash
# Installs what is missing, builds, and starts the programs.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
for program in Dalo Vonk; do
  if [ -x "build/out/$program" ]; then
    exec "build/out/$program"
  fi
done
echo "Built the core libraries, tests and benchmarks in build/out; no window program is built yet."
