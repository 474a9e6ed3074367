#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "etc/drevak/drevak.h"
#include "file/data.h"

namespace tavrin::file {

// A view over a node whose value lists entry names, each naming a child whose value is again
// a list. Nothing is cached: every call reads the document as it stands.
//
// An empty list is written as a line that the reader drops, so after a reload a listed entry
// may have no child at all. A missing child therefore reads as an empty list everywhere, and
// one that is listed is created empty when its node is asked for.
class GroupBase : public Data {
public:
    std::size_t count() const;
    // Raises GroupDataError "GROUP.length = <count>" outside the list.
    std::string name(std::size_t index) const;
    std::vector<std::string> names() const;
    bool has(std::string_view name) const;

    // Raises GroupDataException "Index = <index>" outside the list or when the entry cannot
    // name a node.
    drevak::Drevak& child(std::size_t index);
    // Raises GroupDataException "GroupName = <name>" when there is no such child and the
    // name is not listed (or cannot name a node).
    drevak::Drevak& child(std::string_view name);

    // The child's list by entry; both raise GroupDataError "childNames.length = <count>"
    // outside the list.
    std::size_t childCount(std::size_t index) const;
    std::vector<std::string> childNames(std::size_t index) const;
    // The child's list by name, empty when there is no such child.
    std::size_t childCount(std::string_view name) const;
    std::vector<std::string> childNames(std::string_view name) const;

protected:
    // The view over the group called name (named in its errors). A node whose value is
    // missing or not a string list gets the empty list.
    GroupBase(drevak::Drevak& node, std::string name);

    // The child, created empty when the name is listed but has no node; null otherwise.
    drevak::Drevak* listedChild(std::string_view name);

    // GroupDataError "group "<name>" no longer exists".
    [[noreturn]] void raiseGone() const override;

private:
    const std::vector<std::string>& entries() const;
    const std::vector<std::string>& entriesAt(std::size_t index) const;
    const std::vector<std::string>& entriesOf(std::string_view name) const;

    std::string name_;
};

} // namespace tavrin::file
