#include "gui/window/dialog/settingdialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "app/application.h"
#include "app/staticconfig.h"
#include "dialogtest.h"
#include "file/items/item.h"
#include "gui/window/dialog/itemdialog.h"
#include "gui/window/dialog/itemform.h"
#include "gui/window/dialog/tavrindialog.h"
#include "scratch_folder.h"
#include "system/staticdata.h"
#include "system/unicode.h"
#include "testwindow.h"

namespace tavrin::gui::test {
namespace {

using COMMAND = SettingDialog::COMMAND;
using file::fixture::bytesOf;
using file::fixture::utf8;
using file::fixture::writeBytes;

// The question dialog's ids of its text and its yes button.
constexpr int QUESTION_TEXT = 10;
constexpr int QUESTION_YES = 1;
constexpr int QUESTION_NO = 2;

const std::wstring FILES[] = {L"app.dvk", L"items.dvk", L"groups.dvk"};

// A data folder whose files the launcher wrote itself (so a save that changes nothing keeps
// every byte), with a header comment and settings no page shows.
class SettingDialogTest : public ::testing::Test {
protected:
    SettingDialogTest() {
        system::StaticData::Values values =
            app::readStaticConfiguration(drevak::DvkDocument(), utf8(scratch.root()));
        values.DataFolder = utf8(data);
        system::StaticData::initialize(values);
        std::filesystem::create_directories(data);
        writeBytes(data / L"app.dvk", "// 手で書いた設定\r\nLauncher/History:40\r\n"
                                      "Launcher/Command/Color/Normal=255\t0\r\n"
                                      "Execute/Shortcut:0\r\nExecute/Dialog:0\r\n");
        writeBytes(data / L"items.dvk",
                   "Item/edit\\Editor\r\nItem/site\\Site\r\n"
                   "Item/site/Type:1\r\nItem/site/Address\\http://a.invalid/\r\n");
        writeBytes(data / L"groups.dvk", "Group$Work\tPlay\r\nGroup/Work$Tools\r\n"
                                         "Group/Work/Tools$edit\tsite\r\nGroup/Play$Web\r\n"
                                         "Group/Play/Web$site\r\nGroup/<Menu>$Menu\r\n"
                                         "Group/<Menu>/Menu$edit\r\n");
        // As the launcher leaves them: repaired, and every item with its settings bound.
        app::Application canonical;
        for (const char* id : {"edit", "site"}) {
            file::Item(id, canonical.itemsNode());
        }
        canonical.save();
        for (const std::wstring& name : FILES) {
            before[name] = bytesOf(data / name);
        }
        application = std::make_unique<app::Application>();
        dialog = std::make_unique<SettingDialog>(&owner, *application, false);
    }

    // A click on the frame's tool-bar button, handled now or, posted, by the dialog's loop.
    void press(COMMAND command, bool post = false) {
        const HWND bar = GetDlgItem(dialog->hwnd(), static_cast<int>(SettingDialog::CTRL_TOOLBAR));
        const WPARAM click = MAKEWPARAM(static_cast<WORD>(command), BN_CLICKED);
        if (post) {
            PostMessageW(dialog->hwnd(), WM_COMMAND, click, reinterpret_cast<LPARAM>(bar));
        } else {
            SendMessageW(dialog->hwnd(), WM_COMMAND, click, reinterpret_cast<LPARAM>(bar));
        }
    }
    HWND itemControl(auto id) {
        return GetDlgItem(dialog->page(COMMAND::ITEM).pageWindow().hwnd(), static_cast<int>(id));
    }
    // Picks the entry of the item page's list as a click would.
    void chooseItem(const std::string& entry) {
        const HWND list = itemControl(ItemDialog::CTRL::LIST);
        const int index =
            static_cast<int>(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(system::toWide(entry).c_str())));
        ASSERT_GE(index, 0) << entry;
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(dialog->page(COMMAND::ITEM).pageWindow().hwnd(), WM_COMMAND,
                     MAKEWPARAM(static_cast<WORD>(ItemDialog::CTRL::LIST), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    void expectUnchanged() {
        for (const std::wstring& name : FILES) {
            EXPECT_EQ(bytesOf(data / name), before[name]) << system::toUtf8(name);
        }
    }

    file::fixture::ScratchFolder scratch;
    std::filesystem::path data = scratch.root() / L"data";
    std::map<std::wstring, std::string> before;
    tvgui::test::RecordingWindow owner;
    std::unique_ptr<app::Application> application;
    std::unique_ptr<SettingDialog> dialog;
};

// Whatever the user looked at, "cancel" writes nothing and "ok" without a change writes the
// files back as they were: header, unshown settings, groups and the menu group included.
TEST_F(SettingDialogTest, CancelAndAnUnchangedOkKeepEveryByte) {
    for (const COMMAND end : {COMMAND::CANCEL, COMMAND::OK}) {
        SCOPED_TRACE(static_cast<int>(end));
        LoopGuard guard;
        dialog = std::make_unique<SettingDialog>(&owner, *application, false);
        for (const COMMAND page : {COMMAND::ITEM, COMMAND::GROUP, COMMAND::TAVRIN, end}) {
            press(page, true);
        }
        EXPECT_EQ(dialog->select(), end == COMMAND::OK);
        expectUnchanged();
    }
}

// An item renamed on the item page is renamed in the groups the group page writes, and a name
// typed but not applied is applied when the user says so on "ok".
TEST_F(SettingDialogTest, TheItemPagesEditsReachTheGroupPageAndOk) {
    LoopGuard guard;
    press(COMMAND::ITEM);
    chooseItem("Site (site)");
    SetWindowTextW(itemControl(ITEM_CTRL::ID), L"web");
    SendMessageW(itemControl(ItemDialog::CTRL::APPLY), BM_CLICK, 0, 0);
    press(COMMAND::GROUP);
    press(COMMAND::ITEM);
    EXPECT_EQ(dialog->currentPage(), COMMAND::ITEM);
    SetWindowTextW(itemControl(ITEM_CTRL::NAME), L"ウェブ");
    Answer apply(L"適用", QUESTION_TEXT, QUESTION_YES);
    press(COMMAND::OK, true);
    EXPECT_TRUE(dialog->select());
    EXPECT_TRUE(apply.answered);
    const std::string groups = bytesOf(data / L"groups.dvk");
    EXPECT_NE(groups.find("Group/Work/Tools$edit\tweb\r\n"), std::string::npos) << groups;
    EXPECT_NE(groups.find("Group/Play/Web$web\r\n"), std::string::npos) << groups;
    EXPECT_NE(bytesOf(data / L"items.dvk").find("Item/web\\ウェブ\r\n"), std::string::npos);
}

// A page that refuses to be left stays on show with what the user typed, not the copies.
TEST_F(SettingDialogTest, ARefusedPageKeepsWhatWasTyped) {
    LoopGuard guard;
    const HWND menuText = GetDlgItem(dialog->page(COMMAND::TAVRIN).pageWindow().hwnd(),
                                     static_cast<int>(TavrinDialog::CTRL::MENU_TEXT));
    SetWindowTextW(menuText, L"長い");
    Answer refusal(L"設定", MESSAGE_TEXT, MESSAGE_OK, MESSAGE_BOX);
    press(COMMAND::ITEM);
    EXPECT_TRUE(refusal.answered);
    EXPECT_EQ(dialog->currentPage(), COMMAND::TAVRIN);
    EXPECT_EQ(textOf(menuText), "長い");
}

// A file that cannot be replaced (held open without sharing) stops the whole write: all three
// stay as they were, the user is told, and the dialog stays open for another try.
TEST_F(SettingDialogTest, AFileThatCannotBeReplacedLeavesAllThreeAndTheDialogOpen) {
    press(COMMAND::ITEM);
    chooseItem("Site (site)");
    SetWindowTextW(itemControl(ITEM_CTRL::NAME), L"別名");
    SendMessageW(itemControl(ItemDialog::CTRL::APPLY), BM_CLICK, 0, 0);
    const HANDLE held = CreateFileW((data / L"groups.dvk").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Answer failure(L"例外", FAILURE_TEXT, FAILURE_CLOSE);
    {
        LoopGuard guard;
        press(COMMAND::OK);
    }
    CloseHandle(held);
    EXPECT_TRUE(failure.answered);
    EXPECT_NE(failure.text.find("groups.dvk"), std::string::npos) << failure.text;
    EXPECT_TRUE(dialog->exists());
    expectUnchanged();
    EXPECT_EQ(scratch.names("data").size(), 3u);
}

// A file that did not load this run is never overwritten: the user is told which, and the
// others are written.
TEST_F(SettingDialogTest, AFileThatDidNotLoadIsNamedAndLeftAlone) {
    writeBytes(data / L"app.dvk", std::string("\xFF\xFE\x00\xD8", 4));
    before[L"app.dvk"] = bytesOf(data / L"app.dvk");
    application = std::make_unique<app::Application>();
    dialog = std::make_unique<SettingDialog>(&owner, *application, false);
    Answer question(L"保存", QUESTION_TEXT, QUESTION_YES);
    {
        LoopGuard guard;
        press(COMMAND::OK, true);
        EXPECT_TRUE(dialog->select());
    }
    EXPECT_TRUE(question.answered);
    EXPECT_NE(question.text.find("app.dvk"), std::string::npos) << question.text;
    expectUnchanged();
}

// A file someone else changed while the dialog was open is overwritten only when the user says
// so: "no" keeps the edit and the dialog, "yes" writes the dialog's copies.
TEST_F(SettingDialogTest, AFileChangedOnDiskMeanwhileIsOverwrittenOnlyWhenTheUserSaysSo) {
    const std::string edited = "Group$Work\r\nGroup/Work$Tools\r\nGroup/Work/Tools$edit\r\n";
    writeBytes(data / L"groups.dvk", edited);
    {
        Answer question(L"保存", QUESTION_TEXT, QUESTION_NO);
        LoopGuard guard;
        press(COMMAND::OK);
        EXPECT_TRUE(question.answered);
        EXPECT_NE(question.text.find("groups.dvk"), std::string::npos) << question.text;
        EXPECT_EQ(question.text.find("items.dvk"), std::string::npos) << question.text;
    }
    EXPECT_TRUE(dialog->exists());
    EXPECT_EQ(bytesOf(data / L"groups.dvk"), edited);
    EXPECT_EQ(bytesOf(data / L"items.dvk"), before[L"items.dvk"]);

    Answer question(L"保存", QUESTION_TEXT, QUESTION_YES);
    {
        LoopGuard guard;
        press(COMMAND::OK, true);
        EXPECT_TRUE(dialog->select());
    }
    EXPECT_TRUE(question.answered);
    expectUnchanged();
}

} // namespace
} // namespace tavrin::gui::test
