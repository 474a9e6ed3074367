#include <gtest/gtest.h>

#include <utility>

#include "testwindow.h"
#include "tvgui/control/editbox.h"
#include "tvgui/draw/font.h"

namespace tavrin::tvgui {
namespace {

TEST(EditBoxTest, TextSelectionLimitAndReadOnlyLiveInTheControl) {
    test::RecordingWindow window;
    EditLine line(ITEM_ID{1}, window);
    EXPECT_EQ(line.text(), "");
    EXPECT_TRUE(line.clientEdge());
    EXPECT_TRUE(line.noHideSelect());
    EXPECT_EQ(line.font()->faceName(), Font(Font::SYSTEM::MESSAGE).faceName());

    line.setText("起動ランチャー");
    line.select(2, 4);
    EXPECT_EQ(line.selection(), (std::pair<DWORD, DWORD>{2, 4}));
    line.replaceSelection("X");
    EXPECT_EQ(line.text(), "起動Xチャー");

    line.limitText(5);
    EXPECT_EQ(line.textLimit(), 5u);
    line.margin(EditBox::MARGIN::LEFT, 6);
    line.margin(EditBox::MARGIN::RIGHT, 9);
    EXPECT_EQ(line.margin(EditBox::MARGIN::LEFT), 6);
    EXPECT_EQ(line.margin(EditBox::MARGIN::RIGHT), 9);

    EXPECT_FALSE(line.readOnly());
    EXPECT_TRUE(line.readOnly(true));
    EXPECT_TRUE(line.readOnly());
    line.readOnly(false);
    EXPECT_FALSE(line.readOnly());
}

TEST(EditBoxTest, PasswordCharacterAndLinesOfAMultiLineBox) {
    test::RecordingWindow window;
    PassLine pass(ITEM_ID{1}, window);
    pass.passwordChar(L'#');
    EXPECT_EQ(pass.passwordChar(), L'#');
    pass.setText("秘密");
    EXPECT_EQ(pass.text(), "秘密");

    MultiEdit multi(ITEM_ID{2}, window);
    multi.move(0, 0, 200, 100, false);
    multi.setText("一行目\r\n二行目\r\n三行目");
    EXPECT_EQ(multi.lineCount(), 3);
    EXPECT_FALSE(multi.wantReturn());
    multi.wantReturn(true);
    EXPECT_TRUE(multi.wantReturn());
}

} // namespace
} // namespace tavrin::tvgui
