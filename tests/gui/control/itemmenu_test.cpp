#include <map>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gui/control/itemmenu.h"
#include "launcherfixture.h"
#include "system/unicode.h"

namespace tavrin::gui::test {
namespace {

using file::fixture::utf8;
using ITEMID = ItemMenu::ITEMID;

bool enabled(const ItemMenu& menu, ITEMID id) {
    const UINT state = GetMenuState(menu.get(), static_cast<UINT>(id), MF_BYCOMMAND);
    EXPECT_NE(state, static_cast<UINT>(-1)) << static_cast<UINT>(id);
    return (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

// What exists when the menu opens decides which entries can be chosen; a folder gets the
// menu of its files.
TEST_F(LauncherTest, ItemMenuGreysWhatIsMissing) {
    start();
    const std::filesystem::path folder = scratch.root() / L"作業";
    std::filesystem::create_directories(folder);
    const struct {
        std::string address;
        std::string workFolder;
        std::string option;
        std::map<ITEMID, bool> states;
        bool files;
    } rows[]{
        {utf8(probe),
         utf8(scratch.root() / L"missing folder"),
         "",
         {{ITEMID::EXECUTE, true},
          {ITEMID::EXECUTE_DIALOG, true},
          {ITEMID::OPEN_PARENT, true},
          {ITEMID::OPEN_WORK_FOLDER, false},
          {ITEMID::COPY_ADDRESS, true},
          {ITEMID::COPY_PARENT, true},
          {ITEMID::COPY_WORK_FOLDER, false},
          {ITEMID::COPY_OPTION, false},
          {ITEMID::PROPERTIES, true}},
         false},
        {utf8(folder),
         "",
         "-x",
         {{ITEMID::OPEN_WORK_FOLDER, true},
          {ITEMID::COPY_WORK_FOLDER, true},
          {ITEMID::COPY_OPTION, true},
          {ITEMID::PROPERTIES, true}},
         true},
        {utf8(scratch.root() / L"missing" / L"x.exe"),
         "%TAVRIN_NO_SUCH_VARIABLE%",
         "",
         {{ITEMID::EXECUTE, true},
          {ITEMID::EXECUTE_DIALOG, false},
          {ITEMID::OPEN_PARENT, false},
          {ITEMID::OPEN_WORK_FOLDER, false},
          {ITEMID::COPY_ADDRESS, false},
          {ITEMID::COPY_PARENT, false},
          {ITEMID::PROPERTIES, false}},
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.address);
        file::Item& shown = item("edit");
        shown.setFileAddress(row.address);
        shown.setWorkFolder(row.workFolder);
        shown.setOption(row.option);
        const ItemMenu menu(shown, image::ICONSIZE::SMALL);
        for (const auto& [id, on] : row.states) {
            EXPECT_EQ(enabled(menu, id), on) << static_cast<UINT>(id);
        }
        EXPECT_EQ(menu.fileMenu() != nullptr, row.files);
        EXPECT_EQ(GetMenuState(menu.get(), static_cast<UINT>(ITEMID::FILE_MENU), MF_BYCOMMAND) !=
                      static_cast<UINT>(-1),
                  row.files);
    }
}

// A folder's menu lists its parent and itself, then its folders by name, then its files by
// extension and name, never minding case; it is read once, when first opened.
TEST_F(LauncherTest, FileMenuOrdersFoldersThenFilesByExtension) {
    const std::filesystem::path folder = scratch.root() / L"listed";
    const struct {
        const wchar_t* name;
        bool folder;
    } entries[]{
        {L"beta", true},        {L"Alpha", true},     {L"Zeta.txt", false}, {L"alpha.TXT", false},
        {L"run.bat", false},    {L"README", false},   {L"b.c", false},      {L"a.BAT", false},
        {L"ファイル.c", false}, {L"zz.bat.c", false},
    };
    for (const auto& entry : entries) {
        if (entry.folder) {
            std::filesystem::create_directories(folder / entry.name);
        } else {
            std::filesystem::create_directories(folder);
            file::fixture::writeBytes(folder / entry.name, "x");
        }
    }
    const std::vector<std::string> expected{"親フォルダ", "このフォルダ", "Alpha",     "beta",
                                            "README",     "a.BAT",        "run.bat",   "b.c",
                                            "zz.bat.c",   "ファイル.c",   "alpha.TXT", "Zeta.txt"};

    ItemFileMenu menu(utf8(folder) + "\\", image::ICONSIZE::SMALL);
    EXPECT_TRUE(menu.ids().empty());
    for (int opened = 0; opened < 2; ++opened) {
        menu.fill();
        std::vector<std::string> texts;
        for (const UINT id : menu.ids()) {
            texts.push_back(menu.drawItemOf(id).text);
        }
        EXPECT_EQ(texts, expected);
    }
    EXPECT_EQ(menu.pathOf(ItemFileMenu::FIRST_ID), utf8(scratch.root()) + "\\");
    EXPECT_EQ(menu.pathOf(ItemFileMenu::FIRST_ID + 1), utf8(folder) + "\\");
    EXPECT_EQ(menu.pathOf(ItemFileMenu::FIRST_ID + 11), utf8(folder / L"Zeta.txt"));
    EXPECT_EQ(menu.pathOf(ItemFileMenu::FIRST_ID + 12), std::nullopt);
}

} // namespace
} // namespace tavrin::gui::test
