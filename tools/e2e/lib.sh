#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Helpers of the end-to-end tests: a private X server, a program under Wine
# in the build's private prefix, waits for conditions with time-outs, and
# screenshots kept as test artefacts. Source it; call e2e_cleanup on exit.
set -euo pipefail

E2E_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_ROOT=$(cd "$E2E_HERE/../.." && pwd)
E2E_XVFB_PID=
E2E_APP_PID=

e2e_fail() {
    echo "FAIL: $*" >&2
    if [ -n "${E2E_LOG:-}" ] && [ -f "$E2E_LOG" ]; then
        echo "--- log ---" >&2
        cat "$E2E_LOG" >&2
    fi
    e2e_shot failure || true
    exit 1
}

# Starts Xvfb on a free display (the server picks it) and exports DISPLAY.
e2e_start_xvfb() {
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    local i
    for i in $(seq 1 200); do
        if [ -s "$fdfile" ]; then break; fi
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || e2e_fail "Xvfb did not start"
        sleep 0.05
    done
    [ -s "$fdfile" ] || e2e_fail "Xvfb gave no display within 10 s"
    export DISPLAY=":$(head -n1 "$fdfile" | tr -d '[:space:]')"
    rm -f "$fdfile"
    # The server answers once it is ready.
    for i in $(seq 1 200); do
        if xdpyinfo >/dev/null 2>&1 || xdotool getmouselocation >/dev/null 2>&1; then return 0; fi
        sleep 0.05
    done
    e2e_fail "display $DISPLAY does not answer"
}

# Runs a program of the cross build under Wine in the background.
e2e_start_app() {
    "$E2E_ROOT/tools/wine/run.sh" "$@" >"$E2E_ARTEFACTS/wine.out" 2>&1 &
    E2E_APP_PID=$!
}

e2e_cleanup() {
    if [ -n "$E2E_APP_PID" ] && kill -0 "$E2E_APP_PID" 2>/dev/null; then
        kill "$E2E_APP_PID" 2>/dev/null || true
        wait "$E2E_APP_PID" 2>/dev/null || true
    fi
    if [ -n "$E2E_XVFB_PID" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null || true
        wait "$E2E_XVFB_PID" 2>/dev/null || true
    fi
}

# e2e_wait_log REGEX [TIMEOUT_S]: waits for a line of the program's log.
e2e_wait_log() {
    local pattern=$1 timeout=${2:-30} end
    end=$(($(date +%s) + timeout))
    while [ "$(date +%s)" -le "$end" ]; do
        if [ -f "$E2E_LOG" ] && grep -Eq -- "$pattern" "$E2E_LOG"; then return 0; fi
        if [ -n "$E2E_APP_PID" ] && ! kill -0 "$E2E_APP_PID" 2>/dev/null; then
            e2e_fail "program ended while waiting for /$pattern/"
        fi
        sleep 0.1
    done
    e2e_fail "no log line /$pattern/ within ${timeout} s"
}

# e2e_wait_count REGEX N [TIMEOUT_S]: waits until N lines of the log match.
e2e_wait_count() {
    local pattern=$1 want=$2 timeout=${3:-30} end
    end=$(($(date +%s) + timeout))
    while [ "$(date +%s)" -le "$end" ]; do
        if [ "$(e2e_log_count "$pattern")" -ge "$want" ]; then return 0; fi
        if [ -n "$E2E_APP_PID" ] && ! kill -0 "$E2E_APP_PID" 2>/dev/null; then
            e2e_fail "program ended while waiting for $want x /$pattern/"
        fi
        sleep 0.1
    done
    e2e_fail "fewer than $want log lines /$pattern/ within ${timeout} s"
}

# e2e_log_count REGEX: how many lines of the log match.
e2e_log_count() {
    [ -f "$E2E_LOG" ] || { echo 0; return; }
    grep -Ec -- "$1" "$E2E_LOG" || true
}

# e2e_wait_window TITLE [TIMEOUT_S]: prints the X window of a Wine window by title.
e2e_wait_window() {
    local title=$1 timeout=${2:-30} id
    id=$(timeout "$timeout" xdotool search --sync --onlyvisible --name "^${title}\$" 2>/dev/null |
         head -n1) || true
    [ -n "$id" ] || e2e_fail "no window '$title' within ${timeout} s"
    echo "$id"
}

# e2e_wait_no_window TITLE [TIMEOUT_S]: waits until no visible window has the title.
e2e_wait_no_window() {
    local title=$1 timeout=${2:-30} end
    end=$(($(date +%s) + timeout))
    while [ "$(date +%s)" -le "$end" ]; do
        if ! xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    e2e_fail "window '$title' still there after ${timeout} s"
}

# e2e_shot NAME: screenshot of the whole screen as NAME.png in the artefacts.
e2e_shot() {
    import -window root "$E2E_ARTEFACTS/$1.png"
}

# e2e_pixel NAME X Y: "R G B" of a screen pixel of screenshot NAME.
e2e_pixel() {
    convert "$E2E_ARTEFACTS/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- |
        sed -n '2p' | sed -E 's/.*\(([0-9.]+),([0-9.]+),([0-9.]+).*/\1 \2 \3/' |
        awk '{printf "%d %d %d\n", $1, $2, $3}'
}

# e2e_window_origin WINDOW: "X Y" of a window's top-left corner on the screen.
e2e_window_origin() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'
}

# e2e_click WINDOW X Y: a left click at a client point of a window.
e2e_click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}
