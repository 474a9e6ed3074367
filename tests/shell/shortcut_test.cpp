#include <gtest/gtest.h>

#include <exception>
#include <filesystem>
#include <string>
#include <thread>

#include "shell/shortcut.h"
#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "testfiles.h"
#include "wine.h"

#include <commctrl.h>

namespace tavrin::shell {
namespace {

namespace fixture = file::fixture;
using systemtest::TempFolder;

// Every field of a link, as written and as read back.
struct Fields {
    std::wstring path;
    std::wstring arguments;
    std::wstring workingDirectory;
    Shortcut::IconLocation icon;
    std::wstring description;
    WORD hotkey = 0;
    int show = SW_SHOWNORMAL;
};

void write(Shortcut& shortcut, const Fields& fields) {
    shortcut.setPath(fields.path);
    shortcut.setArguments(fields.arguments);
    shortcut.setWorkingDirectory(fields.workingDirectory);
    shortcut.setIconLocation(fields.icon.path, fields.icon.index);
    shortcut.setDescription(fields.description);
    shortcut.setHotkey(fields.hotkey);
    shortcut.setShowCommand(fields.show);
}

void expectFields(const Shortcut& shortcut, const Fields& fields, bool withShowCommand) {
    EXPECT_EQ(shortcut.path(), fields.path);
    EXPECT_EQ(shortcut.arguments(), fields.arguments);
    EXPECT_EQ(shortcut.workingDirectory(), fields.workingDirectory);
    const Shortcut::IconLocation icon = shortcut.iconLocation();
    EXPECT_EQ(icon.path, fields.icon.path);
    EXPECT_EQ(icon.index, fields.icon.index);
    EXPECT_EQ(shortcut.description(), fields.description);
    EXPECT_EQ(shortcut.hotkey(), fields.hotkey);
    if (withShowCommand) {
        EXPECT_EQ(shortcut.showCommand(), fields.show);
    }
}

class ShortcutTest : public ::testing::Test {
protected:
    ShortcutTest() {
        systemtest::writeBytes(temp.path() / L"対象 プログラム.exe", "MZ");
        systemtest::writeBytes(temp.path() / L"アイコン.ico", "icon");
        std::filesystem::create_directory(temp.path() / L"作業 フォルダ");
    }

    std::wstring in(const wchar_t* name) const { return (temp.path() / name).wstring(); }

    Fields everyField() const {
        return {in(L"対象 プログラム.exe"),  L"/開く \"日本語 の 引数\" --flag  two  blanks",
                in(L"作業 フォルダ"),        {in(L"アイコン.ico"), 3},
                L"説明: ランチャーのテスト", MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT),
                SW_SHOWMINNOACTIVE};
    }

    const TempFolder temp;
};

TEST_F(ShortcutTest, EveryFieldReadsBackBeforeSaving) {
    Shortcut shortcut;
    write(shortcut, everyField());
    expectFields(shortcut, everyField(), true);
}

// Wine writes the show command into the file but reports 1 (normal) after every load.
TEST_F(ShortcutTest, EveryFieldReadsBackFromTheFileButTheShowCommandUnderWineWhoseLoadGivesOne) {
    const std::wstring file = in(L"ショートカット.lnk");
    {
        Shortcut shortcut;
        write(shortcut, everyField());
        shortcut.save(file);
    }
    Shortcut loaded;
    loaded.load(file);
    expectFields(loaded, everyField(), !fixture::underWine());
}

TEST_F(ShortcutTest, LongTextsReadBackWhole) {
    Fields fields = everyField();
    for (int part = 0; part < 100; ++part) {
        fields.arguments += L" 引数-" + std::to_wstring(part) + L"-long-argument";
    }
    fields.workingDirectory = temp.path().wstring();
    fields.icon.path = temp.path().wstring();
    for (int level = 0; level < 20; ++level) {
        fields.workingDirectory += L"\\work-folder-level-" + std::to_wstring(level);
        fields.icon.path += L"\\icon-folder-level-" + std::to_wstring(level);
    }
    fields.icon.path += L"\\icon.ico";
    fields.description = std::wstring(INFOTIPSIZE - 1, L'説');
    ASSERT_GT(fields.arguments.size(), 2000u);
    ASSERT_GT(fields.workingDirectory.size(), 400u);

    const std::wstring file = in(L"long.lnk");
    {
        Shortcut shortcut;
        write(shortcut, fields);
        shortcut.save(file);
    }
    Shortcut loaded;
    loaded.load(file);
    expectFields(loaded, fields, !fixture::underWine());
}

TEST_F(ShortcutTest, ANewLinkHasNoTarget) {
    const Shortcut shortcut;
    EXPECT_EQ(shortcut.idList().get(), nullptr);
    EXPECT_EQ(shortcut.path(), L"");
}

TEST_F(ShortcutTest, TheTargetsIdentifierListNamesTheTarget) {
    Shortcut shortcut;
    shortcut.setPath(everyField().path);
    const IdList list = shortcut.idList();
    ASSERT_NE(list.get(), nullptr);
    EXPECT_EQ(list.path(MAX_PATH), everyField().path);
}

TEST_F(ShortcutTest, FilesThatCannotBeReadOrWrittenRaiseShortcutException) {
    systemtest::writeBytes(temp.path() / L"damaged.lnk", "this is not a shell link");
    Shortcut shortcut;
    EXPECT_THROW(shortcut.load(in(L"missing.lnk")), system::ShortcutException);
    EXPECT_THROW(shortcut.load(in(L"damaged.lnk")), system::ShortcutException);
    EXPECT_THROW(shortcut.save(in(L"missing\\folder.lnk")), system::ShortcutException);
    try {
        shortcut.load(in(L"missing.lnk"));
    } catch (const system::ShortcutException& exception) {
        EXPECT_EQ(exception.message(), system::systemMessage(ERROR_FILE_NOT_FOUND));
        EXPECT_EQ(exception.className(), "tavrin::system::ShortcutException");
    }
}

TEST_F(ShortcutTest, WorksOnAThreadOfItsOwn) {
    // This thread enters COM first; a thread that COM was not started for would be refused
    // the link object.
    const Shortcut here;
    std::wstring arguments;
    std::exception_ptr failure;
    std::thread([&arguments, &failure] {
        try {
            Shortcut shortcut;
            shortcut.setArguments(L"別スレッド");
            arguments = shortcut.arguments();
        } catch (...) {
            failure = std::current_exception();
        }
    }).join();
    if (failure) {
        std::rethrow_exception(failure);
    }
    EXPECT_EQ(arguments, L"別スレッド");
}

} // namespace
} // namespace tavrin::shell
