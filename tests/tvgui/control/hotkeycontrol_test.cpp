#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "system/scopeguard.h"
#include "testwindow.h"
#include "tvgui/control/hotkeycontrol.h"

#include <commctrl.h>

namespace tavrin::tvgui {
namespace {

using control::HotKey;

std::uint16_t controlWord(const HotKey& box) {
    return static_cast<std::uint16_t>(SendMessageW(box.hwnd(), HKM_GETHOTKEY, 0, 0));
}

// A combination keeps its modifiers in the low byte, the control's own word in the high one;
// what is set either way reads back the other way.
TEST(HotKeyControlTest, CombinationsRoundTripWithTheControlsWordSwapped) {
    struct Case {
        std::uint16_t combination;
        std::uint16_t word;
    };
    constexpr Case cases[] = {
        {0x4106, 0x0641}, // Ctrl+Alt+A
        {0x7001, 0x0170}, // Shift+F1
        {0x2E0F, 0x0F2E}, // Ctrl+Alt+Shift+Delete, an extended key
        {0x5A00, 0x005A}, // Z alone
        {0x0000, 0x0000},
    };
    test::RecordingWindow window;
    HotKey box(ITEM_ID{1}, window);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.combination));
        box.setCombination(c.combination);
        EXPECT_EQ(controlWord(box), c.word);
        EXPECT_EQ(box.combination(), c.combination);
        box.setCombination(0);
        SendMessageW(box.hwnd(), HKM_SETHOTKEY, c.word, 0);
        EXPECT_EQ(box.combination(), c.combination);
    }
}

// The rules apply to what the user types: a typed combination of the invalid set takes the
// replacement modifiers; one outside the set, or one set by the program, stays.
TEST(HotKeyControlTest, ForbiddenTypedCombinationsTakeTheReplacementModifiers) {
    struct Case {
        const char* name;
        HotKey::RULE invalid;
        HOTKEY replacement;
        BYTE held;
        BYTE key;
        std::uint16_t shown;
    };
    constexpr Case cases[] = {
        {"allowed alone", HotKey::RULE::SHIFT, HOTKEY::ALT, 0, 'A', 0x4100},
        {"alone forbidden", HotKey::RULE::NONE | HotKey::RULE::SHIFT, HOTKEY::CONTROL | HOTKEY::ALT,
         0, 'A', 0x4106},
        {"shift forbidden", HotKey::RULE::NONE | HotKey::RULE::SHIFT,
         HOTKEY::SHIFT | HOTKEY::CONTROL, VK_SHIFT, 'B', 0x4203},
        {"control allowed", HotKey::RULE::NONE | HotKey::RULE::SHIFT, HOTKEY::ALT, VK_CONTROL, 'C',
         0x4302},
    };
    test::RecordingWindow window;
    HotKey box(ITEM_ID{1}, window);
    BYTE none[256]{};
    const system::ScopeGuard release([&] { SetKeyboardState(none); });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        box.setRules(c.invalid, c.replacement);
        BYTE keys[256]{};
        keys[c.held] = 0x80;
        ASSERT_TRUE(SetKeyboardState(keys));
        if (c.held != 0) {
            SendMessageW(box.hwnd(), WM_KEYDOWN, c.held, 0);
        }
        SendMessageW(box.hwnd(), WM_KEYDOWN, c.key, 0);
        EXPECT_EQ(box.combination(), c.shown);
        ASSERT_TRUE(SetKeyboardState(none));
        SendMessageW(box.hwnd(), WM_KEYUP, c.key, 0xC0000001);
        if (c.held != 0) {
            SendMessageW(box.hwnd(), WM_KEYUP, c.held, 0xC0000001);
        }
    }
    box.setRules(HotKey::RULE::NONE, HOTKEY::CONTROL);
    box.setCombination(0x4400);
    EXPECT_EQ(box.combination(), 0x4400);
}

} // namespace
} // namespace tavrin::tvgui
