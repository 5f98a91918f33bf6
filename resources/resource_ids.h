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
