// SPDX-License-Identifier: MIT
#pragma once
// Numbers of the dialog templates and bitmaps in the program's resources.
// Plain defines: the resource compiler reads this file too.

// Dialog templates.
#define IDD_INFO_DLG 135
#define IDD_PROGRESS_DLG 167

// Faces of the message dialog, 330 x 160: question mode (OK and Cancel) and
// information mode (OK only), each normal, hover and pressed.
#define IDB_INFO_QUESTION_DOWN 136
#define IDB_INFO_DOWN 137
#define IDB_INFO_QUESTION_NORMAL 138
#define IDB_INFO_NORMAL 139
#define IDB_INFO_QUESTION_OVER 140
#define IDB_INFO_OVER 141

// The main window: its template, the application icon and the whole-window
// faces of its region buttons (normal, hover, pressed).
#define IDD_K47MOUSEDRIVER_DIALOG 102
#define IDR_MAINFRAME 128
#define IDB_MAIN_NORMAL 129
#define IDB_MAIN_OVER 130
#define IDB_MAIN_DOWN 131
#define IDC_LANGUAGE_PICTURE 1001

// The five pages, empty child templates.
#define IDD_MAIN_SET_DLG 145
#define IDD_LED_SET_DLG 168
#define IDD_MACRO_DLG 169
#define IDD_STS_DLG 170
#define IDD_SUPPORT_DLG 171

// Icons of the tray menu's items, 16 x 16: "Exit" and "Config".
#define IDI_TRAY_EXIT 133
#define IDI_TRAY_CONFIG 134

// The picture scroll bar's cells, 163 x 54, 8 bits per pixel.
#define IDB_SCROLL_SKIN 154

// PNG resources (type "PNG"): the language menu's framed background,
// 65 x 65, and the languages' menu pictures, 19 x 11 with alpha.
#define IDP_LANGUAGE_MENU_BACK 172
#define IDP_MENU_CHINESE 185
#define IDP_MENU_ENGLISH 186
#define IDP_MENU_FRENCH 187
#define IDP_MENU_GERMAN 188
#define IDP_MENU_KOREAN 189
#define IDP_MENU_ITALIAN 190
#define IDP_MENU_SPANISH 191
#define IDP_MENU_DUTCH 192
#define IDP_MENU_PORTUGUESE 193
#define IDP_MENU_RUSSIAN 194
#define IDP_MENU_UKRAINIAN 195
#define IDP_MENU_TRAD_CHINESE 196
