#include "file/items/itemrenaming.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include "etc/drevak/drevakexception.h"
#include "file/items/item.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

using TYPE = Item::TYPE;

// The list with every from replaced by to; from dropped when to is empty.
std::vector<std::string> replaced(std::vector<std::string> list, std::string_view from,
                                  const std::string& to) {
    if (to.empty()) {
        std::erase(list, from);
    } else {
        std::replace(list.begin(), list.end(), std::string(from), to);
    }
    return list;
}

// Rewrites a list node that mentions the ID; other values are no group list and stay.
void replaceIn(drevak::Drevak& node, std::string_view from, const std::string& to) {
    if (!node.HaveFile() || node.FileType() != drevak::HAGATA::TSV_string) {
        return;
    }
    const std::vector<std::string>& list = node.GetStrings();
    if (std::find(list.begin(), list.end(), from) != list.end()) {
        node = replaced(list, from, to);
    }
}

void replaceInGroups(drevak::Drevak& groups, std::string_view from, const std::string& to) {
    for (drevak::Drevak* group : groups.Children()) {
        for (drevak::Drevak* sub : group->Children()) {
            replaceIn(*sub, from, to);
        }
    }
}

// Visits every child of items that can be viewed as an item; the others are no item to the
// launcher either.
void eachItem(drevak::Drevak& items, const std::function<void(Item&)>& visit) {
    for (const std::string& id : items.ChildNames()) {
        std::optional<Item> item;
        try {
            item.emplace(id, items);
        } catch (const system::ItemException&) {
            continue;
        }
        visit(*item);
    }
}

// The node of an ID that may be an address stored before IDs became single names.
std::pair<drevak::Drevak*, std::string> parentAndName(drevak::Drevak& items,
                                                      const std::string& id) {
    const std::size_t slash = id.rfind('/');
    if (slash == std::string::npos) {
        return {&items, id};
    }
    return {&items.GetChild(std::string_view(id).substr(0, slash)), id.substr(slash + 1)};
}

} // namespace

ItemReferrers referrersOf(drevak::Drevak& items, std::string_view id) {
    ItemReferrers referrers;
    eachItem(items, [&](Item& item) {
        if (item.type() == TYPE::LINK && item.linkAddress() == id) {
            referrers.links.push_back(item.id());
        } else if (item.type() == TYPE::MULTI) {
            const std::vector<std::string> members = item.multiAddresses();
            if (std::find(members.begin(), members.end(), id) != members.end()) {
                referrers.multis.push_back(item.id());
            }
        }
    });
    return referrers;
}

void renameItem(drevak::Drevak& items, drevak::Drevak& groups, ItemNaming& settings,
                const std::string& from, const std::string& to) {
    auto [parent, name] = parentAndName(items, from);
    if (parent == &items) {
        items.RenameChild(name, to);
    } else {
        items.AddChild(parent->GetChild(name).Dup(true), to);
        parent->RemoveChild(name);
    }
    replaceInGroups(groups, from, to);
    settings.itemRenamed(from, to);
    eachItem(items, [&](Item& item) {
        if (item.type() == TYPE::LINK && item.linkAddress() == from) {
            item.setLinkAddress(to);
        } else if (item.type() == TYPE::MULTI) {
            item.setMultiAddresses(replaced(item.multiAddresses(), from, to));
        }
    });
}

void deleteItem(drevak::Drevak& items, drevak::Drevak& groups, ItemNaming& settings,
                const std::string& id) {
    const ItemReferrers referrers = referrersOf(items, id);
    auto [parent, name] = parentAndName(items, id);
    parent->RemoveChild(name);
    replaceInGroups(groups, id, "");
    settings.itemDeleted(id);
    for (const std::string& multi : referrers.multis) {
        Item item(multi, items);
        item.setMultiAddresses(replaced(item.multiAddresses(), id, ""));
    }
    for (const std::string& link : referrers.links) {
        if (link != id) {
            deleteItem(items, groups, settings, link);
        }
    }
}

} // namespace tavrin::file
