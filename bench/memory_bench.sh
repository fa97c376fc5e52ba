#!/usr/bin/env bash
# Resident memory of Vonk's whole process tree (the program and the browser engine's helpers)
# eight seconds after start, against a plain Qt program that shows one web view of the same size
# and address, side by side in one run on a private X display, both as an ordinary user with the
# engine's sandbox on, each page served from a local server. Prints RSS and PSS sums.
# Usage: bench/memory_bench.sh [build folder] [rounds]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
rounds=${2:-3}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tools/xvfb_session.sh"
source "$here/../tests/web_pages.sh"
trap 'kill $xvfb_pid 2>/dev/null || true; stop_web_pages' EXIT
copy_for_user "$build"/out/{Vonk,SkinH_EL.dll,skinh.she,liblirex_webview.so,plain_web_view}

tree_memory() {  # <pid>: "rss_kib pss_kib" summed over the process and its descendants
  local pids=("$1") i=0
  while [ $i -lt ${#pids[@]} ]; do
    for child in $(cat /proc/"${pids[$i]}"/task/*/children 2>/dev/null); do pids+=("$child"); done
    i=$((i + 1))
  done
  local rss=0 pss=0 pid
  for pid in "${pids[@]}"; do
    rss=$((rss + $(awk '/^Rss:/ {print $2}' /proc/"$pid"/smaps_rollup 2>/dev/null || echo 0)))
    pss=$((pss + $(awk '/^Pss:/ {print $2}' /proc/"$pid"/smaps_rollup 2>/dev/null || echo 0)))
  done
  echo "$rss $pss"
}
measure() {  # <program>
  "${as_user[@]}" "$1" >/dev/null 2>>"${LIREX_BENCH_STDERR:-/dev/null}" &
  local pid=$!
  sleep 8
  tree_memory "$pid"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  sleep 1
}
for round in $(seq "$rounds"); do
  read -r vonk_rss vonk_pss < <(measure "$user_programs/Vonk")
  read -r plain_rss plain_pss < <(measure "$user_programs/plain_web_view")
  awk -v r="$round" -v vr="$vonk_rss" -v vp="$vonk_pss" -v pr="$plain_rss" -v pp="$plain_pss" \
    'BEGIN { printf "round %d: Vonk RSS %.0f MiB PSS %.0f MiB; plain view RSS %.0f MiB PSS %.0f MiB; RSS %.2f x, PSS %.2f x\n", r, vr/1024, vp/1024, pr/1024, pp/1024, vr/pr, vp/pp }'
done
