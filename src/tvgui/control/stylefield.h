#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "system/win32.h"

namespace tavrin::tvgui {

struct StyleName {
    LONG_PTR bits;
    std::string_view name;
};

// A multi-valued style of a control read and written as an enumeration whose values are 0, 1,
// ... in the order of the members given. The field is every bit any member sets, unless a
// wider mask is given.
class StyleField {
public:
    explicit StyleField(std::span<const StyleName> members, LONG_PTR mask = 0);

    // Clears the field and sets the member's bits; gives back the style it replaced.
    // TavrinException "設定>…Style" for a value that is no member.
    template <typename E> LONG_PTR write(HWND hwnd, E member) const {
        return writeIndex(hwnd, static_cast<std::size_t>(member));
    }
    // The member the window's field equals; TavrinException "取得>…Style" when none does.
    template <typename E> E read(HWND hwnd) const { return static_cast<E>(readIndex(hwnd)); }

private:
    LONG_PTR writeIndex(HWND hwnd, std::size_t member) const;
    std::size_t readIndex(HWND hwnd) const;
    std::string failure(std::string_view action) const;

    std::span<const StyleName> members_;
    LONG_PTR mask_;
};

} // namespace tavrin::tvgui
