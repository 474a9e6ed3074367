#pragma once

#include "image/icon.h"
#include "tvgui/draw/bitmap.h"

namespace tavrin::tvgui {

// The image of a button or picture label through its pair of messages (BM_ or STM_), by the
// image's kind. The control does not take the image over, and what comes back is not owned.
image::Icon swapIcon(HWND hwnd, UINT setMessage, const image::Icon& icon);
Bitmap swapBitmap(HWND hwnd, UINT setMessage, const Bitmap& bitmap);
image::Icon shownIcon(HWND hwnd, UINT getMessage);
Bitmap shownBitmap(HWND hwnd, UINT getMessage);

} // namespace tavrin::tvgui
