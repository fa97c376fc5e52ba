#!/usr/bin/env bash
# Each program's main window keeps one native window from its first appearance on, through the
# arrival of its web view, on a private X display with a window manager.
# Usage: window_identity_test.sh <build/out folder> [seconds to watch]
set -euo pipefail
out_dir=$(cd "$1" && pwd)
watch_seconds=${2:-6}
source "$(dirname "$0")/../tools/xvfb_session.sh"
source "$(dirname "$0")/web_pages.sh"
copy_for_user "$out_dir"/{Vonk,Dalo,SkinH_EL.dll,skinh.she,liblirex_webview.so}
out_dir=$user_programs
start_window_manager
wm=$wm_pid
children=()
trap 'kill "${children[@]}" $wm $xvfb_pid 2>/dev/null || true; stop_web_pages' EXIT

watch_program() {  # <program>
  "${as_user[@]}" "$out_dir/$1" >/dev/null 2>&1 &
  local pid=$! first="" ids=()
  children+=("$pid")
  for _ in $(seq 100); do
    first=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [ -n "$first" ] && break
    sleep 0.1
  done
  [ -n "$first" ] || { echo "$1: no window appeared" >&2; return 1; }
  local end=$((SECONDS + watch_seconds))
  while [ $SECONDS -lt $end ]; do
    ids+=("$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort | tr '\n' ' ')")
    sleep 0.1
  done
  kill "$pid"
  # Windows of its own may join (an embedded view); the first one never goes away.
  local sample
  for sample in "${ids[@]}"; do
    # A search may come back empty while windows change under it; a replaced window shows as
    # a sample with another id instead.
    [ -n "$sample" ] || continue
    if [[ " $sample" != *" $first "* ]]; then
      echo "$1: the main window $first was replaced: $sample" >&2
      return 1
    fi
  done
  echo "$1 kept window $first for $watch_seconds s"
}
status=0
watch_program Vonk || status=1
watch_program Dalo || status=1
exit $status
