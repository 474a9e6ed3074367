#pragma once

#include <vector>

#include "file/items/bmitem.h"
#include "tvgui/menu/ownerdrawmenu.h"

namespace tavrin::gui {

// The buttons' items as an owner-drawn menu, each with its caption and icon: item n (from
// 0) has the id n + 1.
class ButtonListMenu final : public tvgui::OwnerDrawMenu {
public:
    ButtonListMenu(const std::vector<file::BM_ITEM>& records, image::ICONSIZE size);
    ~ButtonListMenu() override { releaseAtEnd(system::logRefusedRelease); }
};

} // namespace tavrin::gui
