// What the toolkit adds to the cost of a window: creating and destroying one, and a message
// sent to it, against a window of a plain class whose procedure is DefWindowProcW. Run under
// Wine by `make bench`; prints the median of several rounds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "system/win32.h"
#include "tvgui/window/tvwindow.h"

namespace {

using tavrin::tvgui::TvWindow;

class BenchWindow final : public TvWindow {
public:
    BenchWindow() : TvWindow(WS_EX_TOOLWINDOW, WS_CAPTION, nullptr) {
        creationInfo().width = 200;
        creationInfo().height = 100;
        createWindow();
    }
    bool OnOtherEvent(UINT message, WPARAM, LPARAM, LRESULT&) override {
        return message == WM_USER;
    }
};

HWND plainWindow() {
    static const ATOM plainClass = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"PlainBenchWindow";
        return RegisterClassExW(&windowClass);
    }();
    return CreateWindowExW(WS_EX_TOOLWINDOW, MAKEINTATOM(plainClass), L"", WS_POPUP | WS_CAPTION, 0,
                           0, 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Median time of one operation, in microseconds, over rounds of count operations.
double medianMicroseconds(int count, const std::function<void()>& operation) {
    std::vector<double> rounds;
    for (int round = 0; round < 7; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < count; ++i) {
            operation();
        }
        const std::chrono::duration<double, std::micro> spent =
            std::chrono::steady_clock::now() - start;
        rounds.push_back(spent.count() / count);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

void report(const char* what, double toolkit, double plain) {
    std::printf("%-34s toolkit %8.2f us   plain %8.2f us   ratio %5.2f\n", what, toolkit, plain,
                toolkit / plain);
}

} // namespace

int main() {
    // Plain windows first: the first windows of a process pay for setting up the display.
    const double plainCreation = medianMicroseconds(500, [] { DestroyWindow(plainWindow()); });
    report("create and destroy a window", medianMicroseconds(500, [] { BenchWindow window; }),
           plainCreation);

    BenchWindow toolkit;
    HWND plain = plainWindow();
    report("send a message",
           medianMicroseconds(100000, [&] { SendMessageW(toolkit.hwnd(), WM_USER, 0, 0); }),
           medianMicroseconds(100000, [&] { SendMessageW(plain, WM_USER, 0, 0); }));
    report("send a mouse move",
           medianMicroseconds(
               100000, [&] { SendMessageW(toolkit.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }),
           medianMicroseconds(100000,
                              [&] { SendMessageW(plain, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }));
    DestroyWindow(plain);
    return 0;
}
