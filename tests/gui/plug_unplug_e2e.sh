#!/usr/bin/env bash
# Plugging and unplugging the simulated mouse while the window runs on a virtual display:
# the watch finds it and reads its image, unplugging shows the no-device message, and
# plugging it back finds it again.
# Usage: plug_unplug_e2e.sh PATH/TO/krvm640
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT

read_announcements() { grep -sc '^SET 04 04 00 00 00 08 00 00$' "$work/log" || true; }
wait_for() {  # wait_for SECONDS COMMAND...: until COMMAND succeeds
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do
    (( SECONDS < deadline )) || return 1
    sleep 0.5
  done
}
# The message box carries the application title of the current language; the main window's
# caption never changes.
message_box_ids() {
  xdotool search --onlyvisible --name 'Ardenvel' 2>/dev/null || true
}
message_box_shown() { [ -n "$(message_box_ids)" ]; }
press_ok() {  # Return to every visible message box until none is left
  for _ in $(seq 20); do
    message_box_shown || return 0
    for id in $(message_box_ids); do xdotool key --window "$id" Return 2>/dev/null || true; done
    sleep 0.5
  done
  return 1
}
reads_are() { [ "$(read_announcements)" = "$1" ]; }

echo plugged >"$work/control"
# Its own temporary folder keeps this instance apart from any other running krvm640.
TMPDIR=$work QT_QPA_PLATFORM=xcb "$program" --simulate --sim-control "$work/control" --sim-log "$work/log" &
pid=$!

wait_for 20 reads_are 1 || { echo "FAIL: the mouse was not read after start"; exit 1; }
echo "ok: found and read at start"

echo unplugged >"$work/control"
wait_for 15 message_box_shown || { echo "FAIL: no 'No Device Found' message after unplugging"; exit 1; }
echo "ok: no-device message after unplugging"
press_ok || { echo "FAIL: the message box did not close on Return"; exit 1; }

echo plugged >"$work/control"
wait_for 20 reads_are 2 || { echo "FAIL: the mouse was not read again after plugging back"; exit 1; }
echo "ok: found and read again after plugging back"
echo "1 passed, 0 failed"
