#!/usr/bin/env bash
# The launcher starts the utility of its own folder, whatever the working
# folder, passes none of its arguments on, and ends with 0.
# Usage: launcher_test.sh START_EXE RECORDER_EXE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
start_exe=$1
recorder=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/app folder" "$work/elsewhere"
cp "$start_exe" "$work/app folder/Start.exe"
cp "$recorder" "$work/app folder/K47MouseDriver.exe"
# A decoy in the working folder that must not be started.
cp "$recorder" "$work/elsewhere/K47MouseDriver.exe"

cd "$work/elsewhere"
"$here/../../tools/wine/run.sh" "$work/app folder/Start.exe" --first "second arg"
echo "Start.exe exited with 0"

# The launcher does not wait; wait for the utility's record (60 s at most).
for _ in $(seq 600); do
    [ -f "$work/app folder/started.txt" ] && break
    sleep 0.1
done
[ -f "$work/app folder/started.txt" ] || { echo "the utility was not started"; exit 1; }
record=$(sed '1s/^\xEF\xBB\xBF//' "$work/app folder/started.txt" | tr -d '\r')
echo "$record"
[ ! -e "$work/elsewhere/started.txt" ] || { echo "the working folder's copy was started"; exit 1; }
grep -qi '^module=.*\\app folder\\K47MouseDriver.exe$' <<<"$record" || { echo "wrong module"; exit 1; }
cmdline=$(sed -n 's/^commandline=//p' <<<"$record")
if grep -q -e '--first' -e 'second arg' <<<"$cmdline"; then
    echo "arguments were passed on"
    exit 1
fi
echo "PASS"
