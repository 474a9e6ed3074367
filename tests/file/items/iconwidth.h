#pragma once

#include "image/icon.h"
#include "system/win32.h"

namespace tavrin::file::fixture {

// The width of an icon in pixels; 0 for a holder without an icon.
inline int iconWidth(const image::Icon& icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon.get(), &info)) {
        return 0;
    }
    BITMAP bitmap{};
    GetObjectW(info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    return bitmap.bmWidth;
}

} // namespace tavrin::file::fixture
