#!/usr/bin/env bash
# Runs a test program on a private X display (Xvfb) with a window manager
# (openbox). Whatever is started here is stopped on the way out, and the
# program gets a time limit ($E2E_TIME_LIMIT seconds) so that nothing hangs.
set -euo pipefail
program=$1
shift

for tool in Xvfb openbox trayer xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || {
        echo "$tool is missing: run scripts/install-deps.sh" >&2
        exit 1
    }
done

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
cleanup() {
    [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# -displayfd: Xvfb picks a free display and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset \
    3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n 1 "$work/display")"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done

export QT_QPA_PLATFORM=xcb
# A session bus would offer Qt another kind of tray than the X one under test.
unset DBUS_SESSION_BUS_ADDRESS
status=0
timeout --kill-after=5 "${E2E_TIME_LIMIT:-120}" "$program" "$@" || status=$?
[ "$status" -ne 124 ] || echo "the test program ran out of time" >&2
exit "$status"
