#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "system/tavrinerrors.h"
#include "testwindow.h"
#include "tvgui/control/combobox.h"
#include "tvgui/control/excombobox.h"

namespace tavrin::tvgui {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// Raises ComboBoxException whose text names the operation.
void expectRefused(const std::function<void()>& operation, const std::string& named) {
    try {
        operation();
        ADD_FAILURE() << "no ComboBoxException for " << named;
    } catch (const system::ComboBoxException& refused) {
        EXPECT_THAT(refused.message(), HasSubstr(named));
    }
}

struct ComboCase {
    const char* name;
    ComboBox::TYPE type;
    bool hasEdit;
};

const ComboCase comboCases[] = {
    {"simple", ComboBox::TYPE::SIMPLE, true},
    {"drop-down", ComboBox::TYPE::DROPDOWN, true},
    {"drop-down list", ComboBox::TYPE::DROPDOWNLIST, false},
};

TEST(ComboBoxTest, EachKindKeepsItsItemsInTheListPartAndTextInTheEditPart) {
    for (const ComboCase& kind : comboCases) {
        SCOPED_TRACE(kind.name);
        test::RecordingWindow window;
        ComboBox combo(ITEM_ID{3}, window, kind.type);
        combo.move(0, 0, 200, 120, false);
        // The combo box hands its scroll bar on to the list part.
        const LONG_PTR wanted = static_cast<LONG_PTR>(kind.type) | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
        EXPECT_EQ(GetWindowLongPtrW(combo.hwnd(), GWL_STYLE) & wanted, wanted);
        EXPECT_EQ(combo.type(), kind.type);

        EXPECT_EQ(combo.add("C:\\作業"), 0);
        EXPECT_EQ(combo.add("D:\\文書"), 1);
        EXPECT_EQ(combo.insert(0, "E:\\写真"), 0);
        EXPECT_EQ(combo.texts(), (std::vector<std::string>{"E:\\写真", "C:\\作業", "D:\\文書"}));
        EXPECT_TRUE(combo.itemData(2, -7));
        EXPECT_EQ(combo.itemData(2), -7);
        EXPECT_EQ(combo.find("c:\\作業"), 1);
        EXPECT_EQ(combo.find("作業"), std::nullopt);

        // The list part is the same list, seen through the list box's messages.
        const ComboBox::ComboList list = combo.list();
        EXPECT_EQ(list.count(), 3);
        EXPECT_EQ(list.itemText(2), "D:\\文書");
        EXPECT_EQ(list.itemData(2), -7);

        EXPECT_EQ(combo.selectedIndex(), std::nullopt);
        EXPECT_TRUE(combo.selectIndex(1));
        EXPECT_EQ(combo.selectedIndex(), 1);
        EXPECT_EQ(combo.text(), "C:\\作業");
        EXPECT_TRUE(combo.selectIndex(-1));
        EXPECT_EQ(combo.selectedIndex(), std::nullopt);

        if (kind.hasEdit) {
            combo.setText("起動フォルダ");
            const ComboBox::ComboEdit edit = combo.edit();
            EXPECT_EQ(edit.text(), "起動フォルダ");
            combo.select(2, 5);
            EXPECT_EQ(edit.selection(), (std::pair<DWORD, DWORD>{2, 5}));
            EXPECT_EQ(combo.selection(), (std::pair<DWORD, DWORD>{2, 5}));
            combo.replaceSelection("X");
            EXPECT_EQ(combo.text(), "起動Xダ");
            combo.limitText(6);
            EXPECT_EQ(combo.textLimit(), 6u);
            EXPECT_EQ(edit.textLimit(), 6u);
            EXPECT_FALSE(combo.readOnly());
            combo.readOnly(true);
            EXPECT_TRUE(edit.readOnly());
        } else {
            expectRefused([&] { combo.edit(); }, "エディット部取得");
            expectRefused([&] { combo.selection(); }, "選択範囲取得");
            expectRefused([&] { combo.limitText(4); }, "文字数上限設定");
        }

        // Whatever names no item is refused with the operation's name.
        expectRefused([&] { combo.remove(5); }, "削除");
        expectRefused([&] { combo.itemText(5); }, "項目文字列長取得");
        expectRefused([&] { combo.itemData(5); }, "項目データ取得");
        expectRefused([&] { combo.itemData(5, 1); }, "項目データ設定");
        expectRefused([&] { combo.selectIndex(5); }, "選択");
        expectRefused([&] { combo.insert(7, "外"); }, "挿入");
        EXPECT_EQ(combo.count(), 3);
        EXPECT_EQ(combo.remove(0), 2);
        combo.clear();
        EXPECT_EQ(combo.count(), 0);
    }
}

TEST(ComboBoxTest, ChoosingAnotherItemWithTheKeyboardTellsTheOwner) {
    test::RecordingWindow window;
    ComboBox combo(ITEM_ID{6}, window, ComboBox::TYPE::DROPDOWNLIST);
    combo.move(0, 0, 200, 120, false);
    combo.add("通常表示");
    combo.add("最小化");
    combo.selectIndex(0);
    window.forget();
    SendMessageW(combo.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(combo.hwnd(), WM_KEYUP, VK_DOWN, 0);
    test::pumpMessages();
    EXPECT_EQ(combo.selectedIndex(), 1);
    EXPECT_THAT(window.calls,
                Contains("OnCommand(6," +
                         std::to_string(static_cast<int>(ComboBox::EVENT::SELCHANGE)) + ") from " +
                         window.name(&combo)));
}

TEST(ExComboBoxTest, ItemsCarryImagesTextAndData) {
    test::RecordingWindow window;
    ExComboBox combo(ITEM_ID{2}, window, ComboBox::TYPE::DROPDOWN);
    combo.move(0, 0, 200, 120, false);
    ImageList images(16, 16, ImageList::COLOR_TYPE::COLOR32, 2, 2);
    images.add(image::Icon(LoadIconW(nullptr, IDI_APPLICATION), false));
    images.add(image::Icon(LoadIconW(nullptr, IDI_WARNING), false));
    EXPECT_FALSE(combo.setImageList(images).has_value());
    const std::optional<ImageList> previous = combo.setImageList(images);
    ASSERT_TRUE(previous.has_value());
    EXPECT_EQ(previous->get(), images.get());
    EXPECT_FALSE(previous->owns());

    using MASK = COMBOBOXITEM_MASK;
    const MASK all = MASK::TEXT | MASK::IMAGE | MASK::SELECTEDIMAGE | MASK::INDENT | MASK::LPARAM;
    COMBOBOXITEM given;
    given.mask = all;
    given.text = "アプリケーション";
    given.image = 1;
    given.selectedImage = 0;
    given.indent = 2;
    given.data = 42;
    window.forget();
    EXPECT_EQ(combo.insertItem(given), 0);
    // The owner hears of the new item through the control's own notifications (Wine leaves
    // the sender's id out of the message).
    EXPECT_THAT(
        window.calls,
        Contains(StartsWith(
            "OnNotify(" + std::to_string(static_cast<int>(ExComboBox::EVENT::INSERTITEM)) + ",")));
    EXPECT_EQ(combo.add("文字だけ"), 1);
    EXPECT_EQ(combo.insert(0, "先頭"), 0);

    const COMBOBOXITEM got = combo.item(1, all);
    EXPECT_EQ(got.text, "アプリケーション");
    EXPECT_EQ(got.image, 1);
    EXPECT_EQ(got.selectedImage, 0);
    EXPECT_EQ(got.indent, 2);
    EXPECT_EQ(got.data, 42);
    EXPECT_EQ(combo.texts(), (std::vector<std::string>{"先頭", "アプリケーション", "文字だけ"}));
    EXPECT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.itemData(1), 42);
    EXPECT_TRUE(combo.itemData(0, -3));
    EXPECT_EQ(combo.item(0, MASK::LPARAM).data, -3);

    COMBOBOXITEM changed;
    changed.mask = MASK::TEXT | MASK::IMAGE;
    changed.index = 2;
    // Longer than any first buffer: read back whole, not cut.
    changed.text = std::string(1500, 'x') + "変更後";
    changed.image = 1;
    combo.setItem(changed);
    EXPECT_EQ(combo.item(2, MASK::TEXT | MASK::IMAGE).text, changed.text);
    EXPECT_EQ(combo.item(2, MASK::IMAGE).image, 1);

    // The inner combo box holds the same items; the edit part shows the chosen one.
    const ExComboBox::OriginalComboBox inner = combo.originalComboBox();
    EXPECT_EQ(GetParent(inner.hwnd()), combo.hwnd());
    EXPECT_EQ(inner.count(), 3);
    EXPECT_TRUE(combo.selectIndex(1));
    EXPECT_EQ(combo.edit().text(), "アプリケーション");
    combo.select(1, 3);
    EXPECT_EQ(combo.edit().selection(), (std::pair<DWORD, DWORD>{1, 3}));
    combo.limitText(20);
    EXPECT_EQ(combo.textLimit(), 20u);
    EXPECT_EQ(combo.list().count(), 3);

    expectRefused([&] { combo.item(9, MASK::TEXT); }, "項目取得");
    expectRefused([&] { combo.setItem(COMBOBOXITEM{MASK::TEXT, 9, "外"}); }, "項目設定");
    EXPECT_EQ(combo.remove(0), 2);
    EXPECT_EQ(combo.itemText(0), "アプリケーション");
}

} // namespace
} // namespace tavrin::tvgui
