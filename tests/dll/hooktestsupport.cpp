#include "hooktestsupport.h"

#include <algorithm>
#include <iterator>

#include "launchprobe_fixture.h"

namespace tavrin::dll::test {

namespace {

LRESULT CALLBACK recording(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto* received =
            reinterpret_cast<std::vector<MSG>*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
        received->push_back({window, message, wParam, lParam, 0, {}});
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    // A second stand-in of the same class finds it registered.
    RegisterClassExW(&windowClass);
}

} // namespace

std::filesystem::path hookerLibrary() {
    return file::fixture::fromUnix(TAVRIN_HOOKER_DLL);
}

StandIn::StandIn(const wchar_t* className, const wchar_t* title, RECT where,
                 const wchar_t* childClass) {
    registerClass(className, recording);
    window_ =
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, className, title, WS_POPUP | WS_VISIBLE,
                        where.left, where.top, where.right - where.left, where.bottom - where.top,
                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&received_));
    if (childClass != nullptr) {
        registerClass(childClass, DefWindowProcW);
        CreateWindowExW(0, childClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, where.right - where.left,
                        where.bottom - where.top, window_, nullptr, GetModuleHandleW(nullptr),
                        nullptr);
    }
    pumpUntil([] { return true; });
}

StandIn::~StandIn() {
    DestroyWindow(window_);
}

std::vector<MSG> StandIn::received(UINT message) const {
    std::vector<MSG> found;
    std::copy_if(received_.begin(), received_.end(), std::back_inserter(found),
                 [message](const MSG& one) { return one.message == message; });
    return found;
}

POINT StandIn::centre() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void middleClick(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_MIDDLEDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_MIDDLEUP;
    SendInput(2, inputs, sizeof(INPUT));
}

bool pumpUntil(const std::function<bool()>& done) {
    const ULONGLONG deadline = GetTickCount64() + 5000;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done() || GetTickCount64() > deadline) {
            return done();
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

} // namespace tavrin::dll::test
