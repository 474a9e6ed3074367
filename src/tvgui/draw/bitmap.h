#pragma once

#include <string_view>

#include "system/win32.h"
#include "tvgui/draw/draw.h"

namespace tavrin::tvgui {

class Bitmap final : public GdiObject<HBITMAP> {
public:
    // DrawException "CreateBitmapIndirect" when the system refuses.
    explicit Bitmap(const BITMAP& record);
    // A bitmap of that size compatible with the screen; TavrinException
    // "ビットマップしっぱーい" for a negative size or when the system refuses.
    explicit Bitmap(SIZE size);
    Bitmap(HBITMAP handle, bool owned);
    Bitmap(Bitmap&&) noexcept = default;
    Bitmap& operator=(Bitmap&&) = default;
    ~Bitmap() override { releaseAtEndLogged(); }

    // The record read back; DrawException "情報取得失敗" when the system cannot read it.
    BITMAP info() const;
    SIZE size() const;

private:
    std::string_view kind() const noexcept override { return "ビットマップ"; }
};

} // namespace tavrin::tvgui
