// Brings a running launcher into one state for tools/launcher-screenshots and exits once the
// state is on screen, leaving it there for the picture:
//   shot_driver ready           the launcher's window is up with its buttons
//   shot_driver empty           the launcher's window is up without a button
//   shot_driver docked          the same, with Wine's own tray window off the screen's left edge
//   shot_driver windowmenu      the tray icon's window menu, its "ウィンドウ" entry opened
//   shot_driver itemmenu N      the item menu of button N (from 0), by a click on its arrow
//   shot_driver execdialog N    the execute dialog of button N's item, from its item menu
//   shot_driver commandbox [T]  the command box, called up by the hot key below the launcher,
//                               the letters T typed into it and the rows they find shown
//   shot_driver press N         button N pressed, up to the exception dialog it leads to
//   shot_driver version         the version dialog, chosen from the window menu
//   shot_driver settings N      the settings dialog from the window menu, on page N (1 the
//                               settings, 2 the items, 3 the groups)
//   shot_driver menulauncher    the menu launcher from a tray left click, its first item
//                               highlighted
//   shot_driver processmenu     the process menu from a tray middle click, once the menu
//                               launcher has started the first item (a program with a window)
// Exit code 0 when the state was reached, 1 when not, 2 on a wrong command line.
#include "launcherdriver.h"
#include "system/win32.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <optional>
#include <string>
#include <vector>

namespace tavrin::systemtest {
namespace {

constexpr UINT TASKTRAY = 0x8002;
constexpr wchar_t VERSION_CAPTION[] = L"バージョン情報";

DWORD launcherProcess() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return 0;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD found = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
         more = Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, L"tavrin.exe") == 0) {
            found = entry.th32ProcessID;
        }
    }
    CloseHandle(snapshot);
    return found;
}

struct Launcher {
    DWORD processId;
    HWND window;
    HWND toolBar;
};

std::optional<Launcher> readyLauncher(bool withButtons) {
    Launcher launcher{};
    const bool up = waitFor([&launcher, withButtons] {
        launcher.processId = launcherProcess();
        launcher.window = launcher.processId ? launcherWindow(launcher.processId) : nullptr;
        launcher.toolBar = launcher.window ? toolBarOf(launcher.window) : nullptr;
        return launcher.toolBar && (buttonCount(launcher.toolBar) > 0) == withButtons;
    });
    if (!up) {
        std::fputs("shot_driver: no launcher window came up as asked\n", stderr);
        return std::nullopt;
    }
    // Buttons are painted after they are added.
    Sleep(500);
    return launcher;
}

// Screen rectangle of button index, read through a buffer in the launcher's process.
std::optional<RECT> buttonRect(const Launcher& launcher, int index) {
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                                       FALSE, launcher.processId);
    if (!process) {
        return std::nullopt;
    }
    std::optional<RECT> found;
    void* const buffer =
        VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    RECT rect{};
    SIZE_T read = 0;
    if (buffer &&
        SendMessageW(launcher.toolBar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(buffer)) &&
        ReadProcessMemory(process, buffer, &rect, sizeof rect, &read) && read == sizeof rect) {
        MapWindowPoints(launcher.toolBar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        found = rect;
    }
    if (buffer) {
        VirtualFreeEx(process, buffer, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return found;
}

void click(POINT at) {
    SetCursorPos(at.x, at.y);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

// A tray click whose menu opens just below the launcher rather than mid-screen.
bool openTrayMenu(const Launcher& launcher, UINT mouseMessage) {
    RECT frame{};
    GetWindowRect(launcher.window, &frame);
    SetCursorPos(frame.left + 24, frame.bottom + 8);
    PostMessageW(launcher.window, TASKTRAY, 0, mouseMessage);
    return waitFor([&launcher] { return openMenu(launcher.processId) != nullptr; });
}

// The visible top-level windows, counted to see a started program's window come.
int visibleWindows() {
    int count = 0;
    EnumWindows(
        [](HWND window, LPARAM counted) -> BOOL {
            *reinterpret_cast<int*>(counted) += IsWindowVisible(window) ? 1 : 0;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

bool settled(bool reached) {
    // Time for the last paint.
    Sleep(700);
    return reached;
}

bool drive(const std::wstring& command, int index, const std::wstring& typed) {
    const std::optional<Launcher> launcher = readyLauncher(command != L"empty");
    if (!launcher) {
        return false;
    }
    if (command == L"ready" || command == L"empty") {
        return settled(true);
    }
    if (command == L"docked") {
        // Without a tray on the screen Wine shows the tray icons in a window of its own at the
        // top left, which the pictures paint over: it would hide the top of a bar docked there.
        if (const HWND tray = FindWindowW(nullptr, L"Wine System Tray")) {
            RECT rect{};
            GetWindowRect(tray, &rect);
            SetWindowPos(tray, nullptr, GetSystemMetrics(SM_CXSCREEN) / 2, rect.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return settled(true);
    }
    // The menu launcher's entries: the menu groups (two in the pictures' data), then the items.
    const std::vector<WORD> firstItem{VK_DOWN, VK_DOWN, VK_DOWN};
    if (command == L"menulauncher") {
        if (!openTrayMenu(*launcher, WM_LBUTTONDOWN)) {
            return false;
        }
        typeKeys(firstItem);
        return settled(true);
    }
    if (command == L"processmenu") {
        const int before = visibleWindows();
        if (!openTrayMenu(*launcher, WM_LBUTTONDOWN)) {
            return false;
        }
        std::vector<WORD> start = firstItem;
        start.push_back(VK_RETURN);
        typeKeys(start);
        if (!waitFor([before] { return visibleWindows() > before; })) {
            return false;
        }
        Sleep(500);
        return settled(openTrayMenu(*launcher, WM_MBUTTONDOWN));
    }
    if (command == L"windowmenu") {
        if (!openTrayMenu(*launcher, WM_RBUTTONUP)) {
            return false;
        }
        typeKeys({VK_DOWN, VK_RIGHT});
        return settled(true);
    }
    if (command == L"commandbox") {
        RECT frame{};
        GetWindowRect(launcher->window, &frame);
        SetCursorPos(frame.left + 24, frame.bottom + 8);
        typeCombination({VK_MENU}, 'N');
        HWND box = nullptr;
        if (!waitFor([&] {
                return (box = toolkitWindowHolding(launcher->processId, L"Edit", 2)) != nullptr;
            })) {
            return false;
        }
        SetForegroundWindow(box);
        waitFor([box] { return GetForegroundWindow() == box; });
        std::vector<WORD> keys;
        for (const wchar_t letter : typed) {
            keys.push_back(static_cast<WORD>(std::towupper(letter)));
        }
        typeKeys(keys);
        return settled(typed.empty() || waitFor([box] { return !listTexts(box, 3).empty(); }));
    }
    if (command == L"settings") {
        const HWND settings = openSettings(launcher->processId, launcher->window);
        if (settings == nullptr) {
            return false;
        }
        pressSettingsButton(settings, index);
        return settled(true);
    }
    if (command == L"version") {
        if (!openTrayMenu(*launcher, WM_RBUTTONUP)) {
            return false;
        }
        // From the last entry, "終了", one up.
        typeKeys({VK_UP, VK_UP, VK_RETURN});
        return settled(waitFor([] { return FindWindowW(nullptr, VERSION_CAPTION) != nullptr; }));
    }
    if (index < 0 || index >= buttonCount(launcher->toolBar)) {
        std::fprintf(stderr, "shot_driver: no button %d\n", index);
        return false;
    }
    if (command == L"press") {
        pressButton(launcher->window, launcher->toolBar, index + 1);
        return settled(
            waitFor([&launcher] { return exceptionDialog(launcher->processId).has_value(); }));
    }
    const std::optional<RECT> rect = buttonRect(*launcher, index);
    if (!rect) {
        return false;
    }
    // The arrow is the button's right end.
    click({rect->right - 4, (rect->top + rect->bottom) / 2});
    SetCursorPos(rect->right + 200, rect->bottom + 200);
    const bool opened = waitFor([&launcher] { return openMenu(launcher->processId) != nullptr; });
    if (command == L"itemmenu" || !opened) {
        return settled(opened);
    }
    // "指定して実行", the second entry.
    typeKeys({VK_DOWN, VK_DOWN, VK_RETURN});
    return settled(waitFor([&launcher] {
        return toolkitWindowHolding(launcher->processId, L"ComboBox", 3) != nullptr;
    }));
}

} // namespace
} // namespace tavrin::systemtest

int wmain(int argc, wchar_t** argv) {
    // Screen coordinates as the launcher, which is aware of the DPI, sees them.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const bool indexed =
        argc == 3 &&
        (std::wstring(argv[1]) == L"press" || std::wstring(argv[1]) == L"itemmenu" ||
         std::wstring(argv[1]) == L"execdialog" || std::wstring(argv[1]) == L"settings");
    const bool typing = argc == 3 && std::wstring(argv[1]) == L"commandbox";
    const bool plain =
        argc == 2 &&
        (std::wstring(argv[1]) == L"ready" || std::wstring(argv[1]) == L"empty" ||
         std::wstring(argv[1]) == L"docked" || std::wstring(argv[1]) == L"windowmenu" ||
         std::wstring(argv[1]) == L"version" || std::wstring(argv[1]) == L"menulauncher" ||
         std::wstring(argv[1]) == L"processmenu" || std::wstring(argv[1]) == L"commandbox");
    if (!indexed && !plain && !typing) {
        std::fputs("usage: shot_driver "
                   "ready|empty|docked|windowmenu|version|menulauncher|processmenu|commandbox [T]|"
                   "press N|itemmenu N|execdialog N|settings N\n",
                   stderr);
        return 2;
    }
    const int index = indexed ? static_cast<int>(std::wcstol(argv[2], nullptr, 10)) : 0;
    return tavrin::systemtest::drive(argv[1], index, typing ? argv[2] : L"") ? 0 : 1;
}
