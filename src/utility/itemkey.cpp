#include "utility/itemkey.h"

#include <string>

#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "system/win32.h"

namespace tavrin::utility {

wchar_t toItemKey(std::string_view text) {
    using system::ConvertException;
    if (text.empty()) {
        throw ConvertException("キーの元となる文字列が未入力");
    }
    for (wchar_t unit : system::toWide(text)) {
        // Half of a surrogate pair is no letter to the system, so letters beyond the basic
        // plane are passed over rather than split.
        if (IsCharAlphaW(unit)) {
            // CharUpperW converts a single character passed in the pointer's low word.
            const auto upper = reinterpret_cast<ULONG_PTR>(
                CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(unit))));
            return static_cast<wchar_t>(upper & 0xFFFF);
        }
    }
    throw ConvertException(std::string(text) + "には変換可能文字無し");
}

} // namespace tavrin::utility
