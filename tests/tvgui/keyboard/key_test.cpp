#include "tvgui/keyboard/key.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "system/tavrinerrors.h"
#include "system/win32.h"

namespace tavrin::tvgui {
namespace {

// Each name against the system's own virtual-key code: first, last, the odd spellings, the
// shared code, and each run's ends.
TEST(KeyTest, NamesAndTheSystemsCodesAgree) {
    struct Row {
        const char* name;
        int code;
    };
    const Row rows[] = {
        {"MOUSE_L", VK_LBUTTON},
        {"MOUSE_X2", VK_XBUTTON2},
        {"CREAR", VK_CLEAR},
        {"ENTER", VK_RETURN},
        {"JUNJA", VK_JUNJA},
        {"HANJA", VK_HANJA},
        {"KANJI", VK_KANJI},
        {"ESC", VK_ESCAPE},
        {"PGDN", VK_NEXT},
        {"PRINT_SCREEN", VK_SNAPSHOT},
        {"DELETE", VK_DELETE},
        {"HELP", VK_HELP},
        {"KEY_0", '0'},
        {"KEY_9", '9'},
        {"A", 'A'},
        {"X", 'X'},
        {"Z", 'Z'},
        {"WINDOWS_L", VK_LWIN},
        {"SLEEP", VK_SLEEP},
        {"PAD_0", VK_NUMPAD0},
        {"PAD_9", VK_NUMPAD9},
        {"PAD_ENTER", VK_SEPARATOR},
        {"PAD_DIVIDE", VK_DIVIDE},
        {"F1", VK_F1},
        {"F24", VK_F24},
        {"SCROLL_LOCK", VK_SCROLL},
        {"OME_92", 0x92},
        {"OME_96", 0x96},
        {"SHIFT_L", VK_LSHIFT},
        {"ALT_R", VK_RMENU},
        {"LAUNCH_APP2", VK_LAUNCH_APP2},
        {"OEM_1", VK_OEM_1},
        {"OEM_3", VK_OEM_3},
        {"OEM_4", VK_OEM_4},
        {"OEM_8", VK_OEM_8},
        {"OEM_102", VK_OEM_102},
        {"PROCESSKEY", VK_PROCESSKEY},
        {"PACKET", VK_PACKET},
        {"ATTN", VK_ATTN},
        {"OEM_CLEAR", VK_OEM_CLEAR},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const KEY key = keyOf(row.name);
        EXPECT_EQ(static_cast<int>(key), row.code);
        EXPECT_EQ(keyName(key), row.code == VK_KANJI ? "HANJA" : row.name);
    }
}

TEST(KeyTest, EveryMemberHasItsOwnNameAndOnlyTheSharedCodeComesBackRenamed) {
    const auto keys = allKeys();
    ASSERT_EQ(keys.size(), 176u);
    EXPECT_EQ(keyName(keys.front()), "MOUSE_L");
    EXPECT_EQ(keyName(keys.back()), "OEM_CLEAR");
    std::set<std::string_view> names;
    std::set<KEY> codes;
    for (const KEY key : keys) {
        names.insert(keyName(key));
        codes.insert(key);
        EXPECT_EQ(keyOf(keyName(key)), key);
    }
    EXPECT_EQ(codes.size(), 175u) << "only HANJA and KANJI share a code";
    EXPECT_EQ(names.size(), 175u);
    EXPECT_FALSE(names.contains("KANJI"));
}

TEST(KeyTest, UnknownCodesAndNamesRaiseConversionErrors) {
    for (const int code : {0x00, 0x07, 0x0A, 0x5E, 0x88, 0xE0, 0xFF}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(findKeyName(static_cast<KEY>(code)).has_value());
        try {
            keyName(static_cast<KEY>(code));
            ADD_FAILURE() << "a name for an unnamed code";
        } catch (const system::ConvertException& refused) {
            EXPECT_EQ(refused.message(), "There is no corresponding enum member name in KEY");
        }
    }
    for (const char* name : {"", "a", "CLEAR", "OEM_92", "F25", "KEY_A", " A"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(keyOf(name), system::ConvertException);
    }
}

} // namespace
} // namespace tavrin::tvgui
