// The yardstick of the start-up benchmark: a program that registers a class and shows one
// window, and nothing else. It ends when its window is closed.
//
// Built with BARE_WINDOW_WITH_LIBRARIES (and the launcher's manifest), it first loads the
// system libraries the launcher imports as the launcher does: what is left between the
// launcher and this one is the launcher's own.

#include <windows.h>

#ifdef BARE_WINDOW_WITH_LIBRARIES
// After windows.h, on which they build.
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#endif

namespace {

#ifdef BARE_WINDOW_WITH_LIBRARIES
void loadLauncherLibraries() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    int count = 0;
    LocalFree(CommandLineToArgvW(GetCommandLineW(), &count));
    CoInitialize(nullptr);
}
#else
void loadLauncherLibraries() {}
#endif

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    loadLauncherLibraries();
    WNDCLASSW kind{};
    kind.lpfnWndProc = procedure;
    kind.hInstance = instance;
    kind.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    kind.lpszClassName = L"BareWindow";
    RegisterClassW(&kind);
    HWND window = CreateWindowExW(0, kind.lpszClassName, L"bare", WS_OVERLAPPEDWINDOW, 40, 40,
                                  320, 200, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
