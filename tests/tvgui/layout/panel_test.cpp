#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "layouttest.h"
#include "tvgui/layout/dual.h"
#include "tvgui/layout/line.h"
#include "tvgui/layout/tansu.h"

namespace tavrin::tvgui {
namespace {

using test::layoutError;
using test::RecordingLayout;
using test::RecordingWindow;
using TYPE = CONTENT::TYPE;

TEST(Panel, CellsAreSetReadAndClearedInPlace) {
    RecordingWindow window;
    RecordingLayout inner;
    Tansu tansu(DIRECTION::HORIZON, 3);
    ASSERT_EQ(tansu.count(), 3u);
    EXPECT_EQ(tansu.contentAt(0).type(), TYPE::EMPTY);

    tansu.setGui(0, window);
    tansu.setLayout(1, inner);
    EXPECT_EQ(tansu.contentAt(0).type(), TYPE::WINDOW);
    EXPECT_EQ(tansu.gui(0), &window);
    EXPECT_EQ(tansu.panel(0), nullptr);
    EXPECT_EQ(tansu.contentAt(1).type(), TYPE::LAYOUT);
    EXPECT_EQ(tansu.panel(1), &inner);
    EXPECT_EQ(tansu.gui(1), nullptr);
    EXPECT_EQ(tansu.gui(2), nullptr);
    EXPECT_EQ(tansu.panel(2), nullptr);

    tansu.contentAt(2) = CONTENT(window);
    EXPECT_EQ(tansu.gui(2), &window);
    tansu.setContent(0, CONTENT(inner));
    EXPECT_EQ(tansu.panel(0), &inner);
    tansu.clearContent(1);
    EXPECT_EQ(tansu.contentAt(1), CONTENT());
    EXPECT_EQ(tansu.count(), 3u);
}

TEST(Panel, AppendingAddsCellsInOrderAndSetCountKeepsTheFirstOnes) {
    RecordingWindow window;
    RecordingLayout inner;
    Tansu tansu(DIRECTION::VERTICAL);
    EXPECT_EQ(tansu.count(), 0u);
    tansu.addGui(window);
    tansu.addLayout(inner);
    tansu.addEmpty();
    tansu += CONTENT(window);
    ASSERT_EQ(tansu.count(), 4u);
    EXPECT_EQ(tansu.contentAt(0), CONTENT(window));
    EXPECT_EQ(tansu.contentAt(1), CONTENT(inner));
    EXPECT_EQ(tansu.contentAt(2), CONTENT());
    EXPECT_EQ(tansu.contentAt(3), CONTENT(window));

    tansu.setCount(2);
    ASSERT_EQ(tansu.count(), 2u);
    EXPECT_EQ(tansu.panel(1), &inner);
    tansu.setCount(5);
    EXPECT_EQ(tansu.contentAt(4), CONTENT());
    EXPECT_EQ(tansu.gui(0), &window);
}

TEST(Line, KeepsOneRulePerCellWithFortyPixelsForAppendedCells) {
    RecordingWindow window;
    Line line(DIRECTION::HORIZON, 2);
    EXPECT_EQ(line.sizeAt(1).absolute(), 0);

    line.addGui(window);
    line.addLayout(line);
    line.addEmpty();
    line += CONTENT();
    ASSERT_EQ(line.count(), 6u);
    for (std::size_t i = 2; i < 6; ++i) {
        EXPECT_EQ(line.sizeAt(i).type(), SIZEINFO::TYPE::ABSOLUTE);
        EXPECT_EQ(line.sizeAt(i).absolute(), 40) << i;
    }

    line.sizeAt(2).setPercent(25);
    line.setCount(3);
    EXPECT_EQ(line.sizeAt(2).percent(), 25);
    line.setCount(4);
    EXPECT_EQ(line.sizeAt(3).absolute(), 0);
    EXPECT_TRUE(layoutError([&] { line.sizeAt(4); }));
}

TEST(Dual, StartsWithTwoEmptyPanesAndNoGap) {
    const Dual dual(DIRECTION::VERTICAL);
    ASSERT_EQ(dual.count(), 2u);
    EXPECT_EQ(dual.gui(0), nullptr);
    EXPECT_EQ(dual.panel(1), nullptr);
    EXPECT_EQ(dual.gap(), 0);
    EXPECT_EQ(dual.rule().absolute(), 0);
    EXPECT_EQ(dual.direction(), DIRECTION::VERTICAL);
}

struct IndexedOperation {
    const char* name;
    std::function<void(Line&, std::size_t)> run;
};

// Every operation on a cell index, named as its error is.
const IndexedOperation indexedOperations[] = {
    {"contentAt", [](Line& line, std::size_t i) { line.contentAt(i); }},
    {"setContent", [](Line& line, std::size_t i) { line.setContent(i, CONTENT()); }},
    {"setGui",
     [](Line& line, std::size_t i) {
         static RecordingWindow window;
         line.setGui(i, window);
     }},
    {"setLayout", [](Line& line, std::size_t i) { line.setLayout(i, line); }},
    {"clearContent", [](Line& line, std::size_t i) { line.clearContent(i); }},
    {"gui", [](Line& line, std::size_t i) { (void)line.gui(i); }},
    {"panel", [](Line& line, std::size_t i) { (void)line.panel(i); }},
    {"sizeAt", [](Line& line, std::size_t i) { line.sizeAt(i); }},
};

TEST(Panel, AWindowObjectThatIsGoneLeavesItsCellEmpty) {
    auto gone = std::make_unique<RecordingWindow>();
    RecordingWindow kept;
    Line line(DIRECTION::HORIZON);
    line.addGui(*gone);
    line.addGui(kept);
    gone.reset();
    EXPECT_EQ(line.contentAt(0).type(), TYPE::EMPTY);
    EXPECT_EQ(line.gui(0), nullptr);
    EXPECT_EQ(line.contentAt(0), CONTENT());
    line.layout({0, 0, 200, 30});
    EXPECT_EQ(kept.moves, std::vector<test::Move>{test::cell(40, 0, 80, 30)});
}

TEST(Panel, AnIndexOutOfRangeIsALayoutErrorCausedByTheRangeError) {
    for (const IndexedOperation& operation : indexedOperations) {
        Line line(DIRECTION::HORIZON, 3);
        EXPECT_NO_THROW(operation.run(line, 2)) << operation.name;
        const auto error = layoutError([&] { operation.run(line, 3); });
        ASSERT_TRUE(error) << operation.name;
        EXPECT_EQ(error->message(), operation.name);
        const auto* cause = dynamic_cast<const std::out_of_range*>(error->next().get());
        ASSERT_NE(cause, nullptr) << operation.name;
        EXPECT_EQ(std::string(cause->what()), "cell 3 of 3");
        EXPECT_EQ(line.count(), 3u);
    }
}

} // namespace
} // namespace tavrin::tvgui
