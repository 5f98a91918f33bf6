// SPDX-License-Identifier: MIT
#pragma once
// Resources of the gallery: its page pictures as bitmap resources, the faces
// of its shaped tab.
#define IDB_GALLERY_NORMAL 901
#define IDB_GALLERY_DOWN 902
#define IDB_GALLERY_OVER 903
