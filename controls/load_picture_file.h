// SPDX-License-Identifier: MIT
#pragma once
// Loads a picture file of the skins folder as a bitmap.

#include "framework/gdi.h"

namespace k47 {

// Decodes the file with the platform picture decoder (BMP, JPEG, GIF, ...)
// into bitmap, replacing what it held, and reports the picture's size. A
// missing or undecodable file leaves bitmap empty and the size 0 x 0.
bool LoadPictureFile(const wchar_t* path, CBitmap& bitmap, SIZE* size);

} // namespace k47
