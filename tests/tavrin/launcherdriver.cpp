#include "launcherdriver.h"

#include <commctrl.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "gui/window/tavrinwindow/windowmessages.h"
#include "system/unicode.h"

namespace tavrin::systemtest {

namespace {

// The top-level windows of the process, of the class when one is given; only the visible ones
// unless hidden ones are asked for.
std::vector<HWND> windowsOf(DWORD processId, std::wstring_view className = {},
                            bool hiddenToo = false) {
    struct Search {
        DWORD processId;
        std::wstring_view className;
        bool hiddenToo;
        std::vector<HWND> found;
    } search{processId, className, hiddenToo, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64]{};
            GetClassNameW(window, name, 64);
            if (owner == search.processId && (search.hiddenToo || IsWindowVisible(window)) &&
                (search.className.empty() || search.className == name)) {
                search.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND childOf(HWND dialog, std::wstring_view className, int id) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32]{};
        GetClassNameW(child, name, 32);
        if (GetDlgCtrlID(child) == id && lstrcmpiW(name, std::wstring(className).c_str()) == 0) {
            return child;
        }
    }
    return nullptr;
}

// The message text of a message box is its control 0xFFFF.
constexpr int MESSAGE_TEXT = 0xFFFF;
constexpr int TEXT_BOX = 12;
constexpr int CLOSE_BUTTON = 4;
// The launcher's message for its tray icon's mouse messages.
constexpr UINT TASKTRAY = 0x8002;
// How long a run waits for the launcher's window to show before it takes a hidden one.
constexpr ULONGLONG hiddenLauncherWait = 10000;
// The command box's edit line.
constexpr int COMMAND_EDIT = 2;

} // namespace

std::wstring winePath(std::string_view built) {
    std::wstring path = system::toWide(built);
    if (path.starts_with(L"/")) {
        std::replace(path.begin(), path.end(), L'/', L'\\');
        path = L"Z:" + path;
    }
    return path;
}

bool waitFor(const std::function<bool()>& done) {
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (!done()) {
        if (GetTickCount64() > deadline) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

HWND toolBarOf(HWND launcher) {
    const HWND bar = GetDlgItem(launcher, 1);
    wchar_t name[32]{};
    GetClassNameW(bar, name, 32);
    return std::wstring_view(name) == TOOLBARCLASSNAMEW ? bar : nullptr;
}

HWND launcherWindow(DWORD processId, bool hiddenToo) {
    for (const HWND window : windowsOf(processId, {}, hiddenToo)) {
        if (toolBarOf(window)) {
            return window;
        }
    }
    return nullptr;
}

std::optional<ShownFailure> exceptionDialog(DWORD processId) {
    for (const HWND window : windowsOf(processId)) {
        if (GetDlgItem(window, TEXT_BOX) && GetDlgItem(window, CLOSE_BUTTON)) {
            // Wine answers GetWindowTextLengthW for another process's control with 0; the
            // messages themselves cross.
            const HWND box = GetDlgItem(window, TEXT_BOX);
            std::wstring text(SendMessageW(box, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
            text.resize(
                SendMessageW(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
            return ShownFailure{window, system::toUtf8(text)};
        }
    }
    return std::nullopt;
}

void closeExceptionDialog(HWND dialog) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(CLOSE_BUTTON, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, CLOSE_BUTTON)));
}

int buttonCount(HWND toolBar) {
    return static_cast<int>(SendMessageW(toolBar, TB_BUTTONCOUNT, 0, 0));
}

std::vector<std::string> buttonTexts(HWND toolBar) {
    DWORD processId = 0;
    GetWindowThreadProcessId(toolBar, &processId);
    const HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    std::vector<std::string> texts;
    if (!process) {
        return texts;
    }
    constexpr SIZE_T capacity = 512;
    void* const buffer = VirtualAllocEx(process, nullptr, capacity * sizeof(wchar_t),
                                        MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const int count = buttonCount(toolBar);
    for (int index = 0; buffer && index < count; ++index) {
        const auto length =
            SendMessageW(toolBar, TB_GETBUTTONTEXTW, index + 1, reinterpret_cast<LPARAM>(buffer));
        wchar_t text[capacity]{};
        SIZE_T read = 0;
        if (length > 0 && length < static_cast<LRESULT>(capacity)) {
            ReadProcessMemory(process, buffer, text, (length + 1) * sizeof(wchar_t), &read);
        }
        texts.push_back(system::toUtf8(text));
    }
    if (buffer) {
        VirtualFreeEx(process, buffer, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return texts;
}

void pressButton(HWND launcher, HWND toolBar, int command) {
    PostMessageW(launcher, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                 reinterpret_cast<LPARAM>(toolBar));
}

HWND openMenu(DWORD processId) {
    const std::vector<HWND> menus = windowsOf(processId, L"#32768");
    return menus.empty() ? nullptr : menus.front();
}

HWND trackedMenu(DWORD processId) {
    const HWND menu = openMenu(processId);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    // Keys typed before the menu loop runs reach whatever window had the focus.
    return menu != nullptr && GetGUIThreadInfo(GetWindowThreadProcessId(menu, nullptr), &thread) &&
                   (thread.flags & GUI_INMENUMODE) != 0
               ? menu
               : nullptr;
}

bool moduleLoaded(DWORD processId, std::wstring_view fileName) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return false;
    }
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    bool found = false;
    for (BOOL more = Module32FirstW(snapshot, &module); more && !found;
         more = Module32NextW(snapshot, &module)) {
        found = CompareStringOrdinal(module.szModule, -1, fileName.data(),
                                     static_cast<int>(fileName.size()), TRUE) == CSTR_EQUAL;
    }
    CloseHandle(snapshot);
    return found;
}

std::set<DWORD> threadsOf(DWORD processId) {
    std::set<DWORD> threads;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return threads;
    }
    THREADENTRY32 thread{};
    thread.dwSize = sizeof thread;
    for (BOOL more = Thread32First(snapshot, &thread); more;
         more = Thread32Next(snapshot, &thread)) {
        if (thread.th32OwnerProcessID == processId) {
            threads.insert(thread.th32ThreadID);
        }
    }
    CloseHandle(snapshot);
    return threads;
}

void typeKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        for (const DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = flags;
            inputs.push_back(input);
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void typeCombination(const std::vector<WORD>& modifiers, WORD key) {
    std::vector<INPUT> inputs;
    const auto add = [&inputs](WORD pressed, DWORD flags) {
        INPUT& input = inputs.emplace_back();
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = pressed;
        input.ki.dwFlags = flags;
    };
    for (const WORD modifier : modifiers) {
        add(modifier, 0);
    }
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier) {
        add(*modifier, KEYEVENTF_KEYUP);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::optional<RECT> buttonRect(HWND toolBar, int command) {
    DWORD processId = 0;
    GetWindowThreadProcessId(toolBar, &processId);
    const HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) {
        return std::nullopt;
    }
    void* const buffer =
        VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    RECT button{};
    SIZE_T read = 0;
    const bool found =
        buffer && SendMessageW(toolBar, TB_GETRECT, command, reinterpret_cast<LPARAM>(buffer)) &&
        ReadProcessMemory(process, buffer, &button, sizeof button, &read);
    if (buffer) {
        VirtualFreeEx(process, buffer, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return found ? std::optional(button) : std::nullopt;
}

namespace {

void mouse(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

} // namespace

POINT middleOf(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void clickAt(POINT screen) {
    mouse(screen, MOUSEEVENTF_MOVE);
    mouse(screen, MOUSEEVENTF_LEFTDOWN);
    mouse(screen, MOUSEEVENTF_LEFTUP);
}

void pressDropDown(HWND toolBar, int command) {
    const std::optional<RECT> button = buttonRect(toolBar, command);
    if (!button) {
        return;
    }
    // Wine sends no WM_NOTIFY across processes: the arrow is clicked, and the tool bar tells
    // its window itself. The arrow is the right end of the button.
    POINT arrow{button->right - 3, (button->top + button->bottom) / 2};
    ClientToScreen(toolBar, &arrow);
    clickAt(arrow);
}

bool dropFiles(HWND target, const std::vector<std::wstring>& paths, POINT point) {
    std::vector<BYTE> block(sizeof(DROPFILES));
    auto* const header = reinterpret_cast<DROPFILES*>(block.data());
    header->pFiles = sizeof(DROPFILES);
    header->pt = point;
    header->fWide = TRUE;
    for (const std::wstring& path : paths) {
        const auto* bytes = reinterpret_cast<const BYTE*>(path.c_str());
        block.insert(block.end(), bytes, bytes + (path.size() + 1) * sizeof(wchar_t));
    }
    block.insert(block.end(), sizeof(wchar_t), 0);
    DWORD processId = 0;
    GetWindowThreadProcessId(target, &processId);
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) {
        return false;
    }
    // Fixed memory serves as a drop handle; the target's DragFinish is left to fail on it.
    void* const remote =
        VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    SIZE_T written = 0;
    const bool posted = remote &&
                        WriteProcessMemory(process, remote, block.data(), block.size(), &written) &&
                        PostMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
    CloseHandle(process);
    return posted;
}

bool dropFilesAt(POINT screen, const std::vector<std::wstring>& paths) {
    HWND target = WindowFromPoint(screen);
    while (target != nullptr && (GetWindowLongPtrW(target, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) == 0) {
        target = GetParent(target);
    }
    return target != nullptr && ScreenToClient(target, &screen) && dropFiles(target, paths, screen);
}

std::optional<RECT> buttonOnScreen(HWND toolBar, int command) {
    std::optional<RECT> button = buttonRect(toolBar, command);
    if (button) {
        MapWindowPoints(toolBar, nullptr, reinterpret_cast<POINT*>(&*button), 2);
    }
    return button;
}

void clickButton(HWND toolBar, int command) {
    if (const std::optional<RECT> button = buttonOnScreen(toolBar, command)) {
        clickAt({button->left + (button->right - button->left) / 4,
                 (button->top + button->bottom) / 2});
    }
}

void dragRight(POINT from, int way, int step) {
    mouse(from, MOUSEEVENTF_MOVE);
    mouse(from, MOUSEEVENTF_LEFTDOWN);
    POINT at = from;
    for (int went = step; went <= way; went += step) {
        at.x = from.x + went;
        mouse(at, MOUSEEVENTF_MOVE);
        // Each move reaches the sizing loop on its own, not merged with the next.
        Sleep(5);
    }
    mouse(at, MOUSEEVENTF_LEFTUP);
}

HWND toolkitWindow(DWORD processId, std::string_view title) {
    for (const HWND window : windowsOf(processId, L"TvGuiWindow")) {
        wchar_t text[256]{};
        SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
        if (system::toUtf8(text) == title) {
            return window;
        }
    }
    return nullptr;
}

HWND toolkitWindowHolding(DWORD processId, std::wstring_view className, int id) {
    for (const HWND window : windowsOf(processId, L"TvGuiWindow")) {
        if (childOf(window, className, id) != nullptr) {
            return window;
        }
    }
    return nullptr;
}

std::string childText(HWND dialog, std::wstring_view className, int id) {
    wchar_t text[512]{};
    SendMessageW(childOf(dialog, className, id), WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return system::toUtf8(text);
}

std::vector<std::string> listTexts(HWND dialog, int id) {
    const HWND list = childOf(dialog, L"ListBox", id);
    const auto count = list != nullptr ? SendMessageW(list, LB_GETCOUNT, 0, 0) : 0;
    std::vector<std::string> texts;
    for (LRESULT index = 0; index < count; ++index) {
        // The system carries the text across the process boundary, as for WM_GETTEXT.
        std::wstring text(static_cast<std::size_t>(
                              std::max<LRESULT>(0, SendMessageW(list, LB_GETTEXTLEN, index, 0))),
                          L'\0');
        SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        texts.push_back(system::toUtf8(text));
    }
    return texts;
}

void setChildText(HWND dialog, std::wstring_view className, int id, std::string_view text) {
    SendMessageW(childOf(dialog, className, id), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(system::toWide(text).c_str()));
}

bool openWindowMenu(DWORD processId, HWND launcher) {
    PostMessageW(launcher, TASKTRAY, 0, WM_RBUTTONUP);
    return waitFor([processId] { return trackedMenu(processId) != nullptr; });
}

HWND openSettings(DWORD processId, HWND launcher) {
    if (!openWindowMenu(processId, launcher)) {
        return nullptr;
    }
    // "設定" stands fourth from the last entry.
    typeKeys({VK_UP, VK_UP, VK_UP, VK_UP, VK_RETURN});
    HWND settings = nullptr;
    waitFor([&] { return (settings = toolkitWindow(processId, "設定")) != nullptr; });
    return settings;
}

void pressSettingsButton(HWND settings, int command) {
    // The frame's tool bar is its child 100.
    PostMessageW(settings, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(settings, 100)));
}

bool chooseWindowEntry(DWORD processId, HWND launcher, WindowEntry entry) {
    if (!openWindowMenu(processId, launcher)) {
        return false;
    }
    // The first entry opens the sub-menu; Up from there goes round to its last entry.
    std::vector<WORD> keys{VK_DOWN, VK_RIGHT};
    keys.insert(keys.end(), static_cast<std::size_t>(entry), VK_UP);
    keys.push_back(VK_RETURN);
    typeKeys(keys);
    return waitFor([processId] { return openMenu(processId) == nullptr; });
}

bool typeInMenus(DWORD processId, const std::vector<std::vector<WORD>>& keysPerMenu) {
    HWND last = nullptr;
    for (const std::vector<WORD>& keys : keysPerMenu) {
        HWND menu = nullptr;
        // Each tracking makes its menu window anew.
        if (!waitFor([&] {
                menu = openMenu(processId);
                return menu != nullptr && menu != last;
            })) {
            return false;
        }
        typeKeys(keys);
        last = menu;
    }
    return true;
}

int answerShown(DWORD processId, std::set<HWND>& answered, std::vector<std::string>& shown) {
    for (const HWND box : windowsOf(processId, L"#32770")) {
        if (!answered.insert(box).second) {
            continue;
        }
        wchar_t text[4096]{};
        GetDlgItemTextW(box, MESSAGE_TEXT, text, 4096);
        shown.push_back(system::toUtf8(text));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    if (const std::optional<ShownFailure> failure = exceptionDialog(processId)) {
        if (answered.insert(failure->dialog).second) {
            shown.push_back(failure->text);
            closeExceptionDialog(failure->dialog);
            return 1;
        }
    }
    return 0;
}

LauncherRun runLauncher(const std::filesystem::path& program, std::wstring_view arguments,
                        const std::filesystem::path& folder, std::vector<std::string>& shown,
                        const std::function<void(DWORD processId, HWND launcher)>& drive,
                        DWORD timeout) {
    std::wstring commandLine = L"\"" + program.wstring() + L"\" " + std::wstring(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LauncherRun run;
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        return run;
    }
    run.started = true;
    CloseHandle(process.hThread);
    std::set<HWND> answered;
    bool driven = false;
    const ULONGLONG begun = GetTickCount64();
    while (WaitForSingleObject(process.hProcess, 100) == WAIT_TIMEOUT &&
           GetTickCount64() < begun + timeout) {
        run.exceptionDialogs += answerShown(process.dwProcessId, answered, shown);
        // A launcher whose settings say hidden shows no window; it is closed all the same.
        const bool hiddenToo = GetTickCount64() > begun + hiddenLauncherWait;
        const HWND launcher = driven ? nullptr : launcherWindow(process.dwProcessId, hiddenToo);
        if (launcher) {
            driven = true;
            if (drive) {
                drive(process.dwProcessId, launcher);
            }
            PostMessageW(launcher, WM_CLOSE, 0, 0);
        }
    }
    run.ended = WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
    if (run.ended) {
        GetExitCodeProcess(process.hProcess, &run.exitCode);
    } else {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
    }
    CloseHandle(process.hProcess);
    return run;
}

bool waitForDiskLooks(HWND launcher, int count) {
    const auto looks = [launcher] {
        return reinterpret_cast<std::uintptr_t>(GetPropW(launcher, gui::DISK_LOOKS));
    };
    const std::uintptr_t target = looks() + static_cast<std::uintptr_t>(count);
    return waitFor([&] { return looks() >= target; });
}

HWND openSettingsInFront(DWORD processId, HWND launcher) {
    const HWND settings = openSettings(processId, launcher);
    return settings != nullptr && waitFor([settings] { return GetForegroundWindow() == settings; })
               ? settings
               : nullptr;
}

namespace {

// The pointer is brought over the window first, as a user's hand comes before the press: a
// press that arrives with the move into a window just opened can go to the one it left.
void pointAndClick(HWND window, POINT screen) {
    SetCursorPos(screen.x, screen.y);
    waitFor([window, screen] {
        POINT at{};
        return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y &&
               WindowFromPoint(screen) == window;
    });
    clickAt(screen);
}

} // namespace

void clickOn(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    pointAndClick(window, middleOf(place));
}

void clickSettingsButton(HWND settings, int command) {
    const HWND bar = GetDlgItem(settings, 100);
    if (const std::optional<RECT> button = buttonOnScreen(bar, command)) {
        pointAndClick(bar, middleOf(*button));
    }
}

HWND visibleDescendant(HWND window, std::wstring_view className) {
    struct Search {
        std::wstring_view className;
        HWND found = nullptr;
    } search{className};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            wchar_t name[64]{};
            GetClassNameW(child, name, 64);
            if (IsWindowVisible(child) && search.className == name) {
                search.found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HTREEITEM firstTreeEntry(HWND tree) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
}

std::string treeLabel(HWND tree, HTREEITEM entry) {
    constexpr std::size_t capacity = 256;
    DWORD processId = 0;
    GetWindowThreadProcessId(tree, &processId);
    // The text goes right behind the record in the same buffer, whose address only the
    // launcher's process knows: the record is written once to learn it.
    const HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) {
        return {};
    }
    const SIZE_T size = sizeof(TVITEMW) + capacity * sizeof(wchar_t);
    auto* const buffer = static_cast<BYTE*>(
        VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = entry;
    item.pszText = reinterpret_cast<wchar_t*>(buffer + sizeof(TVITEMW));
    item.cchTextMax = static_cast<int>(capacity);
    wchar_t text[capacity]{};
    SIZE_T moved = 0;
    if (buffer && WriteProcessMemory(process, buffer, &item, sizeof item, &moved) &&
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(buffer))) {
        ReadProcessMemory(process, buffer + sizeof(TVITEMW), text, sizeof text - sizeof(wchar_t),
                          &moved);
    }
    if (buffer) {
        VirtualFreeEx(process, buffer, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return system::toUtf8(text);
}

void focusTree(HWND tree) {
    RECT place{};
    GetWindowRect(tree, &place);
    pointAndClick(tree, {place.left + 10, place.bottom - 10});
}

HWND commandBox(DWORD processId) {
    return toolkitWindowHolding(processId, L"Edit", COMMAND_EDIT);
}

HWND showCommandBox(DWORD processId) {
    typeCombination({VK_MENU}, 'N');
    HWND box = nullptr;
    waitFor([&] { return (box = commandBox(processId)) != nullptr; });
    if (box != nullptr) {
        SetForegroundWindow(box);
        waitFor([box] { return GetForegroundWindow() == box; });
    }
    return box;
}

} // namespace tavrin::systemtest
