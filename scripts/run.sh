#!/usr/bin/env bash
# Installs what is missing, builds, starts the local stand-in servers (the
# member server and the evaluation site on 127.0.0.1) and runs the program
# pointed at them. With no display it runs on a virtual one (Xvfb) and says how
# to look at it. The stand-in servers stop when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}

./scripts/install-deps.sh
# Only what runs here: the program, its Data.dat and the stand-in servers.
BUILD_TARGETS="marlquin marlquin_data marlquin-standin" ./scripts/build.sh

# The program keeps Config.ini beside itself: run a copy in its own folder.
run_dir="$build_dir/run"
mkdir -p "$run_dir"
cp "$build_dir/marlquin" "$build_dir/Data.dat" "$run_dir/"

pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    [ -z "${own_runtime:-}" ] || rm -rf "$own_runtime"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Starts the stand-in on the given ports and sets `ready` to its ready line.
standin_log=$(mktemp)
start_standin() {
    "$build_dir/tools/standin/marlquin-standin" \
        --member-port "$1" --page-port "$2" --index-port "$3" \
        --accounts resources/standin/accounts.txt --data "$run_dir/Data.dat" \
        --log "$run_dir/requests.log" >"$standin_log" 2>&1 &
    local pid=$!
    for _ in $(seq 100); do
        ready=$(grep -m1 '^READY ' "$standin_log" || true)
        if [ -n "$ready" ]; then
            pids+=("$pid")
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    return 1
}

# Fixed ports make the addresses easy to remember; any free ones will do.
if ! start_standin 18080 18081 18082; then
    sed 's/^/  /' "$standin_log" >&2
    echo "Ports 18080-18082 are taken; using free ports instead." >&2
    start_standin 0 0 0 || { cat "$standin_log" >&2; exit 1; }
fi

field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<"$ready"; }
export MARLQUIN_MEMBER_URL MARLQUIN_PAGE_HOST MARLQUIN_INDEX_HOST MARLQUIN_SITE_DOMAIN \
    MARLQUIN_HOME_PAGE
MARLQUIN_MEMBER_URL=$(field member)
MARLQUIN_PAGE_HOST=$(field page)
MARLQUIN_INDEX_HOST=$(field index)
MARLQUIN_SITE_DOMAIN=${MARLQUIN_PAGE_HOST#http://}
MARLQUIN_HOME_PAGE=${MARLQUIN_MEMBER_URL%velmora/}

export QTWEBENGINE_CHROMIUM_FLAGS=${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}
# WebEngine refuses to start its sandbox as root; only then is it switched
# off, and only here, never in the program.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1

if [ -z "${DISPLAY:-}" ]; then
    display=99
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
        display=$((display + 1))
    done
    # -noreset: without it Xvfb may reset when the first client leaves.
    Xvfb ":$display" -screen 0 1280x800x24 -noreset -nolisten tcp >/dev/null 2>&1 &
    pids+=("$!")
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$display"
    openbox >/dev/null 2>&1 &
    pids+=("$!")
    # A notification area for the tray icon.
    trayer --edge bottom --align right --widthtype request --height 24 >/dev/null 2>&1 &
    pids+=("$!")
    echo "No display: the program runs on the virtual display $DISPLAY."
    echo "  Screenshot: DISPLAY=$DISPLAY import -window root /tmp/marlquin.png"
    if command -v x11vnc >/dev/null; then
        vnc_log=$(mktemp)
        x11vnc -display "$DISPLAY" -localhost -nopw -forever -shared -autoport 5900 \
            >"$vnc_log" 2>&1 &
        pids+=("$!")
        for _ in $(seq 50); do
            grep -q '^PORT=' "$vnc_log" && break
            sleep 0.1
        done
        vnc_port=$(sed -n 's/^PORT=//p' "$vnc_log")
        echo "  Watch:      a VNC viewer on 127.0.0.1:${vnc_port:-5900}" \
            "(from another machine: ssh -L ${vnc_port:-5900}:127.0.0.1:${vnc_port:-5900} this-host)"
    fi
fi

echo "Member server:    $MARLQUIN_MEMBER_URL"
echo "Evaluation site:  $MARLQUIN_PAGE_HOST   index pages: $MARLQUIN_INDEX_HOST"
echo "Demo account:     user name demo, password demo123"
echo "Request log:      $run_dir/requests.log"

# WebEngine reports its set-up at every start; that is not for the terminal.
export QT_LOGGING_RULES=${QT_LOGGING_RULES:-qt.webenginecontext.info=false}
# A desktop session has a private runtime folder; without one Qt warns.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    own_runtime=$(mktemp -d)
    export XDG_RUNTIME_DIR=$own_runtime
fi

# In the background, so that Ctrl-C or a TERM reaches this script at once and
# the clean-up ends the program and the servers. The engine's note that its
# sandbox is off (as root) is left out with the set-up report.
(cd "$run_dir" && exec ./marlquin 2> >(grep -v --line-buffered '^Sandboxing disabled by user\.$' >&2)) &
pids+=("$!")
status=0
wait "$!" || status=$?
exit "$status"
