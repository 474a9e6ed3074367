#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "etc/drevak/drevak.h"
#include "file/items/groupbase.h"

namespace tavrin::file {

class Main;

// One main group, or the menu launcher's group: its entries are sub groups, whose lists hold
// item IDs.
class Sub final : public GroupBase {
public:
    Sub(Main& parent, std::string name, drevak::Drevak& node);

    Main& parent() const noexcept { return *parent_; }
    // Whether the sub group exists and lists at least one item.
    bool hasItems(std::string_view name) const;

private:
    Main* parent_;
};

// The main groups under "Group" of the groups document. The menu launcher's group "<Menu>" is
// a child of "Group" but not listed among the main groups.
class Main final : public GroupBase {
public:
    static constexpr std::string_view GROUP = "Group";
    static constexpr std::string_view MENU = "<Menu>";

    // A main group and one of its sub groups; either may be empty.
    struct Selection {
        std::string group;
        std::string subGroup;
    };

    explicit Main(drevak::Drevak& group);

    // The named child of "Group" (a listed main group, or "<Menu>"); none when it has no
    // node and is not listed, so every caller must be ready for a missing group.
    std::optional<Sub> sub(std::string_view name);
    // The view over "<Menu>", which is created when missing.
    Sub menu();

    // What the launcher shows first: the first group that has a sub group, with its first sub
    // group, so that an empty group never hides the others. When no group has one, the first
    // group without a sub group; nothing when there are no groups.
    Selection firstSelection() const;
};

} // namespace tavrin::file
