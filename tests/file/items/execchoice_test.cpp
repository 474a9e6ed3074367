#include "file/items/execchoice.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "itemdocument.h"

namespace tavrin::file {
namespace {

using fixture::itemsDocument;
using Strings = std::vector<std::string>;

// Only what the user changed overrides the stored settings, compared to the letter; an
// untouched dialog passes no override at all.
TEST(ExecChoice, OnlyChangedSettingsOverride) {
    drevak::DvkDocument document = itemsDocument({
        "Item/set\\Set",
        "Item/set/Address\\C:\\\\Tools\\\\set.exe",
        "Item/set/WorkFolder\\C:\\\\Work\\\\",
        "Item/set/Option\\-n",
        "Item/set/Show:2",
        "Item/bare\\Bare",
        "Item/bare/Address\\C:\\\\Tools\\\\bare.exe",
    });
    const struct {
        const char* id;
        ExecChoice chosen;
        std::uint32_t mask;
        std::string workFolder;
        std::string option;
        std::int32_t show;
    } rows[]{
        {"set", {"C:\\Work\\", "-n", 2}, 0, "", "", 0},
        {"set", {"C:\\Work", "-n", 2}, OverrideInfo::WORK_FOLDER, "C:\\Work", "", 0},
        {"set", {"C:\\Work\\", "-n ", 3}, OverrideInfo::OPTION | OverrideInfo::SHOW, "", "-n ", 3},
        {"set", {"", "", 2}, OverrideInfo::WORK_FOLDER | OverrideInfo::OPTION, "", "", 0},
        // The box shows the file's folder where nothing is stored: that folder overrides.
        {"bare", {"C:\\Tools\\", "", 1}, OverrideInfo::WORK_FOLDER, "C:\\Tools\\", "", 0},
        {"bare", {"", "", 1}, 0, "", "", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.id) + " [" + row.chosen.workFolder + "] [" +
                     row.chosen.option + "]");
        const Item item(row.id, document.GetChild("Item"));
        const std::optional<OverrideInfo> changed = overrideOf(item, row.chosen);
        ASSERT_EQ(changed.has_value(), row.mask != 0);
        if (changed) {
            EXPECT_EQ(changed->mask, row.mask);
            EXPECT_EQ(changed->workFolder, row.workFolder);
            EXPECT_EQ(changed->option, row.option);
            EXPECT_EQ(changed->show, row.show);
        }
    }
}

// A start puts what was typed at the front of the box's history: moved there when it was
// further down, never blank, never twice, cut at the limit, nothing with limit 0 or when the
// box kept the text it started with.
TEST(ExecChoice, HistoryTakesTheTypedTextFirst) {
    const struct {
        Strings older;
        const char* started;
        const char* typed;
        std::size_t limit;
        std::optional<Strings> expected;
    } rows[]{
        {{"a", "b"}, "s", "c", 16, Strings{"c", "a", "b"}},
        {{"a", "b", "c"}, "s", "c", 16, Strings{"c", "a", "b"}},
        {{"c", "a"}, "s", " c\t", 16, Strings{"c", "a"}},
        {{"a", "b", "c"}, "s", "d", 3, Strings{"d", "a", "b"}},
        {{"a", "", "a", " b "}, "s", "d", 16, Strings{"d", "a", "b"}},
        {{"a"}, "s", "d", 0, std::nullopt},
        {{"a"}, " s", "s ", 16, std::nullopt},
        {{"a"}, "s", "  ", 16, std::nullopt},
        {{}, "", "x", 1, Strings{"x"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string("[") + row.typed + "] limit " + std::to_string(row.limit));
        EXPECT_EQ(updatedHistory(row.older, row.started, row.typed, row.limit), row.expected);
    }
}

} // namespace
} // namespace tavrin::file
