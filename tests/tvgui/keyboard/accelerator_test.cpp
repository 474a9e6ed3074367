#include "tvgui/keyboard/accelerator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "system/tavrinerrors.h"

namespace tavrin::tvgui {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using TYPE = ACCELERATOR::TYPE;

const ACCELERATOR CTRL_A{TYPE::FVIRTKEY | TYPE::FCONTROL, 'A', 100};
const ACCELERATOR SHIFT_ALT_F5{TYPE::FVIRTKEY | TYPE::FSHIFT | TYPE::FALT, VK_F5, 101};
// A character code, not a virtual key: no FVIRTKEY.
const ACCELERATOR CHAR_Q{TYPE::FNOINVERT, 'q', 102};

TEST(AcceleratorTest, EntriesComeBackAsGivenWhateverTheirFlags) {
    const std::vector<ACCELERATOR> given{CTRL_A, SHIFT_ALT_F5, CHAR_Q};
    const Accelerator table(given);
    ASSERT_NE(table.get(), nullptr);
    EXPECT_TRUE(table.isAlive());
    EXPECT_EQ(table.entries(), given);
}

TEST(AcceleratorTest, NoEntriesMakeAHolderWithoutATable) {
    const Accelerator none;
    const Accelerator fromEmpty{std::vector<ACCELERATOR>{}};
    for (const Accelerator* table : {&none, &fromEmpty}) {
        EXPECT_EQ(table->get(), nullptr);
        EXPECT_FALSE(table->isAlive());
        EXPECT_TRUE(table->entries().empty());
    }
}

TEST(AcceleratorTest, EachAddFormBuildsANewTableAndLeavesTheOldOnesAlone) {
    const Accelerator first(std::vector{CTRL_A});
    const Accelerator second(std::vector{SHIFT_ALT_F5, CHAR_Q});

    const Accelerator withEntry = first.add(CHAR_Q);
    const Accelerator withTable = first.add(second);
    const Accelerator withList = second.add(std::vector{CTRL_A, CTRL_A});

    EXPECT_THAT(withEntry.entries(), ElementsAre(CTRL_A, CHAR_Q));
    EXPECT_THAT(withTable.entries(), ElementsAre(CTRL_A, SHIFT_ALT_F5, CHAR_Q));
    EXPECT_THAT(withList.entries(), ElementsAre(SHIFT_ALT_F5, CHAR_Q, CTRL_A, CTRL_A));
    EXPECT_NE(withEntry.get(), first.get());
    EXPECT_THAT(first.entries(), ElementsAre(CTRL_A));
    EXPECT_THAT(second.entries(), ElementsAre(SHIFT_ALT_F5, CHAR_Q));
}

TEST(AcceleratorTest, AddingNothingGivesTheSameEntriesAndEmptyTablesCombine) {
    const Accelerator table(std::vector{CTRL_A, CHAR_Q});
    const Accelerator empty;
    EXPECT_THAT(table.add(empty).entries(), ElementsAre(CTRL_A, CHAR_Q));
    EXPECT_THAT(table.add(std::vector<ACCELERATOR>{}).entries(), ElementsAre(CTRL_A, CHAR_Q));
    EXPECT_THAT(empty.add(table).entries(), ElementsAre(CTRL_A, CHAR_Q));
    EXPECT_EQ(empty.add(empty).get(), nullptr);
}

TEST(AcceleratorTest, ATableTooLargeForTheSystemIsRefusedWithItsEntries) {
    std::vector<ACCELERATOR> entries(32766, CTRL_A);
    const Accelerator largest = Accelerator(entries).add(CHAR_Q);
    EXPECT_EQ(largest.entries().size(), 32767u);
    try {
        largest.add(SHIFT_ALT_F5);
        ADD_FAILURE() << "a table of 32768 entries was made";
    } catch (const system::KeyBoardException& refused) {
        const std::string& text = refused.message();
        EXPECT_THAT(text, testing::StartsWith("CreateAcceleratorTable失敗:"));
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 32768);
        EXPECT_THAT(text,
                    testing::EndsWith("\n" + CHAR_Q.toString() + "\n" + SHIFT_ALT_F5.toString()));
    }
    EXPECT_EQ(largest.entries().size(), 32767u);
}

TEST(AcceleratorTest, TextNamesTheFlagsAndGivesKeyAndCommandInDecimal) {
    EXPECT_EQ(CTRL_A.toString(),
              "[ACCELERATOR]  type = FVIRTKEY|FCONTROL ,key = 65 ,command = 100");
    EXPECT_EQ(CHAR_Q.toString(), "[ACCELERATOR]  type = FNOINVERT ,key = 113 ,command = 102");
    EXPECT_EQ(ACCELERATOR(TYPE::NONE, 0, 0).toString(),
              "[ACCELERATOR]  type = 0 ,key = 0 ,command = 0");
    // Bits the system gives no name keep their value in the text.
    EXPECT_EQ(ACCELERATOR(static_cast<TYPE>(0x41), 9, 65535).toString(),
              "[ACCELERATOR]  type = FVIRTKEY|0x40 ,key = 9 ,command = 65535");
}

TEST(AcceleratorTest, DialogTableMapsEnterAndEscape) {
    EXPECT_THAT(defaultDialogAccelerator().entries(),
                ElementsAre(ACCELERATOR(TYPE::FVIRTKEY, VK_RETURN, 0xFFFF),
                            ACCELERATOR(TYPE::FVIRTKEY, VK_ESCAPE, 0xFFFE)));
}

TEST(AcceleratorTest, AMovedTableHasOneOwner) {
    Accelerator source(std::vector{CTRL_A});
    const HACCEL handle = source.get();
    Accelerator target(std::move(source));
    EXPECT_EQ(source.get(), nullptr);
    EXPECT_FALSE(source.isAlive());
    EXPECT_EQ(target.get(), handle);

    Accelerator assigned(std::vector{CHAR_Q});
    assigned = std::move(target);
    EXPECT_EQ(assigned.get(), handle);
    EXPECT_THAT(assigned.entries(), ElementsAre(CTRL_A));

    EXPECT_TRUE(assigned.dispose());
    EXPECT_EQ(assigned.get(), nullptr);
    EXPECT_TRUE(assigned.entries().empty());
    EXPECT_FALSE(DestroyAcceleratorTable(handle)) << "the table was destroyed once already";
}

TEST(AcceleratorTest, ARefusedDestroyIsReportedByDisposeAndSwallowedAtTheEnd) {
    std::optional<Accelerator> table(std::in_place, std::vector{CTRL_A});
    // Destroyed behind the holder's back, so that the system refuses the holder's own call.
    ASSERT_TRUE(DestroyAcceleratorTable(table->get()));
    try {
        table->dispose();
        ADD_FAILURE() << "dispose reported success";
    } catch (const system::TavrinException& refused) {
        EXPECT_THAT(refused.message(),
                    HasSubstr("tavrin::tvgui::Accelerator.RAII失敗(キーボードアクセラレータ()["));
    }
    EXPECT_TRUE(table->isAlive());
    table.reset();
}

// Records the last WM_COMMAND that the test window received.
std::optional<std::pair<WPARAM, LPARAM>> lastCommand;

LRESULT CALLBACK recordCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        lastCommand.emplace(wParam, lParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class TranslateTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = recordCommand;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TavrinAcceleratorTest";
        RegisterClassExW(&windowClass);
        window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                 100, nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        lastCommand.reset();
    }
    void TearDown() override { DestroyWindow(window); }

    // A key press as the message loop would hand it over, translated with table.
    bool translate(const Accelerator& table, WPARAM key) {
        MSG message{};
        message.hwnd = window;
        message.message = WM_KEYDOWN;
        message.wParam = key;
        message.lParam = 1 | (MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC) << 16);
        return TranslateAcceleratorW(window, table.get(), &message) != 0;
    }

    HWND window = nullptr;
};

TEST_F(TranslateTest, DialogKeysBecomeAcceleratorCommands) {
    const Accelerator table = defaultDialogAccelerator();

    ASSERT_TRUE(translate(table, VK_RETURN));
    ASSERT_TRUE(lastCommand.has_value());
    EXPECT_EQ(HIWORD(lastCommand->first), 1) << "the accelerator notification";
    EXPECT_EQ(LOWORD(lastCommand->first), DIALOG_ENTER_COMMAND);
    EXPECT_EQ(lastCommand->second, 0);

    ASSERT_TRUE(translate(table, VK_ESCAPE));
    EXPECT_EQ(lastCommand->first, MAKEWPARAM(DIALOG_ESCAPE_COMMAND, 1));
}

TEST_F(TranslateTest, KeysOutsideTheTableAndModifiedEntriesDoNotFire) {
    const Accelerator table = defaultDialogAccelerator().add(CTRL_A);
    EXPECT_FALSE(translate(table, VK_TAB));
    // Control is not held down.
    EXPECT_FALSE(translate(table, 'A'));
    EXPECT_FALSE(lastCommand.has_value());
    EXPECT_FALSE(translate(Accelerator(), VK_RETURN));
}

} // namespace
} // namespace tavrin::tvgui
