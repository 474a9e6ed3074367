#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "gui/control/processlistmenu.h"
#include "pumpmessages.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"

namespace tavrin::gui::test {
namespace {

using tvgui::test::pumpMessages;

constexpr wchar_t WITH_ICON[] = L"TavrinProcessMenuWithIcon";
constexpr wchar_t PLAIN[] = L"TavrinProcessMenuPlain";

// Three shared stock icons that tell apart where an entry's icon came from.
HICON classIcon() {
    return LoadIconW(nullptr, IDI_WARNING);
}
HICON ownIcon() {
    return LoadIconW(nullptr, IDI_INFORMATION);
}
HICON systemIcon() {
    return LoadIconW(nullptr, IDI_APPLICATION);
}

void registerClasses() {
    static const bool registered = [] {
        WNDCLASSEXW kind{};
        kind.cbSize = sizeof kind;
        kind.lpfnWndProc = DefWindowProcW;
        kind.hInstance = GetModuleHandleW(nullptr);
        kind.lpszClassName = WITH_ICON;
        kind.hIcon = classIcon();
        kind.hIconSm = classIcon();
        RegisterClassExW(&kind);
        kind.lpszClassName = PLAIN;
        kind.hIcon = nullptr;
        kind.hIconSm = nullptr;
        RegisterClassExW(&kind);
        return true;
    }();
    (void)registered;
}

struct Shape {
    const wchar_t* className = WITH_ICON;
    const wchar_t* title = L"";
    DWORD exStyle = 0;
    DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    HWND owner = nullptr;
    bool ownIcon = false;
};

HWND open(const Shape& shape) {
    registerClasses();
    const HWND window =
        CreateWindowExW(shape.exStyle, shape.className, shape.title, shape.style, 40, 40, 200, 120,
                        shape.owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(window, nullptr);
    if (shape.ownIcon) {
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ownIcon()));
    }
    return window;
}

// The window's entry in the menu, if it has one.
std::optional<UINT> entryOf(const ProcessListMenu& menu, HWND window) {
    for (const UINT id : menu.ids()) {
        if (const tvgui::OtherWindow* bound = menu.getData(id); bound && bound->hwnd() == window) {
            return id;
        }
    }
    return std::nullopt;
}

// A window whose thread stops answering once it has its own icon, until released.
class UnansweringWindow {
public:
    UnansweringWindow() {
        thread_ = std::thread([this] {
            window_ = open({WITH_ICON, L"tavrin-process-unanswering", 0,
                            WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, true});
            SetEvent(ready_);
            WaitForSingleObject(release_, INFINITE);
            DestroyWindow(window_);
        });
        WaitForSingleObject(ready_, INFINITE);
    }
    ~UnansweringWindow() {
        SetEvent(release_);
        thread_.join();
        CloseHandle(ready_);
        CloseHandle(release_);
    }
    HWND get() const { return window_; }

private:
    HANDLE ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HWND window_ = nullptr;
    std::thread thread_;
};

// Only visible, titled windows without owner that are no tool windows are listed, with the
// window's own small icon, else its class's, else the system's; a window that does not answer
// gets its class's icon and keeps no one waiting.
TEST(ProcessListMenu, ListsWindowsThatStandAloneWithTheirIcons) {
    const HWND owner = open({WITH_ICON, L"tavrin-process-owner"});
    const UnansweringWindow unanswering;
    const struct {
        const char* name;
        HWND window;
        bool listed;
        HICON icon = nullptr;
    } rows[]{
        {"own icon",
         open({WITH_ICON, L"tavrin-process-own", 0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr,
               true}),
         true, ownIcon()},
        {"class icon", open({WITH_ICON, L"tavrin-process-class"}), true, classIcon()},
        {"no icon", open({PLAIN, L"tavrin-process-plain"}), true, systemIcon()},
        {"unanswering", unanswering.get(), true, classIcon()},
        {"tool window", open({WITH_ICON, L"tavrin-process-tool", WS_EX_TOOLWINDOW}), false},
        {"owned",
         open({WITH_ICON, L"tavrin-process-owned", 0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, owner}),
         false},
        {"untitled", open({WITH_ICON, L""}), false},
        {"invisible", open({WITH_ICON, L"tavrin-process-hidden", 0, WS_OVERLAPPEDWINDOW}), false},
    };
    ProcessListMenu menu(image::ICONSIZE::SMALL);
    menu.fill();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<UINT> entry = entryOf(menu, row.window);
        ASSERT_EQ(entry.has_value(), row.listed);
        if (entry) {
            EXPECT_EQ(menu.drawItemOf(*entry).icon.get(), row.icon);
            wchar_t title[64]{};
            InternalGetWindowText(row.window, title, 64);
            EXPECT_EQ(system::toWide(menu.drawItemOf(*entry).text), title);
        }
    }
    EXPECT_TRUE(entryOf(menu, owner).has_value());
    for (const auto& row : rows) {
        if (row.window != unanswering.get()) {
            DestroyWindow(row.window);
        }
    }
    DestroyWindow(owner);
}

// A minimised window is restored; any other comes to the top without taking the focus from
// the foreground window; one that has closed since, or an id of no entry, is refused.
TEST(ProcessListMenu, ChosenWindowComesForwardAsItStands) {
    enum class KIND { NORMAL, MINIMISED, CLOSED, UNBOUND };
    const struct {
        KIND kind;
        const char* failure;
    } rows[]{
        {KIND::NORMAL, nullptr},
        {KIND::MINIMISED, nullptr},
        {KIND::CLOSED, "既に存在しないウィンドウ"},
        {KIND::UNBOUND, "AppButton_Proc_RButtonDown:ProcessListMenu.get(MENUITEM)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.kind));
        const DWORD minimised = row.kind == KIND::MINIMISED ? WS_MINIMIZE : 0;
        const HWND chosen = open(
            {WITH_ICON, L"tavrin-process-chosen", 0, WS_OVERLAPPEDWINDOW | WS_VISIBLE | minimised});
        const HWND front = open({WITH_ICON, L"tavrin-process-front"});
        SetForegroundWindow(front);
        pumpMessages();
        ProcessListMenu menu(image::ICONSIZE::LARGE);
        menu.fill();
        const std::optional<UINT> entry = entryOf(menu, chosen);
        ASSERT_TRUE(entry.has_value());
        if (row.kind == KIND::CLOSED) {
            DestroyWindow(chosen);
        }
        const UINT id =
            row.kind == KIND::UNBOUND ? static_cast<UINT>(menu.ids().size() + 1) : *entry;
        std::optional<std::string> failure;
        try {
            menu.bringForward(id);
        } catch (const system::TavrinException& raised) {
            failure = raised.message();
        }
        pumpMessages();
        EXPECT_EQ(failure.value_or(""), row.failure ? row.failure : "");
        if (!row.failure) {
            EXPECT_FALSE(IsIconic(chosen));
        }
        if (row.kind == KIND::NORMAL) {
            EXPECT_EQ(GetForegroundWindow(), front);
            // Above the window that was in front, which came later in the z-order.
            HWND above = chosen;
            while (above != nullptr && above != front) {
                above = GetWindow(above, GW_HWNDNEXT);
            }
            EXPECT_EQ(above, front);
        }
        DestroyWindow(chosen);
        DestroyWindow(front);
    }
}

} // namespace
} // namespace tavrin::gui::test
