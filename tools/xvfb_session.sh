# Sourced by scripts that need a private X display: starts Xvfb on a free display, waits until it
# is ready, exports DISPLAY, and stops it when the script exits.
xvfb_fifo=$(mktemp -u)
mkfifo "$xvfb_fifo"
Xvfb -displayfd 3 -screen 0 "${LIREX_XVFB_SCREEN:-1280x800x24}" -nolisten tcp 3>"$xvfb_fifo" >/dev/null 2>&1 &
xvfb_pid=$!
if ! read -r -t 30 xvfb_display <"$xvfb_fifo"; then
  echo "Xvfb did not start" >&2
  exit 1
fi
rm -f "$xvfb_fifo"
export DISPLAY=":$xvfb_display"
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT

# Prints the id of the first visible window whose title matches the pattern, waiting up to 10 s;
# prints nothing when none appears.
wait_for_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ] &&
      { echo "$id"; return; }
    sleep 0.1
  done
}

# Starts openbox and waits until it manages windows (a window mapped before that may never show);
# sets wm_pid.
start_window_manager() {
  openbox >/dev/null 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
    sleep 0.1
  done
  echo "openbox did not start" >&2
  return 1
}
