#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "etc/drevak/dvkdocument.h"
#include "file/items/grouptree.h"
#include "gui/control/grouptreeview.h"
#include "gui/window/dialog/selectdialog.h"
#include "gui/window/dialog/settinginframe.h"

namespace tavrin::gui {

// The groups: main groups, the menu group, their sub groups and the sub groups' items as one
// tree, beside the list of the items to put in them. It reads the shared copies of the groups
// and items documents when entered and writes the "Group" part of the groups copy when left.
class GroupDialog final : public SelectDialog, public ISettingInFrame {
public:
    enum class CTRL : std::uint16_t { TREE = 10, LIST = 11, HINT = 12 };
    // The commands of the tree's menu; the buttons' ids are their commands too.
    enum class COMMAND : std::uint16_t {
        INSERT_MAIN = 20,
        ADD_MAIN = 21,
        INSERT_SUB = 22,
        ADD_SUB = 23,
        INSERT_ITEM = 24,
        ADD_ITEM = 25,
        RENAME = 26,
        UP = 27,
        DOWN = 28,
        REMOVE = 29,
    };
    static constexpr std::string_view MAIN_NAME = file::NEW_MAIN_GROUP;
    static constexpr std::string_view SUB_NAME = file::NEW_SUB_GROUP;
    static constexpr std::string_view NAME_CAPTION = "グループ名";

    GroupDialog(tvgui::TvGui* owner, drevak::DvkDocument& groups, drevak::DvkDocument& items);
    ~GroupDialog() override;

    tvgui::Dialog& pageWindow() noexcept override { return *this; }
    void enterPage() override;
    bool leavePage() override;
    bool edited() const override;
    const drevak::DvkDocument& document() const noexcept override { return groups_; }

    // The commands offered for an entry of the kind, in menu order.
    static std::vector<COMMAND> offered(GROUP_KIND kind);

    bool OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui& sender) override;
    bool OnMenuCommand(tvgui::COMMAND_ID id) override;
    LRESULT OnNotify(NMHDR& header, tvgui::ITEM_ID id) override;
    void OnContextMenu(tvgui::TvGui* window, int x, int y) override;
    void OnMouseMove(tvgui::MOUSE_KEY key, int x, int y) override;
    bool OnMouseLeftUp(tvgui::MOUSE_KEY key, int x, int y) override;

private:
    struct Parts;

    // Runs the command on the selected entry when its kind offers it.
    void run(COMMAND command);
    // Enables the buttons whose commands the selected entry offers.
    void updateButtons();
    // Adds a group under the name the user gives, the proposed one offered; none when the
    // user cancels.
    void insertGroup(GROUP_KIND kind, bool atSelection);
    std::optional<std::string> askName(const std::string& proposed,
                                       const std::vector<std::string>& siblings);
    void addListed(bool atSelection);
    // Whether the label edit may end with text; a refusal is shown.
    bool renamed(HTREEITEM node, const std::optional<std::string>& text);
    void showMenu(POINT screen);
    LRESULT treeNotify(NMHDR& header);
    LRESULT listNotify(NMHDR& header);
    // The tree's entry under a point of the dialog's client area.
    HTREEITEM entryAt(POINT client) const;
    void endDrag(POINT client);

    drevak::DvkDocument& groups_;
    drevak::DvkDocument& items_;
    // What is being dragged: a tree entry, or the IDs of the list's items.
    HTREEITEM draggedEntry_ = nullptr;
    std::vector<std::string> draggedIds_;
    bool dragging_ = false;
    bool refusing_ = false;
    std::unique_ptr<Parts> parts_;
};

} // namespace tavrin::gui
