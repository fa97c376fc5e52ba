#!/usr/bin/env bash
# Runs every fuzz target for a number of inputs (5 million unless given), one after another,
# and prints each target's figures. New inputs go to build-fuzz/fuzz/long/<target>; a finding
# stops that target and leaves its input in build-fuzz/fuzz/findings.
# Usage: tools/fuzz_long_run.sh [inputs per target] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5000000}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(text_ops base skin jpeg banker shared_object player_files)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DLIREX_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzz_targets >/dev/null
mkdir -p build-fuzz/fuzz/findings
for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/fuzz/long/$target"
  start=$(date +%s)
  build-fuzz/fuzz/"$target"_fuzz -runs="$runs" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/fuzz/findings/"$target"- \
    "build-fuzz/fuzz/long/$target" "fuzz/corpus/$target" 2>"build-fuzz/fuzz/long/$target.log" ||
    { echo "$target: FINDING, see build-fuzz/fuzz/long/$target.log" >&2; continue; }
  executed=$(grep -o 'stat::number_of_executed_units: [0-9]*' "build-fuzz/fuzz/long/$target.log" | awk '{print $2}')
  coverage=$(grep -o 'cov: [0-9]*' "build-fuzz/fuzz/long/$target.log" | tail -1 | awk '{print $2}')
  echo "$target: $executed inputs in $(( $(date +%s) - start )) s, no finding, coverage $coverage edges"
done
