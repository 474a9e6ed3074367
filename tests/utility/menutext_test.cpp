#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "utility/menutext.h"

namespace tavrin::utility {
namespace {

// Captions are cut by characters, whatever their width in bytes: one, two, three and four
// bytes (the last a surrogate pair in UTF-16); a limit of 0 or below cuts nothing.
TEST(MenuText, CutsByCharactersNeverInsideOne) {
    const struct {
        std::string caption;
        std::int64_t limit;
        std::string shown;
    } rows[]{
        {"あいうえおかきく", 5, "あいうえお..."},
        {"あいうえお", 5, "あいうえお"},
        {"あいうえおか", 5, "あいうえお..."},
        {"あいうえおかきく", 0, "あいうえおかきく"},
        {"あいうえおかきく", -3, "あいうえおかきく"},
        {"abcdefgh", 3, "abc..."},
        {"abc", 3, "abc"},
        {"aé😀bc", 3, "aé😀..."},
        {"😀😀😀", 2, "😀😀..."},
        {"😀😀", 2, "😀😀"},
        {"é", 1, "é"},
        {"", 4, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.caption + " / " + std::to_string(row.limit));
        EXPECT_EQ(menuText(row.caption, row.limit), row.shown);
    }
}

} // namespace
} // namespace tavrin::utility
