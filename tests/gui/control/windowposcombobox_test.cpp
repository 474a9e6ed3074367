#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/control/windowposcombobox.h"
#include "logfiles.h"
#include "testwindow.h"

namespace tavrin::gui {
namespace {

using POSITION = WindowPosComboBox::POSITION;

TEST(WindowPosComboBoxTest, NamesEveryPositionAndTakesAnythingElseAsFloating) {
    tvgui::test::RecordingWindow window;
    WindowPosComboBox combo(tvgui::ITEM_ID{4}, window);
    EXPECT_EQ(combo.texts(),
              (std::vector<std::string>{"左部", "上部", "右部", "下部", "フロート", "非表示"}));
    for (int position = 0; position < 6; ++position) {
        combo.windowPos(static_cast<POSITION>(position));
        EXPECT_EQ(combo.selectedIndex(), position);
        EXPECT_EQ(combo.windowPos(), static_cast<POSITION>(position));
    }

    struct Outside {
        drevak::Integer stored;
        const char* log;
    };
    const Outside outsides[] = {
        {6, "[6]は指定値以外のためApp.POSITION.FLOATへ"},
        {-1, "[-1]は指定値以外のためApp.POSITION.FLOATへ"},
    };
    for (const Outside& outside : outsides) {
        SCOPED_TRACE(outside.stored);
        combo.windowPos(POSITION::LEFT);
        systemtest::TestLog log;
        // Nothing but floating is shown for a position the list cannot name: no extra entry.
        combo.windowPos(static_cast<POSITION>(outside.stored));
        EXPECT_EQ(combo.text(), "フロート");
        EXPECT_EQ(combo.count(), 6);
        // No selection, as another program can leave it, reads as floating.
        SendMessageW(combo.hwnd(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        EXPECT_EQ(combo.windowPos(), POSITION::FLOAT);
        EXPECT_EQ(systemtest::logMessages(log.end()),
                  (std::vector<std::string>{outside.log, "[-1]は指定値以外のため4へ"}));
    }
}

} // namespace
} // namespace tavrin::gui
