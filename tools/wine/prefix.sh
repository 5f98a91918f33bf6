#!/usr/bin/env bash
# Makes a Wine prefix once: wineboot, then the font replacements and links that
# let GDI and GDI+ find Latin and Chinese faces. Safe to call concurrently.
set -euo pipefail
prefix=$1
mkdir -p "$prefix"
export WINEPREFIX="$prefix"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.k47-ready-2" ] && exit 0
wineboot -i >/dev/null 2>&1 || true
wineserver -w || true
reg=$(mktemp --suffix=.reg)
{
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n'
    for f in Arial Tahoma "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" "Segoe UI"; do
        printf '"%s"="Liberation Sans"\n' "$f"
    done
    # No window manager runs on the test displays: unmanaged windows spare
    # the two-second wait for a manager's answer each time one is hidden.
    printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Managed"="N"\n'
    printf '\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\n'
    for f in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" Arial "Microsoft Sans Serif" "Segoe UI" "Liberation Sans"; do
        # REG_MULTI_SZ of one entry, as hex(7); a REGEDIT4 file holds it in
        # ANSI bytes (UTF-16 here would split the entry into one per letter).
        hex=$(printf '%s\0\0' "wqy-microhei.ttc,WenQuanYi Micro Hei" | od -An -tx1 -v | tr -s ' \n' ',' | sed 's/^,//;s/,$//')
        printf '"%s"=hex(7):%s\n' "$f" "$hex"
    done
} >"$reg"
wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1 || wine regedit /S "$reg" >/dev/null 2>&1 || true
wineserver -w || true
rm -f "$reg"
touch "$prefix/.k47-ready-2"
