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
message_box_shown() { xdotool search --name '^KRVM640 Gaming Mouse$' >/dev/null 2>&1; }
reads_are() { [ "$(read_announcements)" = "$1" ]; }

echo plugged >"$work/control"
# Its own temporary folder keeps this instance apart from any other running krvm640.
TMPDIR=$work "$program" --simulate --sim-control "$work/control" --sim-log "$work/log" &
pid=$!

wait_for 20 reads_are 1 || { echo "FAIL: the mouse was not read after start"; exit 1; }
echo "ok: found and read at start"

echo unplugged >"$work/control"
wait_for 15 message_box_shown || { echo "FAIL: no 'No Device Found' message after unplugging"; exit 1; }
echo "ok: no-device message after unplugging"
xdotool key --window "$(xdotool search --name '^KRVM640 Gaming Mouse$' | head -1)" Return
wait_for 10 bash -c "! xdotool search --name '^KRVM640 Gaming Mouse\$' >/dev/null 2>&1" || true

echo plugged >"$work/control"
wait_for 20 reads_are 2 || { echo "FAIL: the mouse was not read again after plugging back"; exit 1; }
echo "ok: found and read again after plugging back"
echo "1 passed, 0 failed"
