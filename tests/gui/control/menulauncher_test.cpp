#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gui/control/executemenu.h"
#include "gui/control/menulauncher.h"
#include "launcherfixture.h"
#include "system/unicode.h"

namespace tavrin::gui::test {
namespace {

using file::fixture::writeBytes;

// Each entry of the menu as one line: its text, then what it shows ("default", "grey"), how it
// is made ("drawn", "break") and the ID of the item it is bound to.
std::vector<std::string> entries(const MenuLauncher& launcher) {
    std::vector<std::string> lines;
    const ExecuteMenu* menu = launcher.menu();
    if (menu == nullptr) {
        return lines;
    }
    for (int position = 0; position < GetMenuItemCount(menu->get()); ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_DATA;
        EXPECT_TRUE(GetMenuItemInfoW(menu->get(), position, TRUE, &info));
        EXPECT_EQ(info.wID, static_cast<UINT>(position + 1));
        std::string line;
        if (menu->isDrawn(info.wID)) {
            line = menu->drawItemOf(info.wID).text + "|drawn";
            EXPECT_EQ(info.dwItemData, 1u) << line;
        } else {
            wchar_t text[64]{};
            GetMenuStringW(menu->get(), info.wID, text, 64, MF_BYCOMMAND);
            line = system::toUtf8(text);
        }
        if ((info.fType & MFT_MENUBARBREAK) != 0) {
            line += "|break";
        }
        if ((info.fState & MFS_DEFAULT) != 0) {
            line += "|default";
        }
        if ((info.fState & MFS_GRAYED) != 0) {
            line += "|grey";
        }
        if (const file::Item* item = menu->getData(info.wID)) {
            line += "|" + item->id();
        }
        lines.push_back(line);
    }
    return lines;
}

// The groups come first with ids from 1, greyed when empty, the current one (its first entry
// only) as default; the current group's items follow in a column of their own, cut to the
// setting's length and bound to their items, greyed when they cannot start.
TEST_F(LauncherTest, MenuLauncherListsTheGroupsThenTheCurrentGroupsItems) {
    const std::string menuGroups = "Group/<Menu>$Work\tEmpty\tWork\tNet\r\n"
                                   "Group/<Menu>/Work$edit\tnothing\tprobe\tlost\r\n"
                                   "Group/<Menu>/Net$site\r\n";
    const struct {
        std::string groupsText;
        std::string settings;
        std::string current;
        std::vector<std::string> expected;
    } rows[]{
        {menuGroups,
         "Launcher/Menu/Text:5\r\n",
         "Work",
         {"Work|default", "Empty|grey", "Work", "Net", "Edito...|drawn|break|edit",
          "probe|drawn|probe", "lost|drawn|grey|lost"}},
        {menuGroups,
         "Launcher/Menu/Text:0\r\nLauncher/Menu/Icon:0\r\n",
         "Net",
         {"Work", "Empty|grey", "Work", "Net|default", "Site|drawn|break|site"}},
        {menuGroups, "", "Empty", {"Work", "Empty|default|grey", "Work", "Net"}},
        {"", "", "", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.current + " / " + row.settings);
        writeBytes(data / L"groups.dvk", row.groupsText);
        writeBytes(
            data / L"items.dvk",
            "Item/edit\\Editor\r\nItem/probe/Type:0\r\nItem/gone\\Gone\r\nItem/site\\Site\r\n"
            "Item/lost/Type:3\r\nItem/lost/Address\\nowhere\r\n");
        start(row.settings);
        MenuLauncher launcher(*application, [](const std::exception&) {});
        application->currentMenuGroup(row.current);
        launcher.rebuild();
        EXPECT_EQ(entries(launcher), row.expected);
        if (launcher.menu() != nullptr) {
            // After the four group entries.
            EXPECT_EQ(launcher.firstItemId(), 5u);
            EXPECT_EQ(launcher.menu()->iconSize(), MenuLauncher::iconSize(application->settings()));
        }
    }
}

} // namespace
} // namespace tavrin::gui::test
