#pragma once

#include <cstdint>
#include <string_view>

#include "file/items/bmitem.h"
#include "file/items/item.h"
#include "tvgui/menu/datamenu.h"

namespace tavrin::gui {

// The menu launcher's menu: plain entries for the menu groups, then an owner-drawn column of
// the current group's items, each entry bound to its item.
class ExecuteMenu final : public tvgui::DataMenu<file::Item> {
public:
    // Icons of the size given; captions cut to textLimit characters (0: never cut).
    ExecuteMenu(image::ICONSIZE size, std::int64_t textLimit);
    ~ExecuteMenu() override { releaseAtEnd(system::logRefusedRelease); }

    // A group's entry: greyed when the group has nothing to show, bold when it is current.
    void addGroup(std::string_view name, UINT id, bool enabled, bool current);
    // The item's entry, greyed when the item has nothing to start; the first one starts the
    // column beside the groups. The record's icon moves into the menu.
    void addEntry(file::BM_ITEM& record, UINT id, bool first);

private:
    std::int64_t textLimit_;
};

} // namespace tavrin::gui
