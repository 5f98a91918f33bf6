#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, in a prefix private to
# the build folder (K47_WINEPREFIX, or wineprefix in the build folder that holds the program), and
# passes its exit code on. The prefix is made on first use, under a lock, so
# parallel test runs share one prefix.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=${K47_WINEPREFIX:-}
if [ -z "$prefix" ]; then
    # The program lives somewhere below the build folder; take the folder that
    # holds CMakeCache.txt.
    d=$(cd "$(dirname "$1")" && pwd)
    while [ "$d" != / ] && [ ! -f "$d/CMakeCache.txt" ]; do d=$(dirname "$d"); done
    if [ "$d" = / ]; then prefix="${TMPDIR:-/tmp}/k47-wineprefix"; else prefix="$d/wineprefix"; fi
fi
export WINEPREFIX="$prefix"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
"$here/prefix.sh" "$prefix"
exec wine "$@"
