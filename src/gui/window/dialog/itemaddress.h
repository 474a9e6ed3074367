#pragma once

#include <string>
#include <vector>

#include "file/items/itemeditor.h"
#include "tvgui/control/editbox.h"
#include "tvgui/layout/layout.h"

namespace tavrin::gui {

// The member IDs of a multi-item, one per line.
class MultiInput final : public tvgui::MultiEdit {
public:
    MultiInput(tvgui::ITEM_ID id, tvgui::TvGui& owner);

    // The non-empty lines, blanks around them removed.
    std::vector<std::string> members() const;
    void members(const std::vector<std::string>& ids);
    // Keeps only the member on the caret's line ("このアイテム以外削除").
    void keepCaretLine();
};

// The address of an item in the input its kind needs: one line for a path, an address or a
// linked ID, the member list for a multi-item. Both live in one cell of the form; the kind
// decides which is shown. Each keeps its text while the other is shown, so switching the kind
// back and forth loses nothing.
class ItemAddress final : public tvgui::Layout {
public:
    ItemAddress(tvgui::ITEM_ID lineId, tvgui::ITEM_ID listId, tvgui::TvGui& owner,
                std::int32_t lineHeight);

    void kind(file::Item::TYPE type);
    void load(const file::ItemEditor& editor);
    // The address of the shown input into the editor (of the kind set last).
    void read(file::ItemEditor& editor) const;

    // Focuses the input on show.
    void focus();
    tvgui::EditLine& line() noexcept { return line_; }
    MultiInput& list() noexcept { return list_; }

protected:
    void arrange(const tvgui::Rect& rect) override;

private:
    tvgui::EditLine line_;
    MultiInput list_;
    std::int32_t lineHeight_;
    bool multi_ = false;
};

} // namespace tavrin::gui
