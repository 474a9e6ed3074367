#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "tvgui/control/listview.h"
#include "utility/colorvalue.h"

namespace tavrin::gui {

// The command list's colour pairs, one row each for "ID", "NAME" and "TAGS", under the
// columns "前景色" and "背景色". Every cell is painted in its row's pair, so the row shows how
// the command list will look. A double click on a cell, or Enter on a row (its text colour),
// opens the system's colour dialog for it; Delete gives the row back the system colours.
class CommandColorList final : public tvgui::ListView {
public:
    // Unset: the system's window-text colour for the text, its window colour for the back.
    using Color = std::optional<utility::ColorValue>;
    struct Pair {
        Color text;
        Color background;
        bool operator==(const Pair&) const = default;
    };
    static constexpr std::size_t ROWS = 3;
    using Pairs = std::array<Pair, ROWS>;
    // The columns a colour sits in.
    enum class COLUMN : int { TEXT = 1, BACKGROUND = 2 };

    CommandColorList(tvgui::ITEM_ID id, tvgui::TvGui& owner);

    void load(const Pairs& pairs);
    const Pairs& pairs() const noexcept { return pairs_; }

    // Opens the colour dialog for the cell and keeps the colour chosen.
    void choose(std::size_t row, COLUMN column);
    void reset(std::size_t row);
    // The selected row, if any.
    std::optional<std::size_t> selectedRow() const;

    // The list's own notifications, which its owner hands on: the answer when it was one of
    // them.
    std::optional<LRESULT> notified(NMHDR& header);

private:
    void show(std::size_t row);
    LRESULT paint(NMHDR& header) const;

    Pairs pairs_{};
};

} // namespace tavrin::gui
