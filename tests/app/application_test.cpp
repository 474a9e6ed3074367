#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "../file/app_defaults.h"
#include "../file/items/iconwidth.h"
#include "app/application.h"
#include "app/staticconfig.h"
#include "file/rawfile.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "system/win32.h"
#include "testfiles.h"

namespace tavrin::app {
namespace {

using system::StaticData;

using file::fixture::defaultSettingsText;
using file::fixture::defaultSettingsWith;
using file::fixture::iconWidth;
using systemtest::byteOrderMark;
using systemtest::readBytes;
using systemtest::TempFolder;
using systemtest::writeBytes;

// A first run's groups: the empty main-group list and the menu launcher's empty list under it.
const std::string firstRunGroups = std::string(byteOrderMark) + "Group$\r\nGroup/<Menu>$\r\n";

// Points the data files at a folder of the test's own.
class ApplicationTest : public testing::Test {
protected:
    ApplicationTest() : data(temp.path() / L"ユーザー" / L"data") {
        StaticData::Values values = readStaticConfiguration(drevak::DvkDocument(), temp.text());
        values.DataFolder = systemtest::utf8(data);
        StaticData::initialize(values);
    }

    // Opens a file so that nobody else may read or write it until the handle is closed.
    static HANDLE lock(const std::filesystem::path& path) {
        const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(handle, INVALID_HANDLE_VALUE);
        return handle;
    }

    static void add(drevak::DvkDocument& document, std::string line) {
        const std::vector<std::string> lines{std::move(line)};
        ASSERT_TRUE(document.Load(false, lines).empty());
    }

    TempFolder temp;
    std::filesystem::path data;
};

TEST_F(ApplicationTest, FirstRunCreatesTheDataFolderAndWritesTheDefaultSettings) {
    Application application;
    EXPECT_EQ(application.settings().Position(), file::App::POSITION::FLOAT);
    EXPECT_EQ(application.mainGroups().count(), 0u);
    EXPECT_EQ(application.menuGroups().count(), 0u);
    EXPECT_EQ(application.itemsNode().ChildCount(), 0u);
    EXPECT_EQ(application.currentGroup(), "");
    EXPECT_EQ(application.currentSubGroup(), "");
    EXPECT_EQ(application.currentMenuGroup(), "");
    application.selectDefaultGroups();
    EXPECT_EQ(application.currentGroup(), "");
    EXPECT_EQ(application.currentMenuGroup(), "");
    EXPECT_TRUE(application.save().empty());
    EXPECT_EQ(readBytes(data / L"app.dvk"), byteOrderMark + std::string(defaultSettingsText));
    EXPECT_EQ(readBytes(data / L"items.dvk"), byteOrderMark);
    EXPECT_EQ(readBytes(data / L"groups.dvk"), firstRunGroups);
}

TEST_F(ApplicationTest, LoadsEachDocumentFromItsFileAndWritesChangesBackSorted) {
    std::filesystem::create_directories(data);
    writeBytes(data / L"app.dvk", "Window:4\n");
    writeBytes(data / L"groups.dvk", "Group$メイン\r\n");
    writeBytes(data / L"items.dvk", std::string(byteOrderMark) + "Item/b\\x\r\nItem/a\\y");

    Application application;
    EXPECT_EQ(&application.settings().node(file::App::ITEM::WINDOW),
              &application.appDocument().GetChild("Window"));
    EXPECT_EQ(application.groupsDocument().GetChild("Group").GetStrings().at(0), "メイン");
    EXPECT_EQ(application.itemsDocument().GetChild("Item/a").GetString(), "y");
    application.settings().Position(file::App::POSITION::TOP);
    application.save();

    EXPECT_EQ(readBytes(data / L"app.dvk"),
              byteOrderMark + defaultSettingsWith({{"Window:4", "Window:1"}}));
    EXPECT_EQ(readBytes(data / L"items.dvk"),
              std::string(byteOrderMark) + "Item/a\\y\r\nItem/b\\x\r\n");
}

// Empty lists are written as lines that the next load drops: the groups stay listed, empty.
TEST_F(ApplicationTest, GroupsWithEmptyListsFromTheLastRunLoadAsEmptyGroups) {
    std::filesystem::create_directories(data);
    writeBytes(data / L"groups.dvk", std::string(byteOrderMark) + "Group$空\tWork\r\n"
                                                                  "Group/<Menu>$Nothing\r\n"
                                                                  "Group/<Menu>/Nothing$\r\n"
                                                                  "Group/空$\r\n"
                                                                  "Group/Work$Blank\tTools\r\n"
                                                                  "Group/Work/Blank$\r\n"
                                                                  "Group/Work/Tools$edit\r\n");
    Application application;
    EXPECT_EQ(&application.menuGroups().parent(), &application.mainGroups());
    EXPECT_EQ(application.mainGroups().names(), (std::vector<std::string>{"空", "Work"}));
    const std::optional<file::Sub> empty = application.mainGroups().sub("空");
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->count(), 0u);
    const std::optional<file::Sub> work = application.mainGroups().sub("Work");
    ASSERT_TRUE(work.has_value());
    EXPECT_FALSE(work->hasItems("Blank"));
    EXPECT_EQ(work->childNames("Tools"), std::vector<std::string>{"edit"});
    EXPECT_EQ(application.menuGroups().childCount("Nothing"), 0u);

    application.selectDefaultGroups();
    EXPECT_EQ(application.currentGroup(), "Work");
    EXPECT_EQ(application.currentSubGroup(), "Blank");
    EXPECT_EQ(application.currentMenuGroup(), "Nothing");
}

// ID and caption of each record, and the width of each icon.
std::vector<std::string> shown(const std::vector<file::BM_ITEM>& records) {
    std::vector<std::string> texts;
    for (const file::BM_ITEM& record : records) {
        texts.push_back(record.item->id() + "=" + record.caption);
    }
    return texts;
}

// A text as a string value line holds it.
std::string escaped(const std::string& text) {
    std::string line;
    for (const char c : text) {
        line += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
    return line;
}

// Groups as a save writes them: the empty group and the empty sub group have no lines that
// load, a list names an item that is gone, and a link is listed beside the item it links to.
// A link to a deleted item, a loop of links and a share out of reach are shown as not usable
// among the others: one broken item must not keep the launcher from showing the rest.
TEST_F(ApplicationTest, GroupItemsShowTheListedItemsInOrderWithTheirGroupsIconSize) {
    const std::filesystem::path memo = temp.path() / L"メモ.txt";
    writeBytes(memo, "text");
    std::filesystem::create_directories(data);
    writeBytes(data / L"app.dvk", "Launcher/Button/Icon:1\r\nLauncher/Menu/Icon:0\r\n");
    writeBytes(data / L"groups.dvk",
               "Group$Work\t空\r\n"
               "Group/<Menu>$Daily\r\n"
               "Group/<Menu>/Daily$web\tedit\r\n"
               "Group/空$\r\n"
               "Group/Work$Tools\tBlank\r\n"
               "Group/Work/Blank$\r\n"
               "Group/Work/Tools$edit\tgone\tlink\tdead\tloop\tshare\tweb\r\n");
    writeBytes(data / L"items.dvk", "Item/edit\\Editor\r\n"
                                    "Item/edit/Address\\" +
                                        escaped(systemtest::utf8(memo)) +
                                        "\r\n"
                                        "Item/link/Type:3\r\n"
                                        "Item/link/Address\\edit\r\n"
                                        "Item/web/Type:1\r\n"
                                        "Item/web/Address\\http://example.com/\r\n"
                                        "Item/dead/Type:3\r\n"
                                        "Item/dead/Address\\deleted\r\n"
                                        "Item/loop/Type:3\r\n"
                                        "Item/loop/Address\\loop2\r\n"
                                        "Item/loop2/Type:3\r\n"
                                        "Item/loop2/Address\\loop\r\n"
                                        "Item/share/Address\\" +
                                        escaped("\\\\nonexistent-host\\share\\x.exe") + "\r\n");
    Application application;

    const std::vector<file::BM_ITEM> tools = application.groupItems("Tools", "Work");
    EXPECT_EQ(shown(tools), (std::vector<std::string>{"edit=Editor", "link=Editor", "dead=dead",
                                                      "loop=loop", "share=share", "web=web"}));
    ASSERT_EQ(tools.size(), 6u);
    std::vector<bool> usable;
    for (const file::BM_ITEM& record : tools) {
        usable.push_back(record.usable);
    }
    EXPECT_EQ(usable, (std::vector<bool>{true, true, false, false, false, true}));
    EXPECT_EQ(tools[1].item->fileAddress(), systemtest::utf8(memo));
    EXPECT_EQ(iconWidth(tools[0].icon), 32);
    EXPECT_EQ(iconWidth(tools[1].icon), 32);

    const std::vector<file::BM_ITEM> daily = application.groupItems("Daily", "");
    EXPECT_EQ(shown(daily), (std::vector<std::string>{"web=web", "edit=Editor"}));
    ASSERT_EQ(daily.size(), 2u);
    EXPECT_EQ(iconWidth(daily[1].icon), 16);

    EXPECT_TRUE(application.groupItems("Blank", "Work").empty());
    EXPECT_TRUE(application.groupItems("Anything", "空").empty());
    EXPECT_TRUE(application.groupItems("Tools", "No such group").empty());
    EXPECT_TRUE(application.groupItems("No such group", "").empty());
}

TEST_F(ApplicationTest, FolderProgramIsTheItemThatTheSettingNames) {
    std::filesystem::create_directories(data);
    writeBytes(data / L"app.dvk", "Folder:2\r\nFolder/Program\\tools/開く\r\n");
    writeBytes(data / L"items.dvk", "Item/tools/開く\\Opener\r\nItem/other\\x\r\n");
    Application application;
    ASSERT_NE(application.folderItem(), nullptr);
    EXPECT_EQ(application.folderItem()->id(), "tools/開く");
    EXPECT_EQ(application.folderItem()->name(), "Opener");
    EXPECT_EQ(application.settings().Folder(), 2);
}

TEST_F(ApplicationTest, FolderProgramThatIsNoItemTurnsTheFolderProgramOff) {
    std::filesystem::create_directories(data);
    writeBytes(data / L"items.dvk", "Item/a b\\x\r\n");
    for (const char* program : {"missing", "a b", ""}) {
        writeBytes(data / L"app.dvk", "Folder:2\r\nFolder/Program\\" + std::string(program));
        Application application;
        EXPECT_EQ(application.folderItem(), nullptr) << program;
        EXPECT_EQ(application.settings().Folder(), 0) << program;
        EXPECT_EQ(application.settings().Program(), program);
    }
    writeBytes(data / L"app.dvk", "Folder:1\r\nFolder/Program\\a b");
    Application application;
    EXPECT_EQ(application.folderItem(), nullptr);
    EXPECT_EQ(application.settings().Folder(), 1);
}

TEST_F(ApplicationTest, DocumentThatCouldNotBeLoadedIsNeverWrittenOver) {
    std::filesystem::create_directories(data / L"app.dvk");
    writeBytes(data / L"items.dvk", "Item/a:1\r\n");
    const HANDLE locked = lock(data / L"items.dvk");
    Application application;
    CloseHandle(locked);

    using DOCUMENT = Application::DOCUMENT;
    EXPECT_FALSE(application.loadedSafely(DOCUMENT::APPLICATION));
    EXPECT_FALSE(application.loadedSafely(DOCUMENT::ITEMS));
    EXPECT_TRUE(application.loadedSafely(DOCUMENT::GROUPS));
    // A writer with its own copy, as the settings dialog has, is refused all the same.
    EXPECT_THROW(application.write(DOCUMENT::ITEMS, application.itemsDocument()),
                 system::ApplicationDataException);
    const std::vector<Application::Unsaved> unsaved = application.save();
    EXPECT_EQ(application.loadFailures().size(), 2u);
    ASSERT_EQ(unsaved.size(), 2u);
    EXPECT_EQ(unsaved[0].path, systemtest::utf8(data / L"app.dvk"));
    EXPECT_EQ(unsaved[1].path, systemtest::utf8(data / L"items.dvk"));
    EXPECT_FALSE(unsaved[0].failure.empty());
    EXPECT_TRUE(std::filesystem::is_directory(data / L"app.dvk"));
    EXPECT_EQ(readBytes(data / L"items.dvk"), "Item/a:1\r\n");
    EXPECT_EQ(readBytes(data / L"groups.dvk"), firstRunGroups);
}

TEST_F(ApplicationTest, FailedWriteStillLetsTheOtherDocumentsBeWritten) {
    std::filesystem::create_directories(data);
    writeBytes(data / L"items.dvk", "Item/a:1\r\n");
    Application application;
    add(application.appDocument(), "Window:2");
    const HANDLE locked = lock(data / L"items.dvk");
    EXPECT_THROW(application.save(), file::FileError);
    CloseHandle(locked);

    EXPECT_EQ(readBytes(data / L"app.dvk"),
              byteOrderMark + defaultSettingsWith({{"Window:4", "Window:2"}}));
    EXPECT_EQ(readBytes(data / L"groups.dvk"), firstRunGroups);
    EXPECT_EQ(readBytes(data / L"items.dvk"), "Item/a:1\r\n");
}

// The settings dialog's confirmation: its own copies are written over a data folder deleted
// while the program ran, except the document whose load failed.
TEST_F(ApplicationTest, WrittenTogetherExceptTheDocumentThatFailedToLoad) {
    std::filesystem::create_directories(data / L"app.dvk");
    Application application;
    std::filesystem::remove_all(temp.path() / L"ユーザー");
    drevak::DvkDocument settings, items, groups;
    add(settings, "Window:2");
    add(items, "Item/新\\x");
    add(groups, "Group$新");

    const std::vector<Application::Unsaved> unsaved =
        application.writeTogether(settings, items, groups);

    ASSERT_EQ(unsaved.size(), 1u);
    EXPECT_EQ(unsaved[0].path, systemtest::utf8(data / L"app.dvk"));
    EXPECT_FALSE(std::filesystem::exists(data / L"app.dvk"));
    EXPECT_EQ(readBytes(data / L"items.dvk"), byteOrderMark + std::string("Item/新\\x\r\n"));
    EXPECT_EQ(readBytes(data / L"groups.dvk"), byteOrderMark + std::string("Group$新\r\n"));
}

// A third file held open by another program: the first two are put back, and the retired
// application, whose documents are now out of date, never writes them at exit.
TEST_F(ApplicationTest, FailedWriteTogetherKeepsTheOldFilesAndRetiredSavesWriteNothing) {
    std::filesystem::create_directories(data);
    writeBytes(data / L"app.dvk", "Window:3\r\n");
    writeBytes(data / L"groups.dvk", "Group$old\r\n");
    Application application;
    drevak::DvkDocument settings, items, groups;
    add(settings, "Window:2");
    add(groups, "Group$新");

    const HANDLE locked = lock(data / L"groups.dvk");
    EXPECT_THROW(application.writeTogether(settings, items, groups), file::FileError);
    CloseHandle(locked);
    EXPECT_EQ(readBytes(data / L"app.dvk"), "Window:3\r\n");
    EXPECT_EQ(readBytes(data / L"groups.dvk"), "Group$old\r\n");
    EXPECT_FALSE(std::filesystem::exists(data / L"items.dvk"));

    EXPECT_TRUE(application.writeTogether(settings, items, groups).empty());
    application.retire();
    add(application.appDocument(), "Window:4");
    EXPECT_TRUE(application.save().empty());
    EXPECT_EQ(readBytes(data / L"app.dvk"), byteOrderMark + std::string("Window:2\r\n"));
    EXPECT_EQ(readBytes(data / L"items.dvk"), byteOrderMark);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(data), {}), 3);
}

// A reload after an edit keeps of the launcher's own what still fits: the histories typed for
// an item that still exists, and the groups the user was looking at.
TEST_F(ApplicationTest, AReloadAfterAnEditKeepsTheHistoriesAndTheChosenGroupsThatStillFit) {
    std::filesystem::create_directories(data);
    writeBytes(data / L"items.dvk", "Item/one\\一\r\nItem/two\\二\r\n");
    writeBytes(data / L"groups.dvk",
               "Group$A\tB\r\nGroup/A$a1\r\nGroup/B$b1\tb2\r\nGroup/<Menu>$m1\tm2\r\n");
    Application earlier;
    earlier.currentGroup("B");
    earlier.currentSubGroup("b2");
    earlier.currentMenuGroup("m2");
    for (const char* id : {"one", "two"}) {
        file::Item item(id, earlier.itemsNode());
        item.setHistoryOptions({"-x", "-y"});
        earlier.noteHistories(item);
    }
    writeBytes(data / L"items.dvk", "Item/one\\壱\r\n");
    writeBytes(data / L"groups.dvk",
               "Group$A\tB\r\nGroup/A$a1\r\nGroup/B$b1\r\nGroup/<Menu>$m1\tm2\r\n");

    Application fresh;
    fresh.applyOwnChangesAgain(earlier,
                               {Application::DOCUMENT::ITEMS, Application::DOCUMENT::GROUPS});
    fresh.selectGroupsAsIn(earlier);
    EXPECT_EQ(file::Item("one", fresh.itemsNode()).historyOptions(),
              (std::vector<std::string>{"-x", "-y"}));
    EXPECT_FALSE(fresh.itemsNode().HaveChild("two"));
    EXPECT_EQ(fresh.currentGroup(), "B");
    EXPECT_EQ(fresh.currentSubGroup(), "b1");
    EXPECT_EQ(fresh.currentMenuGroup(), "m2");

    fresh.saveChanged();
    const std::string items = readBytes(data / L"items.dvk");
    EXPECT_NE(items.find("Item/one\\壱"), std::string::npos) << items;
    EXPECT_NE(items.find("-x\t-y"), std::string::npos) << items;
}

} // namespace
} // namespace tavrin::app
