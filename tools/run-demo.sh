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
# An installed folder holds the (empty) macro library; without it the first
# start asks for it.
[ -f "$build/dist/Macro.cfg" ] || truncate -s 2052000 "$build/dist/Macro.cfg"

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
# Painted once the selected first tab shows its golden face, the apply
# button its light one and the page its picture.
shot=$E2E_ARTEFACTS/main_window.png
pixel() {
    convert "$shot" -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 2p |
        sed -E 's/.*\(([0-9.]+),([0-9.]+),([0-9.]+).*/\1 \2 \3/' |
        awk '{printf "%d %d %d\n", $1, $2, $3}'
}
painted() {
    local r g b
    read -r r g b < <(pixel 60 95)
    [ "$r" -gt 200 ] && [ "$g" -gt 130 ] || return 1
    read -r r g b < <(pixel 900 620)
    [ "$r" -gt 180 ] || return 1
    read -r r g b < <(pixel 30 150)
    [ $((r + g + b)) -gt 30 ]
}
for _ in $(seq 1 300); do
    if import -window "$window" "$shot" 2>/dev/null && painted; then break; fi
    sleep 0.1
done
echo "screenshot: $shot"
