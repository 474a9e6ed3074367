#pragma once

#include <optional>

#include "system/win32.h"
#include "tvgui/menu/ownerdrawmenu.h"

namespace tavrin::tvgui::test {

// A visible top-level window that hands WM_MEASUREITEM and WM_DRAWITEM to an owner-drawn
// menu, counting the items each handled, and closes any menu it tracks from a timer, after
// noting where the menu's window was.
class OwnerWindow {
public:
    explicit OwnerWindow(RECT frame);
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    ~OwnerWindow();

    HWND get() const noexcept { return window; }
    void serve(const OwnerDrawMenu* menu) noexcept { served = menu; }
    // Arms the timer that ends the next menu loop.
    void closeMenuSoon();

    int measured = 0;
    int drawn = 0;
    bool failed = false;
    std::optional<RECT> menuFrame;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void CALLBACK closeMenu(HWND window, UINT, UINT_PTR timer, DWORD);

    HWND window = nullptr;
    const OwnerDrawMenu* served = nullptr;
};

} // namespace tavrin::tvgui::test
