#include "tvgui/control/stylefield.h"

#include <string>

#include "system/tavrinerrors.h"

namespace tavrin::tvgui {

StyleField::StyleField(std::span<const StyleName> members, LONG_PTR mask)
    : members_(members), mask_(mask) {
    for (const StyleName& member : members_) {
        mask_ |= member.bits;
    }
}

LONG_PTR StyleField::writeIndex(HWND hwnd, std::size_t member) const {
    if (member >= members_.size()) {
        throw system::TavrinException(failure("設定>"));
    }
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    return SetWindowLongPtrW(hwnd, GWL_STYLE, (style & ~mask_) | members_[member].bits);
}

std::size_t StyleField::readIndex(HWND hwnd) const {
    const LONG_PTR field = GetWindowLongPtrW(hwnd, GWL_STYLE) & mask_;
    for (std::size_t i = 0; i < members_.size(); ++i) {
        if (members_[i].bits == field) {
            return i;
        }
    }
    throw system::TavrinException(failure("取得>"));
}

std::string StyleField::failure(std::string_view action) const {
    std::string text(action);
    for (std::size_t i = 0; i < members_.size(); ++i) {
        text += (i == 0 ? "" : "|");
        text += members_[i].name;
    }
    return text + " Style";
}

} // namespace tavrin::tvgui
