#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "app/application.h"
#include "app/staticconfig.h"
#include "dll/hooknotification.h"
#include "gui/control/tasktray.h"
#include "gui/window/tavrinwindow/placement.h"
#include "gui/window/tavrinwindow/tavrinwindow.h"
#include "gui/window/tavrinwindow/windowmessages.h"
#include "hooktestsupport.h"
#include "launchprobe_fixture.h"
#include "playedshell.h"
#include "system/staticdata.h"

namespace tavrin::gui {
namespace {

using file::fixture::utf8;
using file::fixture::writeBytes;
using POSITION = file::App::POSITION;

using test::PlayedShell;

// The launcher window in this process over a data folder of its own: one group of two items,
// docked thicknesses of their own per edge and a floating rectangle.
class TavrinWindowTest : public testing::Test {
protected:
    TavrinWindowTest() {
        system::StaticData::Values values =
            app::readStaticConfiguration(drevak::DvkDocument(), utf8(scratch.root()));
        values.DataFolder = utf8(data);
        values.HookerFile = utf8(dll::test::hookerLibrary());
        system::StaticData::initialize(values);
        std::filesystem::create_directories(data);
        writeBytes(data / L"groups.dvk", "Group$G\r\nGroup/G$S\r\nGroup/G/S$a\tb\r\n");
        writeBytes(data / L"items.dvk", "Item/a\\A\r\nItem/b\\B\r\n");
        writeBytes(data / L"app.dvk", "Window:4\r\nWindow/Left:40\r\nWindow/Top:50\r\n"
                                      "Window/Right:60\r\nWindow/Bottom:70\r\n"
                                      "Window/Float/Pos=30\t40\r\nWindow/Float/Size=200\t120\r\n");
    }

    std::unique_ptr<TavrinWindow> start() {
        auto window = std::make_unique<TavrinWindow>(std::make_unique<app::Application>(),
                                                     [this] { ++sessionEnds; });
        window->initialize();
        return window;
    }

    file::fixture::ScratchFolder scratch;
    std::filesystem::path data = scratch.root() / L"data";
    int sessionEnds = 0;
};

RECT windowRect(const TavrinWindow& window) {
    RECT rect{};
    GetWindowRect(window.hwnd(), &rect);
    return rect;
}

TEST_F(TavrinWindowTest, EveryPositionPlacesTheWindowAndLeavingOneStoresItsSize) {
    const std::unique_ptr<TavrinWindow> window = start();
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    file::App& settings = window->application().settings();
    const struct {
        POSITION position;
        int thickness;
    } docked[] = {
        {POSITION::LEFT, 40}, {POSITION::TOP, 50}, {POSITION::RIGHT, 60}, {POSITION::BOTTOM, 70}};
    for (const auto& [position, thickness] : docked) {
        window->setPosition(position, true);
        const placement::Placement expected =
            placement::dockedPlacement(position, workArea, thickness);
        const RECT placed = windowRect(*window);
        EXPECT_EQ(placed.left, expected.x) << static_cast<int>(position);
        EXPECT_EQ(placed.top, expected.y) << static_cast<int>(position);
        EXPECT_EQ(placed.right - placed.left, expected.width) << static_cast<int>(position);
        EXPECT_EQ(placed.bottom - placed.top, expected.height) << static_cast<int>(position);
        EXPECT_TRUE(IsWindowVisible(window->hwnd()));
        EXPECT_EQ(settings.Position(), position);
    }

    // Leaving the bottom edge after it was made thicker keeps the new thickness.
    window->move(0, 0, 300, 90, true);
    window->setPosition(POSITION::FLOAT, true);
    EXPECT_EQ(settings.EdgeSize(POSITION::BOTTOM), 90);
    const RECT floating = windowRect(*window);
    EXPECT_EQ(floating.left, 30);
    EXPECT_EQ(floating.top, 40);
    EXPECT_EQ(floating.right - floating.left, 200);
    EXPECT_EQ(floating.bottom - floating.top, 120);

    window->move(5, 6, 210, 130, true);
    window->setPosition(POSITION::HIDDEN, true);
    EXPECT_FALSE(IsWindowVisible(window->hwnd()));
    EXPECT_EQ(settings.FloatPos(), (file::App::Pair{5, 6}));
    EXPECT_EQ(settings.FloatSize(), (file::App::Pair{210, 130}));
    window->destroy();
}

RECT screen() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

::testing::AssertionResult placedAt(const TavrinWindow& window, const RECT& expected) {
    const RECT placed = windowRect(window);
    if (EqualRect(&placed, &expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "placed at " << placed.left << "," << placed.top << " " << placed.right << ","
           << placed.bottom << " instead of " << expected.left << "," << expected.top << " "
           << expected.right << "," << expected.bottom;
}

// Another program's desktop toolbar, registered with the shell before the launcher's.
class OtherBar {
public:
    OtherBar(UINT edge, const RECT& band)
        : window(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                 nullptr, nullptr, nullptr)) {
        APPBARDATA data = record();
        data.uCallbackMessage = WM_APP;
        EXPECT_TRUE(SHAppBarMessage(ABM_NEW, &data));
        data.uEdge = edge;
        data.rc = band;
        EXPECT_TRUE(SHAppBarMessage(ABM_SETPOS, &data));
    }
    ~OtherBar() {
        APPBARDATA data = record();
        SHAppBarMessage(ABM_REMOVE, &data);
        DestroyWindow(window);
    }
    OtherBar(const OtherBar&) = delete;
    OtherBar& operator=(const OtherBar&) = delete;

private:
    APPBARDATA record() const {
        APPBARDATA data{};
        data.cbSize = sizeof data;
        data.hWnd = window;
        return data;
    }
    HWND window;
};

TEST_F(TavrinWindowTest, EachEdgeDocksInTheRoomTheShellLeavesBesideABarRegisteredFirst) {
    const RECT whole = screen();
    const LONG below = whole.bottom - 50;
    const OtherBar other(ABE_BOTTOM, {0, below, whole.right, whole.bottom});
    const std::unique_ptr<TavrinWindow> window = start();
    const struct {
        POSITION position;
        RECT expected;
    } cases[] = {
        {POSITION::LEFT, {0, 0, 40, below}},
        {POSITION::TOP, {0, 0, whole.right, 50}},
        {POSITION::RIGHT, {whole.right - 60, 0, whole.right, below}},
        {POSITION::BOTTOM, {0, below - 70, whole.right, below}},
    };
    for (const auto& [position, expected] : cases) {
        window->setPosition(position, true);
        EXPECT_TRUE(placedAt(*window, expected)) << static_cast<int>(position);
    }
    window->destroy();
}

// The shell's word that the bars moved, a display change and a DPI change each put the bar back
// on its edge; the DPI change with the thickness the system scaled for the new DPI.
TEST_F(TavrinWindowTest, ReDockingPutsTheBarBackOnItsEdgeWithTheThicknessItHasThen) {
    const std::unique_ptr<TavrinWindow> window = start();
    window->setPosition(POSITION::RIGHT, false);
    const RECT whole = screen();
    RECT suggested{};
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int suggestedWidth;
        int expectedWidth;
    } cases[] = {
        {"bars moved", APPBAR, ABN_POSCHANGED, 0, 0, 90},
        {"display", WM_DISPLAYCHANGE, 32, MAKELPARAM(whole.right, whole.bottom), 0, 90},
        {"DPI", WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested), 120, 120},
    };
    for (const auto& [name, message, wParam, lParam, suggestedWidth, expectedWidth] : cases) {
        window->move(300, 200, 90, 300, true);
        suggested = {300, 200, 300 + suggestedWidth, 500};
        SendMessageW(window->hwnd(), message, wParam, lParam);
        EXPECT_TRUE(placedAt(*window, {whole.right - expectedWidth, 0, whole.right, whole.bottom}))
            << name;
    }
    window->destroy();
}

TEST_F(TavrinWindowTest, FullScreenApplicationHidesTheDockedBarAndItsEndShowsItAgain) {
    const std::unique_ptr<TavrinWindow> window = start();
    window->setPosition(POSITION::TOP, false);
    const RECT docked = windowRect(*window);
    SendMessageW(window->hwnd(), APPBAR, ABN_FULLSCREENAPP, TRUE);
    EXPECT_FALSE(IsWindowVisible(window->hwnd()));
    SendMessageW(window->hwnd(), APPBAR, ABN_FULLSCREENAPP, FALSE);
    EXPECT_TRUE(IsWindowVisible(window->hwnd()));
    EXPECT_TRUE(placedAt(*window, docked));
    EXPECT_EQ(window->application().settings().Position(), POSITION::TOP);

    // Once the bar is left, a late word from the shell shows nothing.
    window->setPosition(POSITION::HIDDEN, false);
    SendMessageW(window->hwnd(), APPBAR, ABN_FULLSCREENAPP, FALSE);
    EXPECT_FALSE(IsWindowVisible(window->hwnd()));
    window->destroy();
}

// A floating place on a monitor removed since is brought back; one partly on screen is the
// user's and stays.
TEST_F(TavrinWindowTest, FloatingPlaceOffEveryMonitorComesBackOntoTheWorkArea) {
    const std::unique_ptr<TavrinWindow> window = start();
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const struct {
        POINT stored;
        POINT expected;
    } cases[] = {
        {{-5000, -5000}, {workArea.left, workArea.top}},
        {{workArea.right + 4000, 100}, {workArea.right - 200, 100}},
        {{-50, 100}, {-50, 100}},
    };
    for (const auto& [stored, expected] : cases) {
        window->application().settings().FloatPos(stored.x, stored.y);
        window->setPosition(POSITION::FLOAT, false);
        EXPECT_TRUE(placedAt(*window, {expected.x, expected.y, expected.x + 200, expected.y + 120}))
            << stored.x << "," << stored.y;
    }
    window->destroy();
}

// The icon is asked for once the window shows; a shell that will not take it does not keep
// the launcher from starting, and the icon is added when the shell announces a new task bar.
TEST_F(TavrinWindowTest, TrayIconRefusedAtStartIsAddedWhenTheTaskBarComesBack) {
    bool refusing = true;
    std::vector<bool> added;
    const PlayedShell shell({[&](TaskTray::NIM command, NOTIFYICONDATAW&) {
                                 if (command != TaskTray::NIM::ADD) {
                                     return TRUE;
                                 }
                                 added.push_back(!refusing);
                                 SetLastError(ERROR_ACCESS_DENIED);
                                 return refusing ? FALSE : TRUE;
                             },
                             [](DWORD) {}});
    const std::unique_ptr<TavrinWindow> window = start();
    EXPECT_TRUE(IsWindowVisible(window->hwnd()));
    // The window shows before the shell is asked for the icon.
    EXPECT_TRUE(added.empty());
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
    EXPECT_EQ(added, std::vector<bool>{false});

    refusing = false;
    SendMessageW(window->hwnd(), TaskTray::taskbarCreatedMessage(), 0, 0);
    EXPECT_EQ(added, (std::vector<bool>{false, true}));

    SendMessageW(window->hwnd(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(sessionEnds, 0);
    SendMessageW(window->hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(sessionEnds, 1);
    window->destroy();
}

// What reaches the launcher window on this thread: the hook library's posted notifications
// and the middle presses sent to it.
struct Seen {
    HWND launcher = nullptr;
    std::vector<POINT> notified;
    int pressed = 0;
    // Ended by the press it is sent, as a choice in what the press opens would end it.
    TavrinWindow* ending = nullptr;
};
Seen seen;

LRESULT CALLBACK retrieved(int code, WPARAM removed, LPARAM data) {
    const MSG& message = *reinterpret_cast<const MSG*>(data);
    if (code == HC_ACTION && removed == PM_REMOVE && message.hwnd == seen.launcher &&
        message.message == dll::HOOK_MOUSE && message.wParam == WM_MBUTTONDOWN) {
        seen.notified.push_back(dll::unpackPoint(message.lParam));
    }
    return CallNextHookEx(nullptr, code, removed, data);
}

LRESULT CALLBACK sent(int code, WPARAM wParam, LPARAM data) {
    const CWPSTRUCT& message = *reinterpret_cast<const CWPSTRUCT*>(data);
    if (code == HC_ACTION && message.hwnd == seen.launcher && message.message == WM_MBUTTONDOWN) {
        ++seen.pressed;
        if (seen.ending != nullptr) {
            seen.ending->destroy();
        }
        // Whatever the press opens is closed again.
        SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) {
            EndMenu();
            KillTimer(nullptr, timer);
        });
    }
    return CallNextHookEx(nullptr, code, wParam, data);
}

bool operator==(POINT left, POINT right) {
    return left.x == right.x && left.y == right.y;
}

// Real middle clicks through the project's hook library: one on the desktop stand-in becomes
// a middle press on the launcher, one elsewhere does not, and none is seen while the launcher
// is disabled under a modal dialog; a reload keeps the hook, an end of the window while it
// takes the press frees the library, and the launcher never loads the library with the desktop
// click switched off.
TEST_F(TavrinWindowTest, DesktopMiddleClickBecomesAPressOnTheLauncherWhileItIsEnabled) {
    writeBytes(data / L"app.dvk", "Window:4\r\nWindow/Float/Pos=30\t40\r\n"
                                  "Launcher/Menu/Desktop:1\r\n");
    const HHOOK retrieving =
        SetWindowsHookExW(WH_GETMESSAGE, retrieved, nullptr, GetCurrentThreadId());
    const HHOOK sending = SetWindowsHookExW(WH_CALLWNDPROC, sent, nullptr, GetCurrentThreadId());
    std::unique_ptr<TavrinWindow> window = start();
    seen = {window->hwnd(), {}, 0, nullptr};
    EXPECT_NE(GetModuleHandleW(L"Hooker.dll"), nullptr);
    const dll::test::StandIn desktop(L"Progman", L"Program Manager", {300, 200, 500, 350});
    const dll::test::StandIn other(L"TavrinOrdinary", L"other", {550, 200, 750, 350});

    const struct {
        const char* what;
        bool reload;
        bool enabled;
        const dll::test::StandIn& clicked;
        bool pressed;
    } cases[] = {
        {"desktop", false, true, desktop, true},
        {"other window", false, true, other, false},
        {"desktop under a modal dialog", false, false, desktop, false},
        {"desktop after the dialog", false, true, desktop, true},
        {"desktop after a reload", true, true, desktop, true},
    };
    int sentinel = 0;
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        if (row.reload) {
            window->initialize();
        }
        seen.notified.clear();
        seen.pressed = 0;
        EnableWindow(window->hwnd(), row.enabled);
        dll::test::middleClick(row.clicked.centre());
        // A click known to be seen after the one above, on a point of its own.
        EnableWindow(window->hwnd(), TRUE);
        const POINT mark{560 + ++sentinel, 210};
        dll::test::middleClick(mark);
        ASSERT_TRUE(dll::test::pumpUntil(
            [&] { return !seen.notified.empty() && seen.notified.back() == mark; }));
        EXPECT_EQ(seen.notified.front() == row.clicked.centre(), row.enabled);
        EXPECT_EQ(seen.pressed, row.pressed ? 1 : 0);
    }
    seen.ending = window.get();
    dll::test::middleClick(desktop.centre());
    EXPECT_TRUE(dll::test::pumpUntil([&] { return !IsWindow(seen.launcher); }));
    // Nothing hooks again for the window that is gone, and the library went with it.
    EXPECT_EQ(GetModuleHandleW(L"Hooker.dll"), nullptr);
    window.reset();

    writeBytes(data / L"app.dvk", "Window:4\r\nLauncher/Menu/Desktop:0\r\n");
    window = start();
    EXPECT_EQ(GetModuleHandleW(L"Hooker.dll"), nullptr);
    window->destroy();
    UnhookWindowsHookEx(retrieving);
    UnhookWindowsHookEx(sending);
}

} // namespace
} // namespace tavrin::gui
