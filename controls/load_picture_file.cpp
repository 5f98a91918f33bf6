// SPDX-License-Identifier: MIT
#include "controls/load_picture_file.h"

#include "framework/file.h"

#include <ocidl.h>

namespace k47 {
namespace {

// Reads the whole file into movable global memory handed to a stream, which
// frees it.
IStream* StreamOverFile(const wchar_t* path)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead))
        return nullptr;
    const std::int64_t length = file.GetLength();
    if (length <= 0 || length > 0x7FFFFFFF)
        return nullptr;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(length));
    if (!block)
        return nullptr;
    void* data = ::GlobalLock(block);
    const bool read = data && file.Read(data, static_cast<std::uint32_t>(length)) == length;
    if (data)
        ::GlobalUnlock(block);
    IStream* stream = nullptr;
    if (!read || ::CreateStreamOnHGlobal(block, TRUE, &stream) != S_OK) {
        ::GlobalFree(block);
        return nullptr;
    }
    return stream;
}

} // namespace

bool LoadPictureFile(const wchar_t* path, CBitmap& bitmap, SIZE* size)
{
    bitmap.DeleteObject();
    if (size)
        *size = SIZE{0, 0};
    IStream* stream = StreamOverFile(path);
    if (!stream)
        return false;
    IPicture* picture = nullptr;
    const HRESULT hr =
        ::OleLoadPicture(stream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(hr) || !picture)
        return false;
    OLE_HANDLE handle = 0;
    SHORT type = PICTYPE_NONE;
    HBITMAP copy = nullptr;
    if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP &&
        SUCCEEDED(picture->get_Handle(&handle))) {
        // The picture object owns its bitmap; keep a copy of our own.
        copy = static_cast<HBITMAP>(
            ::CopyImage(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0,
                        0, LR_CREATEDIBSECTION));
    }
    picture->Release();
    if (!copy)
        return false;
    bitmap.Attach(copy);
    if (size)
        *size = BitmapSize(copy);
    return true;
}

} // namespace k47
