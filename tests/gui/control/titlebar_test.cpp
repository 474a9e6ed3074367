// The title bar on a real owner window: the owner hands the strip its WM_DRAWITEM and writes
// down the caption presses and button-list requests that reach it.
#include <gtest/gtest.h>

#include <windowsx.h>

#include <functional>
#include <memory>
#include <vector>

#include "gui/control/titlebar.h"
#include "pumpmessages.h"
#include "system/scopeguard.h"
#include "system/tavrinerrors.h"
#include "tvgui/window/tvwindow.h"

namespace tavrin::gui {
namespace {

using tvgui::test::pumpMessages;

class StripOwner final : public tvgui::TvWindow {
public:
    explicit StripOwner(int x = 60) : TvWindow(0, WS_POPUP, nullptr) {
        creationInfo().x = x;
        creationInfo().y = 60;
        creationInfo().width = 300;
        creationInfo().height = 120;
        createWindow();
    }

    TitleBar* strip = nullptr;
    // The points of the caption presses, in screen coordinates.
    std::vector<POINT> captionPresses;
    // Who held the mouse while each button-list request was being answered.
    std::vector<HWND> captureDuringList;

    void OnDrawItem(DRAWITEMSTRUCT& item) override {
        if (strip != nullptr && item.hwndItem == strip->hwnd()) {
            strip->drawItem(item);
        }
    }
    // Handled, as a docked launcher does: no move loop starts inside the test.
    bool OnNonClientMouseLeftDown(tvgui::HT area, int x, int y) override {
        if (area == tvgui::HT::CAPTION) {
            captionPresses.push_back({x, y});
        }
        return true;
    }
    bool OnOtherEvent(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        if (message != TavrinTitleBar::BUTTON_LIST_MESSAGE) {
            return false;
        }
        captureDuringList.push_back(GetCapture());
        result = 0;
        return true;
    }
};

SIZE sizeOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

TEST(TitleBarTest, FitsAlongTheSideOfItsPositionAtTheWindowsDpi) {
    StripOwner owner;
    TavrinTitleBar bar(tvgui::ITEM_ID{2}, owner);
    struct Case {
        TitleBar::POSITION position;
        bool vertical;
        int metric;
    };
    const Case cases[] = {{TitleBar::POSITION::HORIZONTAL, false, SM_CYVSCROLL},
                          {TitleBar::POSITION::VERTICAL, true, SM_CXVSCROLL}};
    // Fitted again after the owner changed size, the strip follows it.
    for (const SIZE ownerSize : {SIZE{300, 120}, SIZE{180, 260}}) {
        owner.size(ownerSize.cx, ownerSize.cy);
        const SIZE client = owner.clientSize();
        for (const Case& check : cases) {
            SCOPED_TRACE(check.vertical);
            bar.position(check.position);
            bar.fitToOwner();
            const int expected =
                GetSystemMetricsForDpi(check.metric, static_cast<UINT>(owner.dpi())) / 2;
            EXPECT_EQ(bar.orientation(), check.position);
            EXPECT_EQ(bar.isVertical(), check.vertical);
            EXPECT_EQ(bar.thickness(), expected);
            const SIZE strip = sizeOf(bar.hwnd());
            EXPECT_EQ(strip.cx, check.vertical ? expected : client.cx);
            EXPECT_EQ(strip.cy, check.vertical ? client.cy : expected);
            EXPECT_EQ(bar.position().x, 0);
            EXPECT_EQ(bar.position().y, 0);
        }
    }
    owner.destroy();
    try {
        bar.fitToOwner();
        ADD_FAILURE() << "a strip without an owner was fitted";
    } catch (const system::TavrinGuiException& failure) {
        EXPECT_STREQ(failure.what(), "sizeTune:OwnerWnd.clientSize");
    }
}

// The colour at the middle of a picture of the strip, taken by asking it to print itself
// into a memory bitmap that starts out in another colour.
COLORREF printedColour(const TitleBar& bar) {
    const SIZE extent = bar.clientSize();
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, extent.cx, extent.cy);
    ReleaseDC(nullptr, screen);
    const system::ScopeGuard free([&] {
        DeleteDC(memory);
        DeleteObject(picture);
    });
    HGDIOBJ previous = SelectObject(memory, picture);
    RECT whole{0, 0, extent.cx, extent.cy};
    FillRect(memory, &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SendMessageW(bar.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    const COLORREF colour = GetPixel(memory, extent.cx / 2, extent.cy / 2);
    SelectObject(memory, previous);
    return colour;
}

// The colour setActive left on the screen in the middle of the strip.
COLORREF shownColour(const TitleBar& bar) {
    const SIZE extent = bar.clientSize();
    HDC dc = GetDC(bar.hwnd());
    const COLORREF colour = GetPixel(dc, extent.cx / 2, extent.cy / 2);
    ReleaseDC(bar.hwnd(), dc);
    return colour;
}

TEST(TitleBarTest, PaintsInTheCaptionColourOfItsOwnersActivation) {
    ASSERT_NE(GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_INACTIVECAPTION));
    ASSERT_NE(GetSysColor(COLOR_ACTIVECAPTION), RGB(0, 0, 0));
    ASSERT_NE(GetSysColor(COLOR_INACTIVECAPTION), RGB(0, 0, 0));
    StripOwner owner;
    StripOwner other(400);
    TavrinTitleBar bar(tvgui::ITEM_ID{2}, owner);
    owner.strip = &bar;
    bar.position(TitleBar::POSITION::HORIZONTAL);
    owner.show(tvgui::SHOW::SHOW);
    other.show(tvgui::SHOW::SHOW);
    struct Case {
        tvgui::TvWindow* activated;
        bool ownerActive;
    };
    const Case cases[] = {{&owner, true}, {&other, false}, {&owner, true}};
    for (const Case& check : cases) {
        SCOPED_TRACE(check.ownerActive);
        SetActiveWindow(check.activated->hwnd());
        pumpMessages();
        ASSERT_EQ(GetActiveWindow(), check.activated->hwnd());
        const COLORREF expected =
            GetSysColor(check.ownerActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
        EXPECT_EQ(printedColour(bar), expected);
        // Told the state, the strip shows it whatever the system names active just then.
        bar.setActive(!check.ownerActive);
        EXPECT_EQ(shownColour(bar),
                  GetSysColor(!check.ownerActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    }
}

TEST(TitleBarTest, PressesReachTheOwnerAndLeaveNoCaptureBehind) {
    struct Case {
        UINT message;
        WPARAM keys;
        std::size_t captionPresses;
        std::size_t listRequests;
    };
    struct Kind {
        const char* name;
        std::function<std::unique_ptr<TitleBar>(StripOwner&)> make;
        // Only the launcher's strip asks for the button list.
        std::vector<Case> cases;
    };
    const Kind kinds[] = {
        {"launcher",
         [](StripOwner& owner) {
             return std::make_unique<TavrinTitleBar>(tvgui::ITEM_ID{2}, owner);
         },
         {{WM_RBUTTONDOWN, MK_RBUTTON, 0, 1}, {WM_LBUTTONDOWN, MK_LBUTTON, 1, 1}}},
        {"dialog",
         [](StripOwner& owner) { return std::make_unique<TitleBar>(tvgui::ITEM_ID{2}, owner); },
         {{WM_LBUTTONDOWN, MK_LBUTTON, 1, 0}}},
    };
    const POINT press{3, 7};
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        StripOwner owner;
        const std::unique_ptr<TitleBar> bar = kind.make(owner);
        owner.strip = bar.get();
        bar->position(TitleBar::POSITION::VERTICAL);
        owner.show(tvgui::SHOW::SHOW);
        pumpMessages();
        for (const Case& check : kind.cases) {
            SCOPED_TRACE(check.message);
            // A capture the press finds is not the one it leaves.
            SetCapture(bar->hwnd());
            SendMessageW(bar->hwnd(), check.message, check.keys, MAKELPARAM(press.x, press.y));
            EXPECT_EQ(GetCapture(), nullptr);
            EXPECT_EQ(owner.captionPresses.size(), check.captionPresses);
            EXPECT_EQ(owner.captureDuringList.size(), check.listRequests);
        }
        // The strip held the mouse while the owner answered the list request.
        for (const HWND holder : owner.captureDuringList) {
            EXPECT_EQ(holder, bar->hwnd());
        }
        // The caption press is where the strip was pressed, on the screen.
        POINT expected = press;
        ClientToScreen(bar->hwnd(), &expected);
        ASSERT_EQ(owner.captionPresses.size(), 1u);
        EXPECT_EQ(owner.captionPresses[0].x, expected.x);
        EXPECT_EQ(owner.captionPresses[0].y, expected.y);
    }
}

} // namespace
} // namespace tavrin::gui
