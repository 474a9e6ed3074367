#include "tvgui/draw/bitmap.h"

#include "system/tavrinerrors.h"
#include "tvgui/draw/screendc.h"

namespace tavrin::tvgui {

namespace {

HBITMAP createBitmap(const BITMAP& record) {
    HBITMAP bitmap = CreateBitmapIndirect(&record);
    if (bitmap == nullptr) {
        throw system::DrawException("CreateBitmapIndirect");
    }
    return bitmap;
}

HBITMAP compatibleBitmap(SIZE size) {
    ScreenDC screen;
    // Not every system refuses a negative size on its own.
    const bool valid = size.cx >= 0 && size.cy >= 0 && screen.get() != nullptr;
    HBITMAP bitmap = valid ? CreateCompatibleBitmap(screen.get(), size.cx, size.cy) : nullptr;
    if (bitmap == nullptr) {
        throw system::TavrinException("ビットマップしっぱーい");
    }
    return bitmap;
}

} // namespace

Bitmap::Bitmap(const BITMAP& record) : GdiObject(createBitmap(record), true) {}

Bitmap::Bitmap(SIZE size) : GdiObject(compatibleBitmap(size), true) {}

Bitmap::Bitmap(HBITMAP handle, bool owned) : GdiObject(handle, owned) {}

BITMAP Bitmap::info() const {
    BITMAP record{};
    if (handle == nullptr || GetObjectW(handle, sizeof record, &record) != sizeof record) {
        throw system::DrawException("情報取得失敗");
    }
    return record;
}

SIZE Bitmap::size() const {
    const BITMAP record = info();
    return SIZE{record.bmWidth, record.bmHeight};
}

} // namespace tavrin::tvgui
