#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tvgui/menu/ownerdrawmenu.h"

namespace tavrin::gui {

// One entry of a listed folder.
struct FileEntry {
    std::wstring name;
    bool folder = false;
};

// The order of a folder's entries in its menu: sub-folders by name, then files by extension
// and, for equal extensions, by name without extension; no comparison minds case.
bool fileSortLess(const FileEntry& left, const FileEntry& right);

// An owner-drawn menu of a folder: "親フォルダ" (its parent, when it has one) and
// "このフォルダ" first, then its entries in file order. It is listed when it first opens,
// so a folder nobody looks into is never read.
class ItemFileMenu final : public tvgui::OwnerDrawMenu {
public:
    // Above every id of the item menu the file menu hangs in.
    static constexpr UINT FIRST_ID = 0x100;

    // folder ends with a backslash.
    ItemFileMenu(std::string folder, image::ICONSIZE size);
    ~ItemFileMenu() override { releaseAtEnd(system::logRefusedRelease); }

    // Lists the folder, once; an entry the menu refuses is left out.
    void fill();
    // The path an entry stands for; nothing for an id that is not one of its entries.
    std::optional<std::string> pathOf(UINT id) const;

private:
    void addEntry(const std::string& text, std::string path, bool folder);

    std::string folder_;
    std::vector<std::string> paths_;
    bool filled_ = false;
};

} // namespace tavrin::gui
