#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End-to-end tests of the skinned controls and dialogs: the control gallery
# under Wine in a private X server, driven with xdotool, watched through its
# event log and screenshots.
#
# Usage: gallery_e2e.sh CASE GALLERY_EXE ARTEFACT_DIR
# CASE: button slider edit info autoclose chinese progress
set -euo pipefail
source "$(dirname "$0")/lib.sh"

case_name=$1
exe=$2
export E2E_ARTEFACTS=$3/$case_name
rm -rf "$E2E_ARTEFACTS"
mkdir -p "$E2E_ARTEFACTS"
export E2E_LOG=$E2E_ARTEFACTS/gallery.log
# Wine sees the Unix root as drive Z:.
export K47_GALLERY_LOG="Z:${E2E_LOG//\//\\}"
trap e2e_cleanup EXIT

e2e_start_xvfb
[ "$case_name" = chinese ] && export K47_GALLERY_CHINESE=1
e2e_start_app "$exe"
e2e_wait_log '^ready$' 90
GALLERY=$(e2e_wait_window "K47 Control Gallery" 30)
read -r GX GY < <(e2e_window_origin "$GALLERY")

# Screen pixel of a gallery client point in a screenshot.
gallery_pixel() { e2e_pixel "$1" $((GX + $2)) $((GY + $3)); }
is_reddish() { read -r r g b <<<"$1"; [ "$r" -gt 150 ] && [ "$g" -lt 90 ] && [ "$b" -lt 90 ]; }
is_golden() { read -r r g b <<<"$1"; [ "$r" -gt 200 ] && [ "$g" -gt 130 ] && [ "$b" -lt 120 ]; }

run_button() {
    e2e_shot button_normal
    local normal hover pressed
    normal=$(gallery_pixel button_normal 40 76)
    xdotool mousemove --window "$GALLERY" 100 76
    e2e_wait_log '^hover apply 1$' 15
    e2e_shot button_hover
    hover=$(gallery_pixel button_hover 40 76)
    [ "$hover" != "$normal" ] || e2e_fail "hover face looks like the normal face ($hover)"
    is_reddish "$hover" || e2e_fail "hover face edge not lit: $hover"
    xdotool mousedown 1
    e2e_wait_log '^WM_BUTTON_MOUSE down apply$' 15
    e2e_shot button_pressed
    pressed=$(gallery_pixel button_pressed 60 76)
    is_golden "$pressed" || e2e_fail "pressed face not shown: $pressed"
    xdotool mouseup 1
    e2e_wait_log '^WM_BUTTON_MOUSE up apply$' 15
    e2e_wait_log '^clicked apply$' 15
    # Leaving the button gives the capture back and the normal face.
    xdotool mousemove --window "$GALLERY" 320 280
    e2e_wait_log '^hover apply 0$' 15

    # Check mode with self-toggle: the mark flips on each press and the face follows it.
    e2e_click "$GALLERY" 240 76
    e2e_wait_log '^clicked lighting mark=1$' 15
    xdotool mousemove --window "$GALLERY" 320 280
    e2e_wait_log '^hover apply 0$' 15
    e2e_shot button_checked
    is_golden "$(gallery_pixel button_checked 200 76)" || e2e_fail "marked button not pressed"
    # Elsewhere on the button, so the platform does not take it for a double click.
    e2e_click "$GALLERY" 280 84
    e2e_wait_log '^clicked lighting mark=0$' 15

    # The shaped tab reports the press at once; a colour swatch takes the selection.
    e2e_click "$GALLERY" 400 76
    e2e_wait_log '^command tab$' 15
    e2e_click "$GALLERY" 514 76
    e2e_wait_log '^clicked red$' 15
    xdotool mousemove --window "$GALLERY" 320 280
    e2e_shot button_tab_and_swatch
    [ "$(e2e_log_count 'WM_BUTTON_MOUSE (down|up) lighting')" = 0 ] ||
        e2e_fail "a button without mouse notification sent WM_BUTTON_MOUSE"
}

run_slider() {
    # Range 1..20 on a 260-pixel track with a 10-pixel thumb; position 10 sits at x 118.
    e2e_shot slider_start
    local y=156 x=$((40 + 118 + 5))
    xdotool mousemove --window "$GALLERY" "$x" "$y" mousedown 1
    xdotool mousemove --window "$GALLERY" 600 "$y"
    e2e_wait_log '^WM_SLIDER_POS pos=20 id=2560 thumb=20$' 15
    xdotool mouseup 1
    e2e_shot slider_max
    # Back past the left end.
    xdotool mousemove --window "$GALLERY" $((40 + 250 + 5)) "$y" mousedown 1
    xdotool mousemove --window "$GALLERY" 2 "$y"
    e2e_wait_log '^WM_SLIDER_POS pos=1 id=2560 thumb=1$' 15
    xdotool mouseup 1
    e2e_shot slider_min
    # A click on the track maps onto 40..295: x 200 gives 1 + 19 * 160 / 255 = 12.
    e2e_click "$GALLERY" 200 "$y"
    e2e_wait_log '^WM_SLIDER_POS pos=12 id=2560 thumb=12$' 15
    xdotool mousemove --window "$GALLERY" 320 280
    e2e_shot slider_click
}

run_edit() {
    e2e_click "$GALLERY" 370 157
    xdotool windowfocus --sync "$GALLERY" || true
    local before
    before=$(e2e_log_count '^WM_EDIT_CHANGED')
    # Deleting the only digit leaves an empty box, which becomes the minimum.
    xdotool key --clearmodifiers End BackSpace
    e2e_wait_log '^WM_EDIT_CHANGED id=3001 text=1$' 15
    # Typing 45 over the selection: 4 is kept, 45 becomes the maximum.
    xdotool key --clearmodifiers End shift+Home
    xdotool type --delay 50 45
    e2e_wait_log '^WM_EDIT_CHANGED id=3001 text=30$' 15
    e2e_shot edit_clamped
    local after
    after=$(e2e_log_count '^WM_EDIT_CHANGED')
    # Empty -> 1 (two changes), 4, 45 -> 30 (two changes).
    [ $((after - before)) -ge 5 ] || e2e_fail "expected 5 changes, got $((after - before))"
    grep -q '^WM_EDIT_CHANGED id=3001 text=4$' "$E2E_LOG" || e2e_fail "4 was not kept"
}

# open_info BUTTON_X: opens a message dialog from the gallery; prints its window.
open_info() {
    local opened
    opened=$(e2e_log_count '^info open')
    e2e_click "$GALLERY" "$1" 236
    e2e_wait_count '^info open' $((opened + 1)) 15
    e2e_wait_window "OrvekK470InfoDlg" 30
}

run_info() {
    local dlg
    dlg=$(open_info 95)
    e2e_shot info_question
    e2e_click "$dlg" 278 143
    e2e_wait_log '^info result=2$' 15
    e2e_wait_no_window "OrvekK470InfoDlg" 15

    dlg=$(open_info 95)
    e2e_click "$dlg" 211 143
    e2e_wait_log '^info result=1$' 15
    e2e_wait_no_window "OrvekK470InfoDlg" 15

    dlg=$(open_info 220)
    e2e_shot info_information
    # One button in information mode, at 240..306.
    read -r r g b <<<"$(e2e_pixel info_information $(($(e2e_window_origin "$dlg" | cut -d' ' -f1) + 200)) $(($(e2e_window_origin "$dlg" | cut -d' ' -f2) + 143)))"
    [ "$r" -lt 100 ] || e2e_fail "a button face where information mode has none ($r $g $b)"
    e2e_click "$dlg" 314 14
    e2e_wait_count '^info result=2$' 2 15
}

run_autoclose() {
    local started ended
    started=$(date +%s)
    open_info 345 >/dev/null
    e2e_shot "${1:-autoclose}_start"
    e2e_wait_log '^info result=2$' 20
    ended=$(date +%s)
    e2e_wait_no_window "OrvekK470InfoDlg" 15
    # Five one-second ticks; a slow machine only makes it longer.
    [ $((ended - started)) -ge 4 ] || e2e_fail "closed after $((ended - started)) s"
}

run_chinese() {
    run_autoclose chinese_autoclose
    local dlg
    dlg=$(open_info 95)
    e2e_shot chinese_question
    e2e_click "$dlg" 211 143
    e2e_wait_log '^info result=1$' 15
    e2e_wait_no_window "OrvekK470InfoDlg" 15
}

run_progress() {
    e2e_click "$GALLERY" 470 236
    local dlg
    dlg=$(e2e_wait_window "Orvek_ProcessDlg" 30)
    e2e_wait_log '^WM_SET_PROGRESS value=50$' 15
    e2e_shot progress_50
    touch "$E2E_LOG.p50"
    e2e_wait_log '^WM_SET_PROGRESS value=100$' 15
    e2e_shot progress_100
    read -r ox oy < <(e2e_window_origin "$dlg")
    is_reddish "$(e2e_pixel progress_100 $((ox + 290)) $((oy + 51)))" || e2e_fail "bar not full at 100"
    # None of these may end the dialog; x comes last so its arrival proves the
    # others were handled. Alt released without a key the platform saw may
    # open the (invisible) system menu: the second Escape leaves it.
    xdotool windowfocus --sync "$dlg" || true
    xdotool key --window "$dlg" Escape Return space alt+F4
    xdotool key --window "$dlg" Escape x
    e2e_wait_log '^progress key down 0x58$' 15
    grep -q '^progress key sys 0x73$' "$E2E_LOG" || e2e_fail "Alt+F4 did not reach the dialog"
    grep -q '^progress closed' "$E2E_LOG" && e2e_fail "a key ended the progress dialog"
    touch "$E2E_LOG.p100"
    e2e_wait_log '^progress closed result=2 last=100$' 15
    e2e_wait_no_window "Orvek_ProcessDlg" 15
}

case "$case_name" in
button | slider | edit | info | autoclose | chinese | progress) "run_$case_name" ;;
*) e2e_fail "unknown case $case_name" ;;
esac
echo "PASS: $case_name"
