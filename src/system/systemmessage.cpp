#include "system/systemmessage.h"

#include <cwctype>
#include <memory>
#include <string>

#include "system/unicode.h"
#include "system/win32.h"

namespace tavrin::system {

namespace {

// Some texts name what failed through an insert ("%1 is not a valid Win32 application."); the
// caller names it beside the text itself, so the inserts go, with the blank each leaves.
std::wstring withoutInserts(std::wstring_view text) {
    std::wstring kept;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == L'%' && at + 1 < text.size() && iswdigit(text[at + 1])) {
            while (at + 1 < text.size() && iswdigit(text[at + 1])) {
                ++at;
            }
            const bool blankBefore = kept.empty() || kept.back() == L' ';
            const wchar_t next = at + 1 < text.size() ? text[at + 1] : L'\0';
            if (next == L' ' && blankBefore) {
                ++at;
            } else if (!kept.empty() && kept.back() == L' ' && !iswalnum(next)) {
                kept.pop_back();
            }
            continue;
        }
        kept += text[at];
    }
    return kept;
}

} // namespace

std::string systemMessage(unsigned long code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const std::unique_ptr<wchar_t, decltype(&LocalFree)> owned(buffer, &LocalFree);
    if (length == 0) {
        return "system error " + std::to_string(code);
    }
    std::wstring_view text(buffer, length);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.remove_suffix(1);
    }
    return system::toUtf8(withoutInserts(text));
}

} // namespace tavrin::system
