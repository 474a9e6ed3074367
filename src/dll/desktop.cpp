#include "dll/desktop.h"

#include <string_view>

namespace tavrin::dll {

namespace {

std::wstring_view className(HWND window, wchar_t (&buffer)[64]) {
    return {buffer, static_cast<std::size_t>(GetClassNameW(window, buffer, 64))};
}

} // namespace

bool isDesktop(HWND topLevel) {
    wchar_t buffer[64];
    const std::wstring_view kind = className(topLevel, buffer);
    if (kind == L"Progman") {
        wchar_t title[32]{};
        GetWindowTextW(topLevel, title, 32);
        return std::wstring_view(title) == L"Program Manager";
    }
    return kind == L"WorkerW" &&
           FindWindowExW(topLevel, nullptr, L"SHELLDLL_DefView", nullptr) != nullptr;
}

bool isDesktopAt(POINT screen) {
    const HWND under = WindowFromPoint(screen);
    return under != nullptr && isDesktop(GetAncestor(under, GA_ROOT));
}

} // namespace tavrin::dll
