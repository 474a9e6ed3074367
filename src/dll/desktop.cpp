#include "dll/desktop.h"

#include <string_view>

namespace tavrin::dll {

bool isDesktop(HWND topLevel) {
    // Longer names are cut, and a cut name is never one of the two.
    wchar_t kind[16]{};
    GetClassNameW(topLevel, kind, 16);
    if (std::wstring_view(kind) == L"Progman") {
        wchar_t title[32]{};
        GetWindowTextW(topLevel, title, 32);
        return std::wstring_view(title) == L"Program Manager";
    }
    return std::wstring_view(kind) == L"WorkerW" &&
           FindWindowExW(topLevel, nullptr, L"SHELLDLL_DefView", nullptr) != nullptr;
}

bool isDesktopAt(POINT screen) {
    const HWND under = WindowFromPoint(screen);
    return under != nullptr && isDesktop(GetAncestor(under, GA_ROOT));
}

} // namespace tavrin::dll
