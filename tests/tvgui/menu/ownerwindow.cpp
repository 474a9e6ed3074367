#include "ownerwindow.h"

namespace tavrin::tvgui::test {

namespace {

constexpr wchar_t CLASS_NAME[] = L"TavrinMenuOwner";
constexpr UINT_PTR CLOSE_TIMER = 1;

OwnerWindow* ownerOf(HWND window) {
    return reinterpret_cast<OwnerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

} // namespace

OwnerWindow::OwnerWindow(RECT frame) {
    WNDCLASSW kind{};
    kind.lpfnWndProc = procedure;
    kind.hInstance = GetModuleHandleW(nullptr);
    kind.lpszClassName = CLASS_NAME;
    RegisterClassW(&kind);
    window = CreateWindowExW(0, CLASS_NAME, L"menu owner", WS_POPUP | WS_VISIBLE, frame.left,
                             frame.top, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                             nullptr, kind.hInstance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetForegroundWindow(window);
}

OwnerWindow::~OwnerWindow() {
    DestroyWindow(window);
}

void OwnerWindow::closeMenuSoon() {
    SetTimer(window, CLOSE_TIMER, 100, closeMenu);
}

void CALLBACK OwnerWindow::closeMenu(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    if (HWND menu = FindWindowW(L"#32768", nullptr); menu != nullptr && IsWindowVisible(menu)) {
        RECT frame{};
        GetWindowRect(menu, &frame);
        ownerOf(window)->menuFrame = frame;
    }
    EndMenu();
}

LRESULT CALLBACK OwnerWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    OwnerWindow* owner = ownerOf(window);
    if (owner != nullptr && owner->served != nullptr) {
        // Nothing thrown may cross the system's call: a failure is noted for the test.
        try {
            if (message == WM_MEASUREITEM &&
                owner->served->measure(window, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
                ++owner->measured;
                return TRUE;
            }
            if (message == WM_DRAWITEM &&
                owner->served->draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
                ++owner->drawn;
                return TRUE;
            }
        } catch (...) {
            owner->failed = true;
            return FALSE;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace tavrin::tvgui::test
