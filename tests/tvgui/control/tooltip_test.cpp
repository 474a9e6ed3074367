#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "testwindow.h"
#include "tvgui/control/controlsetup.h"
#include "tvgui/control/tooltip.h"
#include "tvgui/window/subclass.h"

namespace tavrin::tvgui {
namespace {

using FLAG = ToolTip::TOOL_FLAG;

TEST(ToolTipTest, IsAnOwnedPopupThatAlwaysTipsUntilToldOtherwise) {
    test::RecordingWindow window;
    ToolTip tip(window);
    wchar_t className[64] = {};
    GetClassNameW(tip.hwnd(), className, 64);
    EXPECT_STREQ(className, L"tooltips_class32");
    EXPECT_EQ(GetWindow(tip.hwnd(), GW_OWNER), window.hwnd());
    EXPECT_TRUE(tip.controlParent());
    for (const bool on : {true, false, true}) {
        SCOPED_TRACE(on);
        tip.alwaysTip(on);
        EXPECT_EQ(tip.alwaysTip(), on);
        EXPECT_EQ((GetWindowLongPtrW(tip.hwnd(), GWL_STYLE) & TTS_ALWAYSTIP) != 0, on);
        EXPECT_NE(GetWindowLongPtrW(tip.hwnd(), GWL_STYLE) & WS_POPUP, 0);
    }
}

TEST(ToolTipTest, ToolsAreAddedCountedRenamedAndRemoved) {
    struct Tool {
        std::uintptr_t id;
        RECT rect;
        const char* text;
        FLAG flags;
    };
    const Tool tools[] = {
        {1, {0, 0, 20, 20}, "メモ帳", FLAG::SUBCLASS},
        {2, {20, 0, 40, 20}, "Two words", FLAG::SUBCLASS},
        {7, {40, 0, 60, 20}, "", FLAG::NONE},
    };
    test::RecordingWindow window;
    test::ButtonControl other(window, ITEM_ID{5});
    ToolTip tip(window);
    for (const Tool& tool : tools) {
        ASSERT_TRUE(tip.addTool(window, tool.id, tool.rect, tool.text, tool.flags));
    }
    // The same id on another window is another tool.
    ASSERT_TRUE(tip.addTool(other, 1, {0, 0, 5, 5}, "other"));
    EXPECT_EQ(tip.toolCount(), 4);
    for (const Tool& tool : tools) {
        SCOPED_TRACE(tool.id);
        EXPECT_TRUE(tip.hasTool(window, tool.id));
        EXPECT_EQ(tip.toolText(window, tool.id), tool.text);
        tip.updateTipText(window, tool.id, std::string("新しい") + tool.text);
        EXPECT_EQ(tip.toolText(window, tool.id), std::string("新しい") + tool.text);
    }
    EXPECT_EQ(tip.toolText(other, 1), "other");
    EXPECT_FALSE(tip.hasTool(window, 3));

    int left = tip.toolCount();
    for (const Tool& tool : tools) {
        tip.deleteTool(window, tool.id);
        EXPECT_FALSE(tip.hasTool(window, tool.id));
        EXPECT_EQ(tip.toolCount(), --left);
        tip.deleteTool(window, tool.id);
        EXPECT_EQ(tip.toolCount(), left);
    }
    EXPECT_TRUE(tip.hasTool(other, 1));
}

// A system button whose procedure the toolkit takes over, counting the mouse moves it sees.
class HookedButton final : public Control, public ISubClass {
public:
    explicit HookedButton(TvGui& owner)
        : Control(ofClass(controlInfo(ITEM_ID{1}, owner), "BUTTON", 0)), hook(*this) {
        hook.subclass();
    }

    LRESULT procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MOUSEMOVE) {
            ++moves;
        }
        return hook.callOriginal(hwnd, message, wParam, lParam);
    }

    int moves = 0;
    SubClass hook;
};

// Whether the tip takes up a tool within a while, handling messages meanwhile.
bool tipShows(const ToolTip& tip) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < until) {
        test::pumpMessages();
        TOOLINFOW current{};
        current.cbSize = sizeof(current);
        if (SendMessageW(tip.hwnd(), TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&current))) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(ToolTipTest, ASubclassingToolKeepsSeeingTheMouseAfterTheToolkitLetsGo) {
    struct Case {
        FLAG flags;
        bool releaseHook;
        bool shows;
    };
    const Case cases[] = {
        {FLAG::SUBCLASS, false, true},
        {FLAG::SUBCLASS, true, true},
        // Without its own hook the tip hears of the mouse from no one.
        {FLAG::NONE, true, false},
    };
    for (const Case& one : cases) {
        SCOPED_TRACE(static_cast<UINT>(one.flags));
        SCOPED_TRACE(one.releaseHook);
        test::RecordingWindow window(nullptr, 200, 100);
        window.location(50, 50);
        HookedButton button(window);
        button.move(0, 0, 200, 100, true);
        window.show(SHOW::SHOWNORMAL);
        window.setForeground();
        ToolTip tip(window);
        SendMessageW(tip.hwnd(), TTM_SETDELAYTIME, TTDT_INITIAL, 1);
        ASSERT_TRUE(tip.addTool(button, 1, {0, 0, 200, 100}, "起動", one.flags));
        if (one.releaseHook) {
            ASSERT_TRUE(button.hook.dispose());
            ASSERT_FALSE(button.hook.isInstalled());
        }

        POINT middle{100, 50};
        button.clientToScreen(middle);
        SetCursorPos(middle.x, middle.y);
        SendMessageW(button.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(100, 50));
        EXPECT_EQ(button.moves > 0, !one.releaseHook);
        EXPECT_EQ(tipShows(tip), one.shows);
        tip.destroy();
        SetCursorPos(0, 0);
    }
}

} // namespace
} // namespace tavrin::tvgui
