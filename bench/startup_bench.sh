#!/usr/bin/env bash
# Whole-process time from start to the first paint of the window: Vonk against an empty Qt
# window of the same size, and against that window with one line of Chinese text, all on one
# private Xvfb display, in one hyperfine run. The window probe ends each process right after its
# first paint. As root the programs run as an ordinary user, as a player would run them (as
# root no web view can be made, which would spare Vonk the browser engine's preparation).
# Usage: bench/startup_bench.sh [build folder]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)

source "$(dirname "$0")/../tools/xvfb_session.sh"

as_user=""
if [ "$(id -u)" -eq 0 ]; then
  user_home=$(mktemp -d)
  chown nobody:nogroup "$user_home"
  trap 'kill $xvfb_pid 2>/dev/null || true; rm -rf "$user_home"' EXIT
  as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=$user_home XDG_RUNTIME_DIR=$user_home"
fi
export LD_PRELOAD=$build/tests/libwindow_probe.so LIREX_PROBE_EXIT_AFTER_PAINT=1
hyperfine --warmup 3 --runs 30 --export-json "$build/startup.json" \
  -n bare "$as_user $build/out/bare_window" -n "bare+text" "$as_user $build/out/bare_window --text" \
  -n Vonk "$as_user $build/out/Vonk"
python3 - "$build/startup.json" <<'PY'
import json, sys
runs = {r["command"]: r["mean"] for r in json.load(open(sys.argv[1]))["results"]}
print(f"Vonk {runs['Vonk']*1000:.0f} ms, bare window {runs['bare']*1000:.0f} ms, "
      f"bare window with text {runs['bare+text']*1000:.0f} ms: "
      f"{runs['Vonk'] / runs['bare']:.2f} x the bare window, "
      f"{runs['Vonk'] / runs['bare+text']:.2f} x the bare window with text")
PY
