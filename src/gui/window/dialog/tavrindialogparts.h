#pragma once

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "gui/control/windowposcombobox.h"
#include "gui/window/dialog/commandcolorlist.h"
#include "gui/window/dialog/tavrindialog.h"
#include "tvgui/control/editbox.h"
#include "tvgui/control/group.h"
#include "tvgui/control/groupbox.h"
#include "tvgui/control/hotkeycontrol.h"
#include "tvgui/control/statc.h"
#include "tvgui/control/updown.h"
#include "tvgui/layout/dual.h"
#include "tvgui/layout/line.h"

namespace tavrin::gui {

// The largest count the number settings take: what the arrows can count to.
constexpr drevak::Integer COUNT_LIMIT = std::numeric_limits<int>::max();

// The client size the page's boxes need, in 96-DPI pixels.
SIZE tavrinPageClient();

// The page's controls in their five boxes, and the panels that place them.
struct TavrinDialog::Parts {
    explicit Parts(TavrinDialog& dialog);

    static constexpr tvgui::Radio::AUTO AUTO = tvgui::Radio::AUTO::NONE;

    tvgui::GroupBox windowBox;
    WindowPosComboBox position;
    tvgui::CheckBox front;
    tvgui::GroupBox folderBox;
    tvgui::Radio folderDefault;
    tvgui::Radio folderExplorer;
    tvgui::Radio folderItem;
    tvgui::ComboBox program;
    tvgui::GroupBox buttonBox;
    tvgui::Radio button16;
    tvgui::Radio button32;
    tvgui::CheckBox buttonText;
    tvgui::CheckBox buttonList;
    tvgui::GroupBox menuBox;
    tvgui::Radio menu16;
    tvgui::Radio menu32;
    tvgui::TextLabel menuTextLabel;
    tvgui::EditLine menuText;
    tvgui::UpDown menuTextArrows;
    tvgui::CheckBox menuDesktop;
    tvgui::GroupBox commandBox;
    tvgui::Radio command16;
    tvgui::Radio command32;
    tvgui::TextLabel timerLabel;
    tvgui::EditLine timer;
    tvgui::UpDown timerArrows;
    tvgui::Push font;
    tvgui::TextLabel keysLabel;
    tvgui::control::HotKey keys;
    CommandColorList colors;
    tvgui::Push colorReset;
    tvgui::RadioGroup folder;
    tvgui::RadioGroup buttonIcon;
    tvgui::RadioGroup menuIcon;
    tvgui::RadioGroup commandIcon;
    // The panels the boxes and rows are made of.
    std::vector<std::unique_ptr<tvgui::Layout>> layouts;
    tvgui::Line left{tvgui::DIRECTION::VERTICAL};
    tvgui::Line right{tvgui::DIRECTION::VERTICAL};
    tvgui::Dual page{tvgui::DIRECTION::HORIZON};

private:
    // A row of cells of fixed widths; a width of -1 takes the rest.
    tvgui::Line& row(std::initializer_list<std::pair<tvgui::Placeable*, std::int32_t>> cells);
    tvgui::Layout& dropDown(tvgui::TvGui& list);
    // The box's rows one above the other, each with its height, laid out inside its frame.
    void box(tvgui::GroupBox& frame,
             std::initializer_list<std::pair<tvgui::Layout*, std::int32_t>> rows);
    void layOut(TavrinDialog& dialog);
};

} // namespace tavrin::gui
