#include "utility/environment.h"

#include <limits>

#include "system/unicode.h"
#include "system/win32.h"
#include "utility/expansion.h"

namespace tavrin::utility {

std::string expandEnvironment(std::string_view text) {
    if (text.find('%') == std::string_view::npos) {
        return std::string(text);
    }
    const std::wstring expanded = expandBy(
        system::toWide(text), [](const wchar_t* source, wchar_t* buffer, std::size_t room) {
            constexpr std::size_t largest = std::numeric_limits<DWORD>::max();
            const DWORD size = ExpandEnvironmentStringsW(
                source, buffer, static_cast<DWORD>(room < largest ? room : largest));
            return static_cast<std::size_t>(size);
        });
    return system::toUtf8(expanded);
}

} // namespace tavrin::utility
