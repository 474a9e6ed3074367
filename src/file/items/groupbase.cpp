#include "file/items/groupbase.h"

#include <algorithm>
#include <utility>

#include "etc/drevak/convert.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {

namespace {

const std::vector<std::string> noEntries;

bool holdsList(const drevak::Drevak& node) {
    return node.HaveFile() && node.FileType() == drevak::HAGATA::TSV_string;
}

const std::vector<std::string>& listOf(const drevak::Drevak* node) {
    return node != nullptr && holdsList(*node) ? node->GetStrings() : noEntries;
}

} // namespace

GroupBase::GroupBase(drevak::Drevak& node, std::string name) : Data(1), name_(std::move(name)) {
    bind(0, node);
    if (!holdsList(node)) {
        node = std::vector<std::string>{};
    }
}

std::size_t GroupBase::count() const {
    return entries().size();
}

std::string GroupBase::name(std::size_t index) const {
    const std::vector<std::string>& list = entries();
    if (index >= list.size()) {
        throw system::GroupDataError("GROUP.length = " + std::to_string(list.size()));
    }
    return list[index];
}

std::vector<std::string> GroupBase::names() const {
    return entries();
}

bool GroupBase::has(std::string_view name) const {
    const std::vector<std::string>& list = entries();
    return std::find(list.begin(), list.end(), name) != list.end();
}

drevak::Drevak& GroupBase::child(std::size_t index) {
    drevak::Drevak* found = index < count() ? listedChild(entries()[index]) : nullptr;
    if (found == nullptr) {
        throw system::GroupDataException("Index = " + std::to_string(index));
    }
    return *found;
}

drevak::Drevak& GroupBase::child(std::string_view name) {
    drevak::Drevak* found = listedChild(name);
    if (found == nullptr) {
        throw system::GroupDataException("GroupName = " + std::string(name));
    }
    return *found;
}

std::size_t GroupBase::childCount(std::size_t index) const {
    return entriesAt(index).size();
}

std::size_t GroupBase::childCount(std::string_view name) const {
    return entriesOf(name).size();
}

std::vector<std::string> GroupBase::childNames(std::size_t index) const {
    return entriesAt(index);
}

std::vector<std::string> GroupBase::childNames(std::string_view name) const {
    return entriesOf(name);
}

void GroupBase::raiseGone() const {
    throw system::GroupDataError("group \"" + name_ + "\" no longer exists");
}

drevak::Drevak* GroupBase::listedChild(std::string_view name) {
    drevak::Drevak& node = field(0);
    if (drevak::Drevak* found = node.ChildTable().find(name)) {
        return found;
    }
    if (!has(name) || !drevak::Convert::isName(name)) {
        return nullptr;
    }
    drevak::Drevak& created = node.childOrNew(name);
    created = std::vector<std::string>{};
    return &created;
}

const std::vector<std::string>& GroupBase::entries() const {
    return listOf(&field(0));
}

const std::vector<std::string>& GroupBase::entriesAt(std::size_t index) const {
    const std::vector<std::string>& list = entries();
    if (index >= list.size()) {
        throw system::GroupDataError("childNames.length = " + std::to_string(list.size()));
    }
    return entriesOf(list[index]);
}

const std::vector<std::string>& GroupBase::entriesOf(std::string_view name) const {
    return listOf(field(0).ChildTable().find(name));
}

} // namespace tavrin::file
