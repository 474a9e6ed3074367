#include "file/items/grouptree.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <utility>

#include "etc/drevak/convert.h"
#include "file/items/groups.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

std::vector<GroupTree::SubGroup> subGroupsOf(Sub& group) {
    std::vector<GroupTree::SubGroup> subGroups;
    for (std::string& name : group.names()) {
        std::vector<std::string> items = group.childNames(name);
        subGroups.push_back({std::move(name), std::move(items)});
    }
    return subGroups;
}

std::vector<std::string> namesOf(std::span<const GroupTree::SubGroup> subGroups) {
    std::vector<std::string> names;
    for (const GroupTree::SubGroup& sub : subGroups) {
        names.push_back(sub.name);
    }
    return names;
}

std::vector<std::string> mainNamesOf(const GroupTree& tree) {
    std::vector<std::string> names;
    for (const GroupTree::MainGroup& group : tree.groups) {
        names.push_back(group.name);
    }
    return names;
}

// Every name against its siblings, so that nothing is written when one is refused.
void checkNames(const GroupTree& tree) {
    const std::vector<std::string> mainNames = mainNamesOf(tree);
    const auto check = [](const std::vector<std::string>& names, std::size_t index,
                          std::string_view where) {
        std::vector<std::string> others = names;
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(index));
        const std::string fault = groupNameFault(names[index], others);
        if (!fault.empty()) {
            throw system::GroupDataException(std::string(where) + fault);
        }
    };
    for (std::size_t index = 0; index < tree.groups.size(); ++index) {
        const GroupTree::MainGroup& group = tree.groups[index];
        if (!group.menu) {
            check(mainNames, index, "");
        }
        const std::vector<std::string> subNames = namesOf(group.subGroups);
        for (std::size_t sub = 0; sub < subNames.size(); ++sub) {
            check(subNames, sub, group.name + ": ");
        }
    }
}

} // namespace

GroupTree loadGroupTree(drevak::Drevak& groups) {
    Main main(groups.childOrNew(Main::GROUP));
    GroupTree tree;
    for (std::string& name : main.names()) {
        std::optional<Sub> group = main.sub(name);
        std::vector<GroupTree::SubGroup> subGroups =
            group ? subGroupsOf(*group) : std::vector<GroupTree::SubGroup>{};
        tree.groups.push_back({std::move(name), false, std::move(subGroups)});
    }
    Sub menu = main.menu();
    tree.groups.push_back({std::string(Main::MENU), true, subGroupsOf(menu)});
    return tree;
}

void saveGroupTree(const GroupTree& tree, drevak::Drevak& groups) {
    checkNames(tree);
    auto written = std::make_unique<drevak::Drevak>();
    std::vector<std::string> mainNames;
    for (const GroupTree::MainGroup& group : tree.groups) {
        if (group.menu) {
            if (group.subGroups.empty()) {
                continue;
            }
        } else {
            mainNames.push_back(group.name);
        }
        drevak::Drevak& node = written->childOrNew(group.menu ? Main::MENU : group.name);
        for (const GroupTree::SubGroup& sub : group.subGroups) {
            node.childOrNew(sub.name) = sub.items;
        }
        node = namesOf(group.subGroups);
    }
    *written = std::move(mainNames);
    written->Comment = groups.HaveChild(Main::GROUP) ? groups.GetChild(Main::GROUP).Comment : "";
    groups.RemoveChild(Main::GROUP);
    groups.AddChild(std::move(written), Main::GROUP);
}

std::string groupNameFault(std::string_view name, std::span<const std::string> siblings) {
    const std::string quoted = "\"" + std::string(name) + "\"";
    if (name.empty()) {
        return "グループ名が空です";
    }
    if (!drevak::Convert::isName(name) || name.find('\t') != std::string_view::npos) {
        return quoted + "はグループ名に使えません(改行・タブ・/ ; : = * @ \\ $ ? ! は不可)";
    }
    if (name == Main::MENU) {
        return quoted + "はメニューグループの名前です";
    }
    if (std::find(siblings.begin(), siblings.end(), name) != siblings.end()) {
        return quoted + "は同じ階層に既にあります";
    }
    return {};
}

std::string freeGroupName(std::string_view base, std::span<const std::string> siblings) {
    std::string candidate(base);
    for (int number = 2; std::find(siblings.begin(), siblings.end(), candidate) != siblings.end();
         ++number) {
        candidate = std::string(base) + " " + std::to_string(number);
    }
    return candidate;
}

} // namespace tavrin::file
