#include "gui/window/dialog/commandcolorlist.h"

#include <cstdio>
#include <string>

#include "gui/window/dialog/choosedialogs.h"

namespace tavrin::gui {

namespace {

using tvgui::CUSTOMDRAW;
using tvgui::LISTCOLUMN;
using RETURN = CUSTOMDRAW::RETURN;

// In 96-DPI pixels.
constexpr int LABEL_WIDTH = 60;
constexpr int COLOR_WIDTH = 96;

constexpr std::array<const char*, CommandColorList::ROWS> ROW_LABELS{"ID", "NAME", "TAGS"};

utility::ColorValue textOf(const CommandColorList::Pair& pair) {
    return pair.text.value_or(GetSysColor(COLOR_WINDOWTEXT));
}
utility::ColorValue backgroundOf(const CommandColorList::Pair& pair) {
    return pair.background.value_or(GetSysColor(COLOR_WINDOW));
}

std::string colorText(const CommandColorList::Color& color) {
    if (!color) {
        return "既定";
    }
    char text[8]{};
    std::snprintf(text, sizeof text, "#%02X%02X%02X", *color & 0xFFU, (*color >> 8) & 0xFFU,
                  (*color >> 16) & 0xFFU);
    return text;
}

} // namespace

CommandColorList::CommandColorList(tvgui::ITEM_ID id, tvgui::TvGui& owner)
    : ListView(id, owner, TYPE::REPORT) {
    singleSelect(true);
    fullRowSelect(true);
    noHideSelect(true);
    const auto column = [this](int index, const char* text, int width) {
        insertColumn(index, {LISTCOLUMN::MASK::TEXT | LISTCOLUMN::MASK::WIDTH,
                             LISTCOLUMN::POSITION::LEFT, static_cast<int>(scale(width)), text});
    };
    column(0, "", LABEL_WIDTH);
    column(static_cast<int>(COLUMN::TEXT), "前景色", COLOR_WIDTH);
    column(static_cast<int>(COLUMN::BACKGROUND), "背景色", COLOR_WIDTH);
    for (std::size_t row = 0; row < ROWS; ++row) {
        tvgui::LISTITEM item;
        item.mask = tvgui::LISTITEM::MASK::TEXT;
        item.item = static_cast<int>(row);
        item.text = ROW_LABELS[row];
        insertItem(item);
        show(row);
    }
}

void CommandColorList::load(const Pairs& pairs) {
    pairs_ = pairs;
    for (std::size_t row = 0; row < ROWS; ++row) {
        show(row);
    }
}

void CommandColorList::choose(std::size_t row, COLUMN column) {
    Pair& pair = pairs_.at(row);
    const bool text = column == COLUMN::TEXT;
    const std::optional<COLORREF> chosen =
        chooseColor(hwnd(), text ? textOf(pair) : backgroundOf(pair));
    if (chosen) {
        (text ? pair.text : pair.background) = *chosen;
        show(row);
    }
}

void CommandColorList::reset(std::size_t row) {
    pairs_.at(row) = {};
    show(row);
}

std::optional<std::size_t> CommandColorList::selectedRow() const {
    const int selected = nextItem(-1, NEXT::SELECTED);
    if (selected < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(selected);
}

void CommandColorList::show(std::size_t row) {
    const int index = static_cast<int>(row);
    itemText(index, static_cast<int>(COLUMN::TEXT), colorText(pairs_[row].text));
    itemText(index, static_cast<int>(COLUMN::BACKGROUND), colorText(pairs_[row].background));
    invalidate(false);
}

std::optional<LRESULT> CommandColorList::notified(NMHDR& header) {
    switch (static_cast<EVENT>(header.code)) {
    case EVENT::CUSTOMDRAW:
        return paint(header);
    case EVENT::DBLCLK: {
        const auto& activated = reinterpret_cast<const NMITEMACTIVATE&>(header);
        if (activated.iItem >= 0 && activated.iSubItem > 0) {
            choose(static_cast<std::size_t>(activated.iItem),
                   static_cast<COLUMN>(activated.iSubItem));
        }
        return 0;
    }
    case EVENT::KEYDOWN: {
        const WORD key = reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey;
        if (const std::optional<std::size_t> row = selectedRow(); row && key == VK_DELETE) {
            reset(*row);
        }
        return 0;
    }
    default:
        break;
    }
    if (header.code == NM_RETURN) {
        if (const std::optional<std::size_t> row = selectedRow()) {
            choose(*row, COLUMN::TEXT);
        }
        return 0;
    }
    return std::nullopt;
}

LRESULT CommandColorList::paint(NMHDR& header) const {
    CUSTOMDRAW draw(header);
    switch (draw.stage()) {
    case CUSTOMDRAW::STAGE::PREPAINT:
        return CUSTOMDRAW::answer(RETURN::NOTIFYITEMDRAW);
    case CUSTOMDRAW::STAGE::ITEMPREPAINT:
        return CUSTOMDRAW::answer(RETURN::NOTIFYSUBITEMDRAW);
    default:
        break;
    }
    if (draw.stage() == (CUSTOMDRAW::STAGE::ITEMPREPAINT | CUSTOMDRAW::STAGE::SUBITEM) &&
        draw.item() < ROWS) {
        const Pair& pair = pairs_[draw.item()];
        if (subItem(draw) > 0) {
            paintColors(draw, textOf(pair), backgroundOf(pair));
        } else {
            paintColors(draw, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW));
        }
        return CUSTOMDRAW::answer(RETURN::NEWFONT);
    }
    return CUSTOMDRAW::answer(RETURN::DODEFAULT);
}

} // namespace tavrin::gui
