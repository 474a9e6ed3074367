#include "file/items/itemfill.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scratch_folder.h"
#include "shell/shortcut.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"

namespace tavrin::file {
namespace {

using fixture::ScratchFolder;

// A scratch folder with the program "My Tool.exe", the folder "data" and a shortcut
// "Launch It.lnk" to the program with its own settings.
class ItemFillTest : public ::testing::Test {
protected:
    ItemFillTest() {
        fixture::writeBytes(fixture::fromUtf8(program), "MZ");
        std::filesystem::create_directory(fixture::fromUtf8(scratch.path("data")));
        shell::Shortcut shortcut;
        shortcut.setPath(system::toWide(program));
        shortcut.setWorkingDirectory(system::toWide(scratch.path("data")));
        shortcut.setArguments(L"-x \"a b\"");
        shortcut.setIconLocation(system::toWide(program), 2);
        shortcut.setDescription(L"説明");
        shortcut.setShowCommand(SW_SHOWMAXIMIZED);
        shortcut.save(system::toWide(link));
    }

    // An editor of an existing item with settings a fill must replace.
    static ItemEditor stored() {
        ItemEditor editor;
        editor.id = "kept";
        editor.name = "Kept";
        editor.option = "-old";
        editor.key = 'K';
        return editor;
    }

    ScratchFolder scratch;
    std::string program = scratch.path("My Tool.exe");
    std::string link = scratch.path("Launch It.lnk");
};

TEST_F(ItemFillTest, DropsFillTheEditorAsTheirKindAndOptionSay) {
    struct Case {
        const char* what;
        std::vector<std::string> files;
        bool readShortcuts;
        bool keepId;
        ItemEditor expected;
    };
    ItemEditor fromProgram = stored();
    fromProgram.id = "MyTool";
    fromProgram.name = "My Tool";
    fromProgram.address = program;
    fromProgram.option.clear();
    fromProgram.workFolder = scratch.path("");
    fromProgram.iconAddress = program;
    fromProgram.key = 'M';
    ItemEditor fromLinkFile = fromProgram;
    fromLinkFile.id = "LaunchIt";
    fromLinkFile.name = "Launch It";
    fromLinkFile.address = link;
    fromLinkFile.iconAddress = link;
    fromLinkFile.key = 'L';
    ItemEditor fromShortcut = stored();
    fromShortcut.name = "Launch It";
    fromShortcut.address = program;
    fromShortcut.workFolder = scratch.path("data");
    fromShortcut.option = "-x \"a b\"";
    fromShortcut.iconAddress = program;
    fromShortcut.iconIndex = 2;
    fromShortcut.comment = "説明";
    fromShortcut.key = 'L';
    // Wine's link object always reports "normal" as the stored show command once loaded.
    fromShortcut.show = 1;
    ItemEditor newFromShortcut = fromShortcut;
    newFromShortcut.id = "LaunchIt";
    const std::vector<Case> cases{
        {"a program", {program}, true, false, fromProgram},
        {"a shortcut with the option off", {link}, false, false, fromLinkFile},
        {"a shortcut read, the ID kept", {link}, true, true, fromShortcut},
        {"a shortcut read for a new item", {link}, true, false, newFromShortcut},
    };
    for (const Case& c : cases) {
        ItemEditor editor = stored();
        dropFiles(editor, c.files, c.readShortcuts, c.keepId);
        const auto fields = [](const ItemEditor& e) {
            return std::vector<std::string>{e.id,
                                            e.name,
                                            e.address,
                                            e.workFolder,
                                            e.option,
                                            e.iconAddress,
                                            e.comment,
                                            std::to_string(e.iconIndex),
                                            std::to_string(e.show),
                                            std::to_string(e.key)};
        };
        EXPECT_EQ(fields(editor), fields(c.expected)) << c.what;
    }
}

TEST_F(ItemFillTest, RefusedFillsChangeNothing) {
    struct Case {
        const char* what;
        std::vector<std::string> files;
        std::string message;
    };
    const std::vector<Case> cases{
        {"two files", {program, link}, "ファイルは一つだけ"},
        {"no file", {}, "ファイルは一つだけ"},
        {"a missing file", {scratch.path("gone.exe")}, scratch.path("gone.exe") + "は存在しない"},
    };
    for (const Case& c : cases) {
        ItemEditor editor = stored();
        try {
            dropFiles(editor, c.files, true, false);
            ADD_FAILURE() << c.what << " was taken";
        } catch (const system::ItemSetException& refused) {
            EXPECT_EQ(refused.message(), c.message) << c.what;
        }
        EXPECT_EQ(editor.id, "kept") << c.what;
        EXPECT_EQ(editor.option, "-old") << c.what;
    }
    ItemEditor editor = stored();
    editor.address = scratch.path("gone.exe");
    EXPECT_THROW(fillFromAddress(editor), system::ItemSetException);
    EXPECT_EQ(editor.id, "kept");
}

} // namespace
} // namespace tavrin::file
