#include "tvgui/draw/cursor.h"

#include "system/tavrinerrors.h"

namespace tavrin::tvgui {

namespace {

HCURSOR stockCursor(Cursor::STOCK stock) {
    auto cursor = static_cast<HCURSOR>(LoadImageW(nullptr, MAKEINTRESOURCEW(stock), IMAGE_CURSOR, 0,
                                                  0, LR_DEFAULTSIZE | LR_SHARED));
    if (cursor == nullptr) {
        throw system::CursorException("LoadCursor");
    }
    return cursor;
}

} // namespace

Cursor::Cursor(STOCK stock) : Draw(stockCursor(stock), false) {}

Cursor::Cursor(HCURSOR handle, bool owned) : Draw(handle, owned) {}

void Cursor::release() {
    if (!DestroyCursor(handle)) {
        raiseReleaseFailure("カーソル");
    }
    handle = nullptr;
}

} // namespace tavrin::tvgui
