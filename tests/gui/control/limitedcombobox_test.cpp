#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/control/limitedcombobox.h"
#include "logfiles.h"
#include "testwindow.h"

namespace tavrin::gui {
namespace {

using Integer = LimitedComboBox::Integer;
using Make = std::function<std::unique_ptr<LimitedComboBox>(tvgui::TvGui&)>;

template <typename Combo> Make maker() {
    return [](tvgui::TvGui& owner) { return std::make_unique<Combo>(tvgui::ITEM_ID{4}, owner); };
}

std::vector<std::string> letters() {
    std::vector<std::string> names;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        names.emplace_back(1, letter);
    }
    return names;
}

struct KindCase {
    const char* name;
    Make make;
    std::vector<std::string> labels;
    // Stored values and the positions they select, both ways.
    std::vector<std::pair<Integer, int>> known;
    Integer outside;
    const char* outsideLog;
    const char* positionLog;
};

const KindCase kindCases[] = {
    {"kind",
     maker<TypeComboBox>(),
     {"通常", "URI", "複数", "リンク"},
     {{0, 0}, {2, 2}, {3, 3}},
     5,
     "[5]は指定値以外のためItem.TYPE.NORMALへ",
     "[-1]は指定値以外のためItem.TYPE.NORMALへ"},
    {"show code",
     maker<ShowComboBox>(),
     {"通常表示", "最小化", "最大化", "通常表示(非アクティブ)", "最小化(非アクティブ)"},
     {{1, 0}, {4, 3}, {7, 4}},
     0,
     "[0]は指定値以外のため通常表示へ",
     "[-1]は指定値以外のため通常表示へ"},
    {"key",
     maker<KeyComboBox>(),
     letters(),
     {{'A', 0}, {'Q', 16}, {'Z', 25}},
     '5',
     "[53]は指定値以外のためKEY.Aへ",
     "[-1]は指定値以外のため0へ"},
};

TEST(LimitedComboBoxTest, MapsItsLabelsBothWaysAndKeepsAStoredValueItCannotName) {
    for (const KindCase& kind : kindCases) {
        SCOPED_TRACE(kind.name);
        tvgui::test::RecordingWindow window;
        const std::unique_ptr<LimitedComboBox> combo = kind.make(window);
        EXPECT_EQ(combo->type(), tvgui::ComboBox::TYPE::DROPDOWNLIST);
        EXPECT_EQ(combo->texts(), kind.labels);
        for (const auto& [stored, position] : kind.known) {
            combo->value(stored);
            EXPECT_EQ(combo->selectedIndex(), position);
            combo->selectIndex(position);
            EXPECT_EQ(combo->value(), stored);
        }

        systemtest::TestLog log;
        combo->value(kind.outside);
        const std::string extra = "(" + std::to_string(kind.outside) + ")";
        EXPECT_EQ(combo->count(), static_cast<int>(kind.labels.size()) + 1);
        EXPECT_EQ(combo->text(), extra);
        EXPECT_EQ(combo->value(), kind.outside);
        // The user chooses another entry, then the extra one again.
        combo->selectIndex(kind.known.front().second);
        EXPECT_EQ(combo->value(), kind.known.front().first);
        combo->selectIndex(static_cast<int>(kind.labels.size()));
        EXPECT_EQ(combo->value(), kind.outside);
        // A value of the list drops the extra entry again.
        combo->value(kind.known.back().first);
        EXPECT_EQ(combo->texts(), kind.labels);

        combo->selectIndex(-1);
        EXPECT_EQ(combo->value(), combo->entries().front().value);
        EXPECT_EQ(systemtest::logMessages(log.end()),
                  (std::vector<std::string>{kind.outsideLog, kind.positionLog}));
    }
}

} // namespace
} // namespace tavrin::gui
