#include "tvgui/keyboard/combination.h"

#include <gtest/gtest.h>

#include "system/win32.h"

#include <commctrl.h>

namespace tavrin::tvgui {
namespace {

// Each row one combination as the control shows it and as a hot key registers it. Flag
// values come from the system's own constants, so a swapped pair in either set shows here.
TEST(CombinationTest, ControlAndHotKeyFlagsTranslateBothWays) {
    struct Row {
        BYTE control;
        UINT registered;
    };
    const Row rows[] = {
        {0, 0},
        {HOTKEYF_SHIFT, MOD_SHIFT},
        {HOTKEYF_CONTROL, MOD_CONTROL},
        {HOTKEYF_ALT, MOD_ALT},
        {HOTKEYF_CONTROL | HOTKEYF_ALT, MOD_CONTROL | MOD_ALT},
        {HOTKEYF_SHIFT | HOTKEYF_ALT, MOD_SHIFT | MOD_ALT},
        {HOTKEYF_SHIFT | HOTKEYF_CONTROL | HOTKEYF_ALT, MOD_SHIFT | MOD_CONTROL | MOD_ALT},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "control " << int(row.control));
        const auto control = static_cast<HOTKEY>(row.control);
        const auto registered = static_cast<MOD>(row.registered);
        EXPECT_EQ(modFlags(control), registered);
        EXPECT_EQ(hotKeyFlags(registered), control);
        // An extended key is no modifier.
        EXPECT_EQ(modFlags(control | HOTKEY::EXT), registered);
        // Win cannot be shown, and comes back from what the control was given.
        EXPECT_EQ(hotKeyFlags(registered | MOD::WIN), control);
        EXPECT_EQ(modFlags(hotKeyFlags(registered | MOD::WIN), registered | MOD::WIN),
                  registered | MOD::WIN);
        // What was given never adds Shift, Ctrl or Alt the user took away.
        EXPECT_EQ(modFlags(control, MOD::SHIFT | MOD::CONTROL | MOD::ALT), registered);
    }
}

TEST(CombinationTest, ControlWordAndStoredCombinationSwapTheirBytes) {
    struct Row {
        WORD control;
        WORD stored;
    };
    const Row rows[] = {
        {MAKEWORD('A', HOTKEYF_CONTROL | HOTKEYF_ALT), 0x4106},
        {0x0641, 0x4106},
        {MAKEWORD(VK_F12, HOTKEYF_SHIFT | HOTKEYF_EXT), 0x7B09},
        {0x0000, 0x0000},
        {0x00FF, 0xFF00},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control);
        EXPECT_EQ(combinationOfControl(row.control), row.stored);
        EXPECT_EQ(controlOfCombination(row.stored), row.control);
    }
}

TEST(CombinationTest, TextNamesModifiersAndKeyAsTheUserReadsThem) {
    EXPECT_EQ(hotKeyText(MOD::CONTROL | MOD::ALT, KEY::A), "Ctrl+Alt+A");
    EXPECT_EQ(hotKeyText(MOD::WIN | MOD::SHIFT | MOD::ALT | MOD::CONTROL, KEY::F12),
              "Ctrl+Alt+Shift+Win+F12");
    EXPECT_EQ(hotKeyText(MOD::NONE, KEY::KANJI), "HANJA");
    EXPECT_EQ(hotKeyText(MOD::CONTROL, static_cast<KEY>(0x07)), "Ctrl+0x07");
}

} // namespace
} // namespace tavrin::tvgui
