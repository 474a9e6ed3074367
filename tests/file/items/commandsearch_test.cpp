#include "file/items/commandsearch.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "file/items/foldedorder.h"

namespace tavrin::file::items {
namespace {

using MATCH = CommandSearch::MATCH;
using Use = CommandSearch::Use;

TEST(FoldForSearch, FoldsCaseWidthAndKana) {
    const struct {
        std::string text;
        std::string folded;
    } cases[] = {
        {"NoTe", "note"},
        {"ＮＯＴＥ１２３！", "note123!"},
        {"ｎｏｔｅ", "note"},
        {"全角　空白", "全角 空白"},
        {"メモ帳", "めも帳"},
        {"ﾒﾓ", "めも"},
        {"ｶﾞｷﾞﾄﾞ", "がぎど"},
        {"ﾊﾟﾋﾟﾎﾞ", "ぱぴぼ"},
        {"ｳﾞｧ", "ゔぁ"},
        // A mark after a kana that takes none stays a mark of its own.
        {"ｯﾞｱﾟ", "っ゛あ゜"},
        {"ﾞﾟ", "゛゜"},
        {"ｰｯ｡", "ーっ。"},
        {"ヴヵヶ・", "ゔゕゖ・"},
        {"ÀΩ한", "ÀΩ한"},
        // Invalid UTF-8 becomes U+FFFD, one per byte that starts no valid sequence.
        {"a\xff"
         "b",
         "a\xEF\xBF\xBD"
         "b"},
        {"\xE3\x81", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"ｶ\xE3", "か\xEF\xBF\xBD"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(foldForSearch(test.text), test.folded) << test.text;
    }
}

TEST(FoldedOrder, ComparesCodePointByCodePoint) {
    const struct {
        std::u32string left;
        std::u32string right;
    } ascending[] = {
        {U"ab", std::u32string(U"ab\0", 3)}, // the head pads with zeros
        {U"abcd", U"abce"},
        {U"abcda", U"abcdz"},
        {U"\uFFFF", U"\U00010000"}, // both count as U+FFFF in the head
        {U"\U00010000", U"\U00010001"},
        {U"a\U00010000b", U"a\U00010000c"},
        {U"", U"a"},
    };
    for (const auto& test : ascending) {
        const FoldedHead left(test.left);
        const FoldedHead right(test.right);
        EXPECT_LT(compareFolded(left, test.left, right, test.right), 0);
        EXPECT_GT(compareFolded(right, test.right, left, test.left), 0);
        EXPECT_EQ(compareFolded(left, test.left, left, test.left), 0);
    }
}

// A small item set whose keys overlap, so that every rule of the order decides somewhere.
ItemList sampleItems() {
    ItemList list;
    list.add({"note", "メモ帳", {"editor"}});
    list.add({"notepad2", "", {}});
    list.add({"nt", "Note Taker", {"notes"}});
    list.add({"calc", "電卓", {"note"}});
    list.add({"web", "Browser", {"network", "net"}});
    list.add({"Nob", "nob", {}});
    return list;
}

const char* matchName(MATCH match) {
    return match == MATCH::ID ? "ID" : match == MATCH::NAME ? "NAME" : "TAG";
}

// "id MATCH key", with " =" when the whole key was typed.
std::vector<std::string> describe(const CommandSearch& search, std::string_view typed,
                                  std::size_t limit) {
    std::vector<std::string> lines;
    for (const CommandSearch::Candidate& candidate : search.find(typed, limit)) {
        lines.push_back(search.items().at(candidate.position).id + " " +
                        matchName(candidate.match) + " " + candidate.key +
                        (candidate.exact ? " =" : ""));
    }
    return lines;
}

struct Started {
    std::string id;
    Use use;
};

TEST(CommandSearch, RanksExactThenUseThenKeyKindThenCaption) {
    const std::vector<Started> none;
    const std::vector<Started> countOutweighsDays = {{"calc", {2, "2026/01/15 00:00:00"}},
                                                     {"nt", {1, "2026/01/20 00:00:00"}},
                                                     {"note", {1, "2026/01/01 00:00:00"}}};
    const std::vector<Started> weeksOutweighCount = {{"calc", {2, "2026/01/01 00:00:00"}},
                                                     {"nt", {1, "2026/03/01 00:00:00"}},
                                                     {"notepad2", {9, "bad time"}}};
    const struct {
        std::string typed;
        std::size_t limit;
        const std::vector<Started>& started;
        std::vector<std::string> expected;
    } cases[] = {
        {"note",
         50,
         none,
         {"note ID note =", "calc TAG note =", "notepad2 ID notepad2", "nt NAME Note Taker"}},
        {"no",
         50,
         none,
         {"Nob ID Nob", "notepad2 ID notepad2", "note ID note", "nt NAME Note Taker",
          "calc TAG note"}},
        {"no", 2, none, {"Nob ID Nob", "notepad2 ID notepad2"}},
        {"no",
         50,
         countOutweighsDays,
         {"calc TAG note", "nt NAME Note Taker", "note ID note", "Nob ID Nob",
          "notepad2 ID notepad2"}},
        {"no",
         50,
         weeksOutweighCount,
         {"nt NAME Note Taker", "calc TAG note", "notepad2 ID notepad2", "Nob ID Nob",
          "note ID note"}},
        // An exact key outranks any use.
        {"NOTE",
         50,
         weeksOutweighCount,
         {"calc TAG note =", "note ID note =", "nt NAME Note Taker", "notepad2 ID notepad2"}},
        {"ﾒﾓ", 50, none, {"note NAME メモ帳"}},
        {"ＮＯＴＥ　Ｔ", 50, none, {"nt NAME Note Taker"}},
        {"net", 50, none, {"web TAG net ="}},
        {"netw", 50, none, {"web TAG network"}},
        {"nob", 50, none, {"Nob ID Nob ="}},
        {"", 50, none, {}},
        {"zzz", 50, none, {}},
        {"\xff", 50, none, {}},
        {"no", 0, none, {}},
    };
    for (const auto& test : cases) {
        // The same order whether the uses were read when building or noted afterwards.
        ItemList items = sampleItems();
        std::vector<Use> uses(items.size());
        for (const Started& start : test.started) {
            uses[&items.item(start.id) - items.items().data()] = start.use;
        }
        const CommandSearch built(items, uses);
        CommandSearch noted(std::move(items), {});
        for (const Started& start : test.started) {
            noted.noteUse(start.id, start.use.count, start.use.lastUse);
        }
        EXPECT_EQ(describe(built, test.typed, test.limit), test.expected) << test.typed;
        EXPECT_EQ(describe(noted, test.typed, test.limit), test.expected) << test.typed;
    }
}

TEST(CommandSearch, ALaterStartMovesTheItemUpAndUnknownIdsChangeNothing) {
    CommandSearch search(sampleItems(), {});
    const std::vector<std::string> before = describe(search, "no", 50);
    search.noteUse("missing", 5, "2026/01/01 00:00:00");
    search.noteUse("NOTE", 5, "2026/01/01 00:00:00"); // IDs are matched as stored
    EXPECT_EQ(describe(search, "no", 50), before);

    search.noteUse("note", 1, "2026/01/01 00:00:00");
    EXPECT_EQ(describe(search, "no", 1), std::vector<std::string>{"note ID note"});
    search.noteUse("calc", 1, "2026/01/01 00:00:01");
    EXPECT_EQ(describe(search, "no", 2),
              (std::vector<std::string>{"calc TAG note", "note ID note"}));
    search.noteUse("calc", 0, "");
    EXPECT_EQ(describe(search, "no", 50).back(), "calc TAG note");
}

} // namespace
} // namespace tavrin::file::items
