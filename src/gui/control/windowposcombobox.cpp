#include "gui/control/windowposcombobox.h"

#include <string>

#include "system/log.h"

namespace tavrin::gui {

namespace {

constexpr drevak::Integer FLOAT_VALUE = static_cast<drevak::Integer>(file::App::POSITION::FLOAT);
constexpr const char* OUTSIDE_LOG = "[%s]は指定値以外のためApp.POSITION.FLOATへ";
constexpr const char* SELECTION_LOG = "[%s]は指定値以外のため4へ";

void logOutside(const char* format, drevak::Integer value) noexcept {
    system::WriteLog([&] { return system::formatLog(format, {std::to_string(value)}); });
}

} // namespace

WindowPosComboBox::WindowPosComboBox(tvgui::ITEM_ID id, tvgui::TvGui& owner)
    : LimitedComboBox(id, owner,
                      {{"左部", 0},
                       {"上部", 1},
                       {"右部", 2},
                       {"下部", 3},
                       {"フロート", FLOAT_VALUE},
                       {"非表示", 5}},
                      OUTSIDE_LOG, SELECTION_LOG) {}

void WindowPosComboBox::windowPos(POSITION stored) {
    const auto value = static_cast<Integer>(stored);
    if (value < 0 || static_cast<std::size_t>(value) >= entries().size()) {
        logOutside(OUTSIDE_LOG, value);
        selectIndex(static_cast<int>(FLOAT_VALUE));
        return;
    }
    selectIndex(static_cast<int>(value));
}

WindowPosComboBox::POSITION WindowPosComboBox::windowPos() const {
    const int selected = selectedIndex().value_or(-1);
    if (selected < 0 || static_cast<std::size_t>(selected) >= entries().size()) {
        logOutside(SELECTION_LOG, selected);
        return POSITION::FLOAT;
    }
    return static_cast<POSITION>(entries()[static_cast<std::size_t>(selected)].value);
}

} // namespace tavrin::gui
