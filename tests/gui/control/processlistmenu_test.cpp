#include <optional>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "gui/control/processlistmenu.h"
#include "pumpmessages.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"

namespace tavrin::gui::test {
namespace {

// Shared stock icons that tell apart where an entry's icon came from.
const HICON classIcon = LoadIconW(nullptr, IDI_WARNING);
const HICON ownIcon = LoadIconW(nullptr, IDI_INFORMATION);
const HICON systemIcon = LoadIconW(nullptr, IDI_APPLICATION);
constexpr DWORD SHOWN = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

// A window of a class with the class icon, or of one without any icon (plain).
HWND open(const wchar_t* title, DWORD exStyle = 0, DWORD style = SHOWN, HWND owner = nullptr,
          bool withOwnIcon = false, bool plain = false) {
    static const bool registered = [] {
        WNDCLASSEXW kind{};
        kind.cbSize = sizeof kind;
        kind.lpfnWndProc = DefWindowProcW;
        kind.lpszClassName = L"TavrinProcessMenuIcon";
        kind.hIcon = kind.hIconSm = classIcon;
        RegisterClassExW(&kind);
        kind.lpszClassName = L"TavrinProcessMenuPlain";
        kind.hIcon = kind.hIconSm = nullptr;
        return RegisterClassExW(&kind) != 0;
    }();
    EXPECT_TRUE(registered);
    const HWND window =
        CreateWindowExW(exStyle, plain ? L"TavrinProcessMenuPlain" : L"TavrinProcessMenuIcon",
                        title, style, 40, 40, 200, 120, owner, nullptr, nullptr, nullptr);
    if (withOwnIcon) {
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ownIcon));
    }
    return window;
}

std::optional<UINT> entryOf(const ProcessListMenu& menu, HWND window) {
    for (const UINT id : menu.ids()) {
        if (const tvgui::OtherWindow* bound = menu.getData(id); bound && bound->hwnd() == window) {
            return id;
        }
    }
    return std::nullopt;
}

// Only visible, titled windows without owner that are no tool windows are listed, with the
// window's own small icon, else its class's, else the system's. A window whose thread does not
// answer (it set its own icon, then stopped) gets its class's icon and keeps no one waiting.
TEST(ProcessListMenu, ListsWindowsThatStandAloneWithTheirIcons) {
    const HWND owner = open(L"tavrin-process-owner");
    HWND unanswering = nullptr;
    const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread stopped([&] {
        unanswering = open(L"tavrin-process-unanswering", 0, SHOWN, nullptr, true);
        SetEvent(ready);
        WaitForSingleObject(release, INFINITE);
        DestroyWindow(unanswering);
    });
    WaitForSingleObject(ready, INFINITE);
    const struct {
        const char* name;
        HWND window;
        HICON icon;
    } rows[]{
        {"own icon", open(L"tavrin-process-own", 0, SHOWN, nullptr, true), ownIcon},
        {"class icon", open(L"tavrin-process-class"), classIcon},
        {"no icon", open(L"tavrin-process-plain", 0, SHOWN, nullptr, false, true), systemIcon},
        {"unanswering", unanswering, classIcon},
        {"tool window", open(L"tavrin-process-tool", WS_EX_TOOLWINDOW), nullptr},
        {"owned", open(L"tavrin-process-owned", 0, SHOWN, owner), nullptr},
        {"untitled", open(L""), nullptr},
        {"invisible", open(L"tavrin-process-hidden", 0, WS_OVERLAPPEDWINDOW), nullptr},
    };
    ProcessListMenu menu(image::ICONSIZE::SMALL);
    menu.fill();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<UINT> entry = entryOf(menu, row.window);
        ASSERT_EQ(entry.has_value(), row.icon != nullptr);
        if (entry) {
            EXPECT_EQ(menu.drawItemOf(*entry).icon.get(), row.icon);
            wchar_t title[64]{};
            InternalGetWindowText(row.window, title, 64);
            EXPECT_EQ(system::toWide(menu.drawItemOf(*entry).text), title);
        }
        if (row.window != unanswering) {
            DestroyWindow(row.window);
        }
    }
    SetEvent(release);
    stopped.join();
    DestroyWindow(owner);
    CloseHandle(ready);
    CloseHandle(release);
}

// A minimised window is restored; any other comes to the top without taking the focus from
// the foreground window; one that has closed since, or an id of no entry, is refused.
TEST(ProcessListMenu, ChosenWindowComesForwardAsItStands) {
    enum class KIND { NORMAL, MINIMISED, CLOSED, UNBOUND };
    const struct {
        KIND kind;
        std::string failure;
    } rows[]{
        {KIND::NORMAL, ""},
        {KIND::MINIMISED, ""},
        {KIND::CLOSED, "既に存在しないウィンドウ"},
        {KIND::UNBOUND, "AppButton_Proc_RButtonDown:ProcessListMenu.get(MENUITEM)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.kind));
        const HWND chosen = open(L"tavrin-process-chosen", 0,
                                 SHOWN | (row.kind == KIND::MINIMISED ? WS_MINIMIZE : 0));
        const HWND front = open(L"tavrin-process-front");
        SetForegroundWindow(front);
        tvgui::test::pumpMessages();
        ProcessListMenu menu(image::ICONSIZE::LARGE);
        menu.fill();
        const std::optional<UINT> entry = entryOf(menu, chosen);
        ASSERT_TRUE(entry.has_value());
        if (row.kind == KIND::CLOSED) {
            DestroyWindow(chosen);
        }
        std::string failure;
        try {
            menu.bringForward(row.kind == KIND::UNBOUND ? static_cast<UINT>(menu.ids().size() + 1)
                                                        : *entry);
        } catch (const system::TavrinException& raised) {
            failure = raised.message();
        }
        tvgui::test::pumpMessages();
        EXPECT_EQ(failure, row.failure);
        if (row.failure.empty()) {
            EXPECT_FALSE(IsIconic(chosen));
        }
        if (row.kind == KIND::NORMAL) {
            EXPECT_EQ(GetForegroundWindow(), front);
            // Now above the window that was in front: front comes later in the z-order.
            HWND below = chosen;
            while (below != nullptr && below != front) {
                below = GetWindow(below, GW_HWNDNEXT);
            }
            EXPECT_EQ(below, front);
        }
        DestroyWindow(chosen);
        DestroyWindow(front);
    }
}

} // namespace
} // namespace tavrin::gui::test
