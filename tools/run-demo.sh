#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything (mingw preset) and starts K47MouseDriver under Wine with the
# virtual K47, its trace in build/mingw/virtual-k47.trace. On $DISPLAY when
# there is one; otherwise in a private Xvfb, printing the path of a screenshot
# of the main window, and ending the program after it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j2
build=$root/build/mingw
exe=$build/dist/K47MouseDriver.exe
trace=$build/virtual-k47.trace
# Wine sees the Unix root as drive Z:.
export K47_VIRTUAL_MOUSE="Z:${trace//\//\\}"
export K47_VIRTUAL_MOUSE_RECONNECT_MS=${K47_VIRTUAL_MOUSE_RECONNECT_MS:-1000}
echo "virtual K47 trace: $trace"

if [ -n "${DISPLAY:-}" ]; then
    exec "$root/tools/wine/run.sh" "$exe"
fi

source "$root/tools/e2e/lib.sh"
export E2E_ARTEFACTS=$build/demo
mkdir -p "$E2E_ARTEFACTS"
trap e2e_cleanup EXIT
e2e_start_xvfb
e2e_start_app "$exe"
window=$(e2e_wait_window "Orvek K47 Gaming Mouse Driver" 120)
# The window paints once it is shown; give the first paint a moment to land.
for _ in $(seq 1 50); do
    import -window "$window" "$E2E_ARTEFACTS/main_window.png" 2>/dev/null && break
    sleep 0.1
done
sleep 1
import -window "$window" "$E2E_ARTEFACTS/main_window.png"
echo "screenshot: $E2E_ARTEFACTS/main_window.png"
