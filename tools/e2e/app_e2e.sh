#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End-to-end tests of K47MouseDriver under Wine in a private X server, with
# the virtual K47 as the mouse: its trace file shows what reached the mouse,
# `wine reg query` the registry, screenshots how the window looks.
#
# Usage: app_e2e.sh CASE DIST_DIR ARTEFACT_DIR [LAUNCH_RECORDER_EXE]
# CASE: start apply failed action second_instance tray language unplug absent
set -euo pipefail
source "$(dirname "$0")/lib.sh"

case_name=$1
dist=$2
export E2E_ARTEFACTS=$3/app_$case_name
rm -rf "$E2E_ARTEFACTS"
mkdir -p "$E2E_ARTEFACTS"
exe=$dist/K47MouseDriver.exe
recorder=${4:-}
TITLE="Orvek K47 Gaming Mouse Driver"
TRACE=$E2E_ARTEFACTS/trace.jsonl
# Wine sees the Unix root as drive Z:.
export K47_VIRTUAL_MOUSE="Z:${TRACE//\//\\}"
export K47_VIRTUAL_MOUSE_RECONNECT_MS=1000
trap e2e_cleanup EXIT
e2e_start_xvfb

# Every case starts from an installed folder: an empty macro library, no
# profiles, no settings in the registry.
rm -rf "$dist/Profile"
truncate -s 2052000 "$dist/Macro.cfg"
wine_reg() { "$E2E_ROOT/tools/wine/run.sh" reg "$@"; }
wine_reg delete 'HKLM\Software\ORVEK\K47' /f >/dev/null 2>&1 || true

# e2e_wait_trace REGEX [TIMEOUT_S]: waits for a line of the virtual mouse's trace.
e2e_wait_trace() {
    local pattern=$1 timeout=${2:-30} end
    end=$(($(date +%s) + timeout))
    while [ "$(date +%s)" -le "$end" ]; do
        if [ -f "$TRACE" ] && grep -Eq -- "$pattern" "$TRACE"; then return 0; fi
        sleep 0.1
    done
    e2e_fail "no trace line /$pattern/ within ${timeout} s"
}

# config_info: the profile list in the registry as hex, empty when missing.
config_info() {
    wine_reg query 'HKLM\Software\ORVEK\K47' /v ConfigInfo 2>/dev/null |
        tr -d '\r' | awk '$2 == "REG_BINARY" {print toupper($3)}'
}
# The start-up writes a zero list when there is none; a saved list has the
# entries' markers (0xBEBE).
list_saved() { config_info | grep -q '^BEBE0000'; }
profile_stamp() { stat -c %Y.%N "$dist/Profile/Profile1.cfg" 2>/dev/null | cut -d' ' -f1; }

# wait_app_end [TIMEOUT_S]: waits until the program has ended.
wait_app_end() {
    local timeout=${1:-30} end
    end=$(($(date +%s) + timeout))
    while [ "$(date +%s)" -le "$end" ]; do
        kill -0 "$E2E_APP_PID" 2>/dev/null || return 0
        sleep 0.1
    done
    e2e_fail "the program still runs after ${timeout} s"
}

# wait_pixel NAME X Y TEST [TIMEOUT_S]: screenshots until TEST accepts the
# screen pixel (X, Y).
wait_pixel() {
    local name=$1 x=$2 y=$3 test=$4 timeout=${5:-30} end
    end=$(($(date +%s) + timeout))
    while [ "$(date +%s)" -le "$end" ]; do
        e2e_shot "$name"
        if "$test" "$(e2e_pixel "$name" "$x" "$y")"; then return 0; fi
        sleep 0.2
    done
    e2e_fail "pixel ($x, $y) of $name never passed $test"
}
is_light() { read -r r g b <<<"$1"; [ "$r" -gt 180 ] && [ "$g" -gt 180 ]; }
is_not_black() { read -r r g b <<<"$1"; [ $((r + g + b)) -gt 30 ]; }
is_golden() { read -r r g b <<<"$1"; [ "$r" -gt 200 ] && [ "$g" -gt 130 ] && [ "$b" -lt 120 ]; }

# start_main: starts the program and waits for its window, shown and painted.
start_main() {
    e2e_start_app "$exe"
    MAIN=$(e2e_wait_window "$TITLE" 120)
    read -r MX MY < <(e2e_window_origin "$MAIN")
    # The selected first tab is drawn in its pressed (golden) face, the apply
    # button in its light one, the page with its picture.
    wait_pixel main_start $((MX + 60)) $((MY + 95)) is_golden 30
    wait_pixel main_start $((MX + 900)) $((MY + 620)) is_light 30
    wait_pixel main_start $((MX + 30)) $((MY + 150)) is_not_black 30
}

# The tray icon: the first 20 x 20 pixels under the caption of the "Wine
# System Tray" window. The icon sees the pointer arrive before the click.
tray_window() { e2e_wait_window "Wine System Tray" 30; }
tray_click() {
    xdotool mousemove --window "$1" 10 30 mousemove --window "$1" 11 31
    xdotool click "${@:2}"
}

# wait_no_balloon [TIMEOUT_S]: waits until the tray shows no balloon (a
# visible nameless window of explorer.exe).
explorer_nameless() {
    local w
    for w in $(xdotool search --onlyvisible --name '^$' 2>/dev/null); do
        xprop -id "$w" WM_CLASS 2>/dev/null | grep -q '"explorer.exe"' && echo "$w"
    done
    return 0
}
wait_no_balloon() {
    local timeout=${1:-60} end
    end=$(($(date +%s) + timeout))
    while [ -n "$(explorer_nameless)" ]; do
        [ "$(date +%s)" -le "$end" ] || e2e_fail "the tray balloon stays"
        sleep 0.2
    done
}
# program_nameless: the visible nameless windows of the program (popup
# menus, tooltips), one a line.
program_nameless() {
    local w
    for w in $(xdotool search --onlyvisible --name '^$' 2>/dev/null); do
        xprop -id "$w" WM_CLASS 2>/dev/null | grep -q '"k47mousedriver.exe"' && echo "$w"
    done
    return 0
}
# find_menu [TIMEOUT_S] [BEFORE]: prints the popup menu that opened (a visible
# nameless window of the program not among BEFORE), or nothing in time.
find_menu() {
    local timeout=${1:-20} before=${2:-} end w
    end=$(($(date +%s) + timeout))
    while [ "$(date +%s)" -le "$end" ]; do
        for w in $(program_nameless); do
            if ! grep -qx "$w" <<<"$before"; then
                echo "$w"
                return 0
            fi
        done
        sleep 0.1
    done
}

run_start() {
    start_main
    import -window "$MAIN" "$E2E_ARTEFACTS/main_window.png"
    e2e_wait_trace '"cmd":"version_query"' 30
    # The window is the backdrop's size and the trace has seen the version query.
    local geometry
    geometry=$(xdotool getwindowgeometry "$MAIN" | awk '/Geometry/{print $2}')
    [ "$geometry" = 958x648 ] || e2e_fail "main window is $geometry"
    # Over the apply button's rectangle, where the window sees the pointer
    # beside the slanted edge, the hint strip shows its hint.
    xdotool mousemove --window "$MAIN" 500 400
    import -window "$MAIN" -crop 234x31+67+598 "$E2E_ARTEFACTS/hint_none.png"
    xdotool mousemove --window "$MAIN" 812 595 mousemove --window "$MAIN" 813 595
    local end=$(($(date +%s) + 20)) diff=0
    while [ "$(date +%s)" -le "$end" ]; do
        import -window "$MAIN" -crop 234x31+67+598 "$E2E_ARTEFACTS/hint_apply.png"
        diff=$(compare -metric AE "$E2E_ARTEFACTS/hint_none.png" "$E2E_ARTEFACTS/hint_apply.png" \
               null: 2>&1 || true)
        [ "${diff%% *}" -gt 50 ] 2>/dev/null && break
        sleep 0.2
    done
    [ "${diff%% *}" -gt 50 ] 2>/dev/null || e2e_fail "no hint over the apply button ($diff)"
    import -window "$MAIN" "$E2E_ARTEFACTS/hint_window.png"
    # Enter, Escape and Space end nothing; the lighting tab, clicked after
    # them, proves they were handled.
    xdotool windowfocus --sync "$MAIN" 2>/dev/null || true
    xdotool key --window "$MAIN" Escape Return space
    e2e_click "$MAIN" 290 103
    wait_pixel lighting_tab $((MX + 290)) $((MY + 95)) is_golden 15
    e2e_wait_window "$TITLE" 5 >/dev/null
    kill -0 "$E2E_APP_PID" 2>/dev/null || e2e_fail "a key ended the program"
    # The support page, with the firmware version read at start.
    e2e_click "$MAIN" 838 103
    wait_pixel support_tab $((MX + 838)) $((MY + 95)) is_golden 15
    import -window "$MAIN" "$E2E_ARTEFACTS/support_page.png"
}

run_apply() {
    start_main
    local before
    before=$(profile_stamp)
    ! list_saved || e2e_fail "a saved list before the first transfer"
    e2e_click "$MAIN" 880 611
    e2e_wait_trace '"cmd":"report_rate"' 60
    e2e_wait_trace '"dir":"removed"' 30
    e2e_wait_trace '"dir":"arrived"' 30
    local table
    table=$(grep '"buttons"' "$TRACE" | tail -n1 | sed -E 's/.*"buttons":\[([^]]*)\].*/\1/')
    local want='"0x00F00001","0x00F10001","0x00F20001","0x00030007","0x00F30001","0x00F40001","0x00000000","0x00000000","0x00000000","0x00000000","0x00000000","0x00000000","0x00000000","0x00000000","0x00010004","0x00020004"'
    [ "${table^^}" = "${want^^}" ] || e2e_fail "button table: $table"
    # The order on the wire: table, lighting, sensitivity, report rate, then the restart.
    local order
    order=$(grep -oE '"cmd":"(button_table|light_colour|light_mode|light_switch|sensitivity|report_rate)"|"dir":"(removed|arrived)"' "$TRACE" |
            sed -E 's/.*:"(.*)"/\1/' | uniq | tr '\n' ' ')
    case "$order" in
        *"button_table light_colour light_mode light_switch sensitivity report_rate removed arrived"*) ;;
        *) e2e_fail "order on the wire: $order" ;;
    esac
    # The completion saved the profile list and profile 1 again.
    local end=$(($(date +%s) + 30))
    until list_saved && [ "$(profile_stamp)" != "$before" ]; do
        [ "$(date +%s)" -le "$end" ] || e2e_fail "no ConfigInfo or Profile1.cfg after the transfer"
        sleep 0.2
    done
    local list
    list=$(config_info)
    [ "${#list}" = 16000 ] || e2e_fail "ConfigInfo holds ${#list} hex digits"
    [ "$(stat -c %s "$dist/Profile/Profile1.cfg")" = 22124 ] || e2e_fail "Profile1.cfg size"
    e2e_shot after_apply
    # The program is still there and its window too.
    kill -0 "$E2E_APP_PID" 2>/dev/null || e2e_fail "the program ended after the reconnect"
    e2e_wait_window "$TITLE" 10 >/dev/null
}

run_failed() {
    # Feature report 6 is the lighting colour of the first transfer (after the
    # version query at start, and the state query and button table command of
    # the transfer): the transfer fails, goes on to the report rate, says
    # "Setting Error" and saves nothing.
    export K47_VIRTUAL_MOUSE_FAIL_FEATURE=6
    start_main
    local before
    before=$(profile_stamp)
    e2e_click "$MAIN" 880 611
    local dlg
    dlg=$(e2e_wait_window "OrvekK470InfoDlg" 60)
    e2e_wait_trace '"cmd":"report_rate"' 30
    grep -q '"cmd":"light_colour".*"ok":false\|"ok":false.*"cmd":"light_colour"' "$TRACE" ||
        e2e_fail "the lighting colour did not fail"
    import -window "$dlg" "$E2E_ARTEFACTS/setting_error.png"
    ! list_saved || e2e_fail "ConfigInfo saved after a failed transfer"
    [ "$(profile_stamp)" = "$before" ] || e2e_fail "Profile1.cfg saved after a failed transfer"
    # OK closes the message; the program goes on.
    e2e_click "$dlg" 273 143
    e2e_wait_no_window "OrvekK470InfoDlg" 15
    kill -0 "$E2E_APP_PID" 2>/dev/null || e2e_fail "the program ended"
}

run_action() {
    [ -n "$recorder" ] || e2e_fail "no launch recorder given"
    start_main
    # The back side button (button 4) launches a program: written into
    # profile 1's file, read again through the profile buttons.
    mkdir -p "$E2E_ARTEFACTS/recorder"
    cp "$recorder" "$E2E_ARTEFACTS/recorder/"
    # Profile 2 exists too, so switching to it asks nothing.
    cp "$dist/Profile/Profile1.cfg" "$dist/Profile/Profile2.cfg"
    local target="Z:${E2E_ARTEFACTS//\//\\}\\recorder\\$(basename "$recorder")"
    /usr/bin/python3 - "$dist/Profile/Profile1.cfg" "$target" <<'PY'
import struct, sys
path, target = sys.argv[1], sys.argv[2]
data = bytearray(open(path, "rb").read())
button = 4 + 4 * 3144                        # the fifth record of the settings image
struct.pack_into("<i", data, button, 19)     # advanced action
struct.pack_into("<I", data, button + 16, 0x00D40006)  # launch, the path of button 4
text = target.encode("utf-16-le") + b"\0\0"
data[button + 20:button + 20 + len(text)] = text
open(path, "wb").write(bytes(data))
PY
    # Profile 2, then profile 1 again, which reads the file.
    e2e_click "$MAIN" 475 621
    e2e_click "$MAIN" 378 621
    e2e_click "$MAIN" 880 611
    e2e_wait_trace '"dir":"arrived"' 60
    grep '"buttons"' "$TRACE" | tail -n1 | grep -qi '"0x00f30001"' || e2e_fail "button 4 lost its code"
    # The press is the PC's: the hook swallows it and the window launches the
    # program once the mouse has settled after its restart. Wine sees the
    # pointer only over its own windows.
    local started=$E2E_ARTEFACTS/recorder/started.txt i
    xdotool mousemove --window "$MAIN" 500 400
    for i in $(seq 1 30); do
        xdotool click 8
        local end=$(($(date +%s) + 2))
        while [ ! -f "$started" ] && [ "$(date +%s)" -le "$end" ]; do sleep 0.1; done
        [ -f "$started" ] && break
    done
    [ -f "$started" ] || e2e_fail "the side button launched nothing"
    grep -q 'k47_launch_recorder' "$started" || e2e_fail "launched: $(cat "$started")"
}

run_second_instance() {
    start_main
    # The close button hides to the tray.
    e2e_click "$MAIN" 939 17
    e2e_wait_no_window "$TITLE" 15
    local first=$E2E_APP_PID
    "$E2E_ROOT/tools/wine/run.sh" "$exe" >"$E2E_ARTEFACTS/second.out" 2>&1 &
    local second=$!
    local end=$(($(date +%s) + 60))
    while kill -0 "$second" 2>/dev/null; do
        [ "$(date +%s)" -le "$end" ] || e2e_fail "the second instance did not end"
        sleep 0.1
    done
    e2e_wait_window "$TITLE" 30 >/dev/null
    kill -0 "$first" 2>/dev/null || e2e_fail "the first instance ended"
    e2e_shot woken
}

# tray_menu_pick NUM DEN: opens the tray menu and clicks at NUM/DEN of its
# height; its two items are "Config" above "Exit".
tray_menu_pick() {
    local tray menu="" attempt mw mh
    tray=$(tray_window)
    [ -n "$tray" ] || e2e_fail "no tray window"
    # A right click the icon takes for something else opens nothing: try again.
    for attempt in 1 2 3 4 5; do
        local before
        before=$(program_nameless)
        tray_click "$tray" 3
        menu=$(find_menu 5 "$before")
        [ -n "$menu" ] && break
    done
    [ -n "$menu" ] || e2e_fail "no tray menu after five right clicks"
    read -r mw mh < <(xdotool getwindowgeometry "$menu" |
                      awk '/Geometry/{split($2, a, "x"); print a[1], a[2]}')
    local y=$((mh * $1 / $2))
    xdotool mousemove --window "$menu" $((mw / 2)) "$y" mousemove --window "$menu" $((mw / 2 + 1)) "$y"
    xdotool click 1
}

run_tray() {
    start_main
    e2e_click "$MAIN" 939 17
    e2e_wait_no_window "$TITLE" 15
    local tray
    tray=$(tray_window)
    tray_click "$tray" --repeat 2 --delay 80 1
    e2e_wait_window "$TITLE" 30 >/dev/null
    e2e_shot shown_again
    # Alt+F4 hides it as well; a click on the page makes it the focus first.
    e2e_click "$MAIN" 500 400
    xdotool windowfocus --sync "$MAIN" 2>/dev/null || true
    xdotool key alt+F4
    e2e_wait_no_window "$TITLE" 15
    # The tray menu: "Config" shows the window, "Exit" ends the program. The
    # start-up balloon lies over the menu's place until it times out.
    wait_no_balloon 60
    tray_menu_pick 1 4
    e2e_wait_window "$TITLE" 30 >/dev/null
    e2e_click "$MAIN" 939 17
    e2e_wait_no_window "$TITLE" 15
    e2e_shot hidden_again
    tray_menu_pick 3 4
    wait_app_end 30
}

run_language() {
    start_main
    local menu before
    before=$(program_nameless)
    e2e_click "$MAIN" 36 626
    menu=$(find_menu 20 "$before")
    [ -n "$menu" ] || e2e_fail "no language menu"
    e2e_shot language_menu
    # Rows of 22 pixels from y 6: the second is English.
    xdotool mousemove --window "$menu" 58 39 mousemove --window "$menu" 59 39
    xdotool click 1
    local end=$(($(date +%s) + 30))
    until wine_reg query 'HKLM\Software\ORVEK\K47\LANGUAGE' /v Language 2>/dev/null |
          grep -q '02000000'; do
        [ "$(date +%s)" -le "$end" ] || e2e_fail "English was not saved"
        sleep 0.2
    done
    e2e_shot english
}

run_unplug() {
    # The mouse leaves for good after the version query of the start-up: an
    # unexpected removal, announced, after which the program ends.
    export K47_VIRTUAL_MOUSE_VANISH_AFTER=1
    e2e_start_app "$exe"
    local dlg
    dlg=$(e2e_wait_window "OrvekK470InfoDlg" 120)
    e2e_wait_trace '"dir":"removed"' 30
    import -window "$dlg" "$E2E_ARTEFACTS/unplugged.png"
    wait_app_end 60
}

run_absent() {
    export K47_VIRTUAL_MOUSE_ABSENT=1
    # English saved as the language: the message is English.
    wine_reg add 'HKLM\Software\ORVEK\K47\LANGUAGE' /v Language /t REG_BINARY /d 02000000 /f \
        >/dev/null
    e2e_start_app "$exe"
    local dlg
    dlg=$(e2e_wait_window "OrvekK470InfoDlg" 120)
    import -window "$dlg" "$E2E_ARTEFACTS/not_found.png"
    # The message closes itself and the program ends with it; its window was
    # never shown.
    wait_app_end 60
    ! xdotool search --onlyvisible --name "^${TITLE}\$" >/dev/null 2>&1 ||
        e2e_fail "main window visible"
}

"run_$case_name"
echo "PASS $case_name"
