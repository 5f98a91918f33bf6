#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End-to-end tests of the skinned controls and dialogs: the control gallery
# under Wine in a private X server, driven with xdotool, watched through its
# event log and screenshots.
#
# Usage: gallery_e2e.sh CASE GALLERY_EXE ARTEFACT_DIR
# CASE: button slider edit info autoclose chinese progress list langmenu traymenu gamemenu
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

# near "R G B" R G B [TOLERANCE]: whether a pixel is close to a colour.
near() {
    local r g b
    read -r r g b <<<"$1"
    local t=${5:-12}
    [ $((r > $2 ? r - $2 : $2 - r)) -le "$t" ] && [ $((g > $3 ? g - $3 : $3 - g)) -le "$t" ] &&
        [ $((b > $4 ? b - $4 : $4 - b)) -le "$t" ]
}

# wait_pixel NAME X Y R G B [TIMEOUT_S]: screenshots until a screen pixel nears a colour.
wait_pixel() {
    local name=$1 x=$2 y=$3 end
    end=$(($(date +%s) + ${7:-15}))
    while [ "$(date +%s)" -le "$end" ]; do
        e2e_shot "$name"
        if near "$(e2e_pixel "$name" "$x" "$y")" "$4" "$5" "$6"; then return 0; fi
        sleep 0.2
    done
    e2e_fail "pixel $x,$y of $name is $(e2e_pixel "$name" "$x" "$y"), not $4 $5 $6"
}

is_dark() { read -r r g b <<<"$1"; [ "$r" -lt 120 ] && [ "$g" -lt 120 ] && [ "$b" -lt 130 ]; }

# The step list at (40,296)-(260,406), entries 18 high; its skinned bar is the
# 18-pixel strip on the right: arrows 296..314 and 388..406, the track between.
LIST_X=120
BAR_X=251
UP_Y=305
DOWN_Y=397
row_y() { echo $((296 + $1 * 18 + 9)); }

run_list() {
    e2e_wait_log '^list skinned=1 cell=18$' 15
    # The first entry, selected, is drawn in the selected text colour.
    wait_pixel list_start $((GX + 40 + 5 + 8)) $((GY + 296 + 9)) 244 196 90 40
    # The skinned bar, not the platform's light one, fills the strip.
    is_dark "$(gallery_pixel list_start $((BAR_X - 6)) 299)" || e2e_fail "no skinned up arrow"
    is_dark "$(gallery_pixel list_start $((BAR_X + 4)) 380)" || e2e_fail "no skinned track"
    # 14 entries, 6 on view: range 0..13, page 6, a 31-pixel thumb at the top.
    xdotool mousemove --window "$GALLERY" $BAR_X 329 mousedown 1
    xdotool mousemove --window "$GALLERY" $BAR_X 340
    e2e_wait_log '^list vscroll code=5 ' 15
    xdotool mousemove --window "$GALLERY" $BAR_X 700
    e2e_wait_log '^list vscroll code=(4|5) top=8$' 15
    local moved
    moved=$(e2e_log_count '^list vscroll code=4 top=8$')
    xdotool mouseup 1
    # The release ends the drag with a thumb position request.
    e2e_wait_count '^list vscroll code=4 top=8$' $((moved + 1)) 15
    xdotool mousemove --window "$GALLERY" 600 480
    e2e_shot list_dragged
    # Past the end the position stays at 13 - 6 + 1.
    grep -Eq '^list vscroll code=5 top=(9|1[0-9])$' "$E2E_LOG" && e2e_fail "dragged past the end"

    e2e_click "$GALLERY" $BAR_X $UP_Y
    e2e_wait_log '^list vscroll code=0 top=7$' 15
    # Held, the arrow repeats down to the first entry and stops there. The
    # press lands away from the click, or the two would make a double click,
    # which the bar swallows.
    xdotool mousemove --window "$GALLERY" $((BAR_X - 6)) $((UP_Y - 6)) mousedown 1
    e2e_wait_log '^list vscroll code=0 top=0$' 20
    xdotool mouseup 1
    [ "$(e2e_log_count '^list vscroll code=0 ')" -ge 8 ] || e2e_fail "the held arrow did not repeat"
    e2e_click "$GALLERY" $BAR_X $DOWN_Y
    e2e_wait_log '^list vscroll code=1 top=1$' 15
    # Left, the arrow goes back to its normal face.
    xdotool mousemove --window "$GALLERY" 600 480
    wait_pixel list_scrolled $((GX + BAR_X - 6)) $((GY + DOWN_Y - 6)) 35 39 45

    # A click selects the entry under the pointer: row 2 on view is entry 3.
    e2e_click "$GALLERY" $LIST_X "$(row_y 2)"
    e2e_wait_log '^WM_LIST_ITEM_CLICK id=4001 item=3 outside=0 sel=3$' 15
    # A double click renames in place; Enter commits. Away from the click
    # before, so the two do not pair up.
    xdotool mousemove --window "$GALLERY" $((LIST_X + 40)) "$(row_y 2)" click --repeat 2 --delay 80 1
    e2e_wait_log '^list dblclk renaming=1$' 15
    xdotool windowfocus --sync "$GALLERY" || true
    xdotool type --delay 30 "Renamed step"
    xdotool key Return
    e2e_wait_log '^WM_LIST_ITEM_EDITED id=4001 index=3 text=Renamed step$' 15
    e2e_shot list_renamed
    # Escape gives the entry back unchanged and tells no one.
    xdotool mousemove --window "$GALLERY" $LIST_X "$(row_y 1)" click --repeat 2 --delay 80 1
    e2e_wait_count '^list dblclk renaming=1$' 2 15
    xdotool type --delay 30 "zzz"
    xdotool key Escape
    e2e_click "$GALLERY" $LIST_X "$(row_y 0)"
    e2e_wait_log '^WM_LIST_ITEM_CLICK id=4001 item=1 outside=0 sel=1$' 15
    grep -q '^WM_LIST_ITEM_EDITED id=4001 index=2 ' "$E2E_LOG" && e2e_fail "Escape committed"

    # A step added with renaming is selected and takes at most 20 characters.
    e2e_click "$GALLERY" 95 446
    e2e_wait_log '^added index=14 sel=14 renaming=1$' 15
    xdotool windowfocus --sync "$GALLERY" || true
    xdotool type --delay 30 "abcdefghijklmnopqrstuvwxy"
    xdotool key Return
    e2e_wait_log '^WM_LIST_ITEM_EDITED id=4001 index=14 text=abcdefghijklmnopqrst$' 15
    xdotool mousemove --window "$GALLERY" 600 480
    e2e_shot list_added
}

run_langmenu() {
    e2e_shot lang_before
    e2e_click "$GALLERY" 355 316
    e2e_wait_log '^language menu open background=1 .* size=116x273 items=12$' 15
    e2e_wait_log '^menu render hover=-1$' 15
    local mx my
    read -r mx my < <(sed -nE 's/^language menu open background=1 at=(-?[0-9]+),(-?[0-9]+) .*/\1 \2/p' "$E2E_LOG" | head -n1)
    xdotool mousemove 1000 900
    e2e_shot lang_open
    # Corners let the page through; the plate is light; the first flag is red;
    # the Ukrainian one (item 10) blue over yellow, the right way up.
    local c
    for c in "$mx $my" "$((mx + 115)) $my" "$mx $((my + 272))" "$((mx + 115)) $((my + 272))"; do
        # shellcheck disable=SC2086
        [ "$(e2e_pixel lang_open $c)" = "$(e2e_pixel lang_before $c)" ] ||
            e2e_fail "corner $c is not transparent"
    done
    read -r r g b <<<"$(e2e_pixel lang_open $((mx + 104)) $((my + 150)))"
    [ "$r" -gt 170 ] && [ "$g" -gt 170 ] && [ "$b" -gt 170 ] || e2e_fail "plate not light: $r $g $b"
    is_reddish "$(e2e_pixel lang_open $((mx + 24)) $((my + 20)))" || e2e_fail "no Chinese flag"
    read -r r g b <<<"$(e2e_pixel lang_open $((mx + 14)) $((my + 233)))"
    [ "$b" -gt 150 ] && [ "$r" -lt 80 ] || e2e_fail "Ukrainian flag top not blue: $r $g $b"
    read -r r g b <<<"$(e2e_pixel lang_open $((mx + 14)) $((my + 239)))"
    [ "$r" -gt 180 ] && [ "$b" -lt 90 ] || e2e_fail "Ukrainian flag bottom not yellow: $r $g $b"
    # Dark text on every item.
    local i dark
    for i in $(seq 0 11); do
        dark=$(convert "$E2E_ARTEFACTS/lang_open.png" -crop "70x22+$((mx + 36))+$((my + 6 + i * 22))" \
               -colorspace gray -threshold 25% -format "%[fx:1-mean]" info:)
        awk -v d="$dark" 'BEGIN { exit !(d > 0.03) }' || e2e_fail "item $i shows no text ($dark)"
    done

    # One composition per change of the highlight, none within an item.
    local base
    base=$(e2e_log_count '^menu render ')
    xdotool mousemove $((mx + 60)) $((my + 17))
    e2e_wait_count '^menu render hover=0$' 1 15
    xdotool mousemove $((mx + 80)) $((my + 22))
    xdotool mousemove $((mx + 60)) $((my + 39))
    e2e_wait_log '^menu render hover=1$' 15
    [ "$(e2e_log_count '^menu render ')" = $((base + 2)) ] || e2e_fail "renders: $(e2e_log_count '^menu render ') after $base"
    e2e_shot lang_hover
    near "$(e2e_pixel lang_hover $((mx + 8)) $((my + 30)))" 0 147 209 || e2e_fail "no hover fill"

    # A click sends the language index and leaves the menu open.
    e2e_click_screen $((mx + 60)) $((my + 61))
    e2e_wait_log '^WM_SELECT_LANGUAGE wp=0 lp=3$' 15
    # Pressed on German, released on Italian: nothing sent, the highlight goes.
    xdotool mousemove $((mx + 60)) $((my + 105))
    e2e_wait_log '^menu render hover=4$' 15
    local renders
    renders=$(e2e_log_count '^menu render hover=-1$')
    xdotool mousedown 1
    xdotool mousemove $((mx + 60)) $((my + 149))
    xdotool mouseup 1
    e2e_wait_count '^menu render hover=-1$' $((renders + 1)) 15
    grep -Eq '^WM_SELECT_LANGUAGE wp=0 lp=(5|6)$' "$E2E_LOG" && e2e_fail "a release off the item sent"
    grep -q '^menu destroyed$' "$E2E_LOG" && e2e_fail "the menu closed itself"

    # Clicking elsewhere closes it and says so with 0.
    e2e_click "$GALLERY" 600 480
    e2e_wait_log '^WM_SELECT_LANGUAGE wp=0 lp=0$' 15
    e2e_wait_log '^menu destroyed$' 15
    e2e_shot lang_closed

    # Without its background picture: a blue frame on white.
    e2e_click "$GALLERY" 220 446
    e2e_wait_log '^language menu open background=0 ' 15
    read -r mx my < <(sed -nE 's/^language menu open background=0 at=(-?[0-9]+),(-?[0-9]+) .*/\1 \2/p' "$E2E_LOG" | head -n1)
    xdotool mousemove 1000 900
    wait_pixel lang_plain "$mx" "$my" 0 147 209
    near "$(e2e_pixel lang_plain $((mx + 3)) $((my + 3)))" 255 255 255 || e2e_fail "no white inside"
    e2e_click "$GALLERY" 600 480
    e2e_wait_count '^menu destroyed$' 2 15
}

e2e_click_screen() { xdotool mousemove "$1" "$2" click 1; }

run_traymenu() {
    e2e_click "$GALLERY" 480 316
    e2e_wait_log '^tray open at=' 15
    local px py
    read -r px py < <(sed -nE 's/^tray open at=(-?[0-9]+),(-?[0-9]+)$/\1 \2/p' "$E2E_LOG" | head -n1)
    # Items of 75 x 22 inside the menu's frame: the face below the icon.
    wait_pixel tray_open $((px + 22)) $((py + 20)) 219 216 209
    xdotool mousemove $((px + 40)) $((py + 36))
    wait_pixel tray_hover $((px + 22)) $((py + 42)) 177 185 207
    xdotool click 1
    e2e_wait_log '^tray result=24577$' 15
}

run_gamemenu() {
    # Safe with no menu open.
    e2e_click "$GALLERY" 480 361
    e2e_wait_log '^DestroyMenuEx=0 open=0$' 15
    e2e_click "$GALLERY" 355 361
    e2e_wait_log '^game menu open=1 at=' 15
    e2e_wait_log '^menuex open=1$' 15
    local ax ay
    read -r ax ay < <(sed -nE 's/^game menu open=1 at=(-?[0-9]+),(-?[0-9]+)$/\1 \2/p' "$E2E_LOG" | head -n1)
    # 21 rows of 24 in a 2-pixel margin: the frame's bottom edge at 507.
    wait_pixel game_open $((ax + 60)) $((ay + 507)) 21 140 185 20
    read -r r g b <<<"$(e2e_pixel game_open $((ax + 60)) $((ay + 512)))"
    near "$r $g $b" 21 140 185 20 && e2e_fail "the menu is taller than 21 rows"
    # Hover row 3 (game 4): its picture shows the red bar.
    xdotool mousemove $((ax + 60)) $((ay + 2 + 3 * 24 + 12))
    wait_pixel game_hover $((ax + 3)) $((ay + 2 + 3 * 24 + 12)) 224 70 58 20
    xdotool click 1
    e2e_wait_log '^WM_MENUEX_PICK wp=0 lp=4$' 15
    e2e_wait_count '^menuex open=0$' 1 15
    # Clicking elsewhere closes it.
    e2e_click "$GALLERY" 355 361
    e2e_wait_count '^game menu open=1 ' 2 15
    e2e_wait_count '^menuex open=1$' 2 15
    e2e_click "$GALLERY" 600 480
    e2e_wait_count '^menuex open=0$' 2 15
    # DestroyMenuEx closes an open menu.
    e2e_click "$GALLERY" 355 361
    e2e_wait_count '^menuex open=1$' 3 15
    touch "$E2E_LOG.destroy"
    e2e_wait_log '^DestroyMenuEx=1 open=0$' 15
    e2e_wait_count '^menuex open=0$' 3 15
}

case "$case_name" in
button | slider | edit | info | autoclose | chinese | progress | list | langmenu | traymenu | gamemenu)
    "run_$case_name" ;;
*) e2e_fail "unknown case $case_name" ;;
esac
echo "PASS: $case_name"
