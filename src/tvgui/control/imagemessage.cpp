#include "tvgui/control/imagemessage.h"

namespace tavrin::tvgui {

namespace {

LRESULT sendImage(HWND hwnd, UINT message, UINT kind, HANDLE image) {
    return SendMessageW(hwnd, message, kind, reinterpret_cast<LPARAM>(image));
}

} // namespace

image::Icon swapIcon(HWND hwnd, UINT setMessage, const image::Icon& icon) {
    return {reinterpret_cast<HICON>(sendImage(hwnd, setMessage, IMAGE_ICON, icon.get())), false};
}

Bitmap swapBitmap(HWND hwnd, UINT setMessage, const Bitmap& bitmap) {
    return {reinterpret_cast<HBITMAP>(sendImage(hwnd, setMessage, IMAGE_BITMAP, bitmap.get())),
            false};
}

image::Icon shownIcon(HWND hwnd, UINT getMessage) {
    return {reinterpret_cast<HICON>(sendImage(hwnd, getMessage, IMAGE_ICON, nullptr)), false};
}

Bitmap shownBitmap(HWND hwnd, UINT getMessage) {
    return {reinterpret_cast<HBITMAP>(sendImage(hwnd, getMessage, IMAGE_BITMAP, nullptr)), false};
}

} // namespace tavrin::tvgui
