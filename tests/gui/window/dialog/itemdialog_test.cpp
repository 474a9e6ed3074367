#include "gui/window/dialog/itemdialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogtest.h"
#include "dropblock.h"
#include "etc/drevak/dvkdocument.h"
#include "gui/window/dialog/browsedialogs.h"
#include "gui/window/dialog/itemform.h"
#include "scratch_folder.h"
#include "shell/shortcut.h"
#include "system/unicode.h"
#include "testwindow.h"

namespace tavrin::gui::test {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;
using CTRL = ItemDialog::CTRL;
using file::fixture::ScratchFolder;
using system::toUtf8;
using system::toWide;

// A launcher's documents over a scratch folder: the program "edit" (show code 5, which no
// entry of the show list names), a multi-item and a link naming it, and a group listing all.
struct Documents {
    Documents() {
        file::fixture::writeBytes(file::fixture::fromUtf8(program), "MZ");
        std::filesystem::create_directory(file::fixture::fromUtf8(scratch.path("work")));
        drevak::Drevak& edit = items().childOrNew("edit");
        edit = std::string("Editor");
        edit.childOrNew("Address") = program;
        edit.childOrNew("Show") = drevak::Integer{5};
        drevak::Drevak& both = items().childOrNew("both");
        both.childOrNew("Type") = drevak::Integer{2};
        both.childOrNew("Address") = std::vector<std::string>{"edit"};
        drevak::Drevak& jump = items().childOrNew("jump");
        jump.childOrNew("Type") = drevak::Integer{3};
        jump.childOrNew("Address") = std::string("edit");
        groups().childOrNew("Work") = std::vector<std::string>{"Tools"};
        groups().GetChild("Work").childOrNew("Tools") =
            std::vector<std::string>{"edit", "both", "jump"};
    }

    drevak::Drevak& items() { return itemsDocument.childOrNew("Item"); }
    drevak::Drevak& groups() { return groupsDocument.childOrNew("Group"); }
    std::string value(drevak::Drevak& node, std::string_view address) {
        return node.HaveChild(address) ? node.GetChild(address).toString() : "(none)";
    }

    ScratchFolder scratch;
    std::string program = scratch.path("tool.exe");
    drevak::DvkDocument itemsDocument;
    drevak::DvkDocument groupsDocument;
    drevak::DvkDocument settingsDocument;
};

class ItemDialogTest : public ::testing::Test, public Documents {
protected:
    tvgui::test::RecordingWindow owner;
};

HWND control(const ItemDialog& dialog, auto id) {
    return GetDlgItem(dialog.hwnd(), static_cast<int>(id));
}

void type(const ItemDialog& dialog, ITEM_CTRL id, const std::string& text) {
    SetWindowTextW(control(dialog, id), toWide(text).c_str());
}

void press(const ItemDialog& dialog, CTRL id) {
    SendMessageW(control(dialog, id), BM_CLICK, 0, 0);
}

// Chooses an entry of a list or drop-down list as a click on it would.
void choose(const ItemDialog& dialog, int id, int index, UINT select, WORD changed) {
    const HWND list = GetDlgItem(dialog.hwnd(), id);
    SendMessageW(list, select, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(id, changed),
                 reinterpret_cast<LPARAM>(list));
}

void chooseItem(const ItemDialog& dialog, const std::string& id) {
    const HWND list = control(dialog, CTRL::LIST);
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        wchar_t text[256]{};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        const std::string entry = toUtf8(text);
        if (entry == id || entry.ends_with("(" + id + ")")) {
            choose(dialog, static_cast<int>(CTRL::LIST), index, LB_SETCURSEL, LBN_SELCHANGE);
            return;
        }
    }
    ADD_FAILURE() << id << " is not listed";
}

TEST_F(ItemDialogTest, CreatesEditsRenamesAndDeletesItemsInTheDocumentCopies) {
    settingsDocument.childOrNew("Folder").childOrNew("Program") = std::string("edit");
    ItemDialog dialog(&owner, itemsDocument, groupsDocument, settingsDocument, true);
    dialog.show(tvgui::SHOW::SHOW);
    EXPECT_EQ(textOf(control(dialog, ITEM_CTRL::ID)), "edit");

    // A new item.
    press(dialog, CTRL::NEW);
    EXPECT_EQ(dialog.text(), "新規作成");
    type(dialog, ITEM_CTRL::ID, "memo");
    type(dialog, ITEM_CTRL::NAME, "Memo");
    type(dialog, ITEM_CTRL::ADDRESS, program);
    type(dialog, ITEM_CTRL::WORK_FOLDER, scratch.path("work"));
    press(dialog, CTRL::APPLY);
    EXPECT_EQ(dialog.text(), "アイテム設定");
    EXPECT_EQ(value(items(), "memo"), "\\Memo");
    EXPECT_EQ(items().GetChild("memo/WorkFolder").GetString(), scratch.path("work"));
    EXPECT_NE(items().GetChild("memo/History/Regist").GetString(), "");

    // An edit that leaves the show code the list cannot name alone.
    chooseItem(dialog, "edit");
    type(dialog, ITEM_CTRL::OPTION, "-x");
    press(dialog, CTRL::APPLY);
    EXPECT_EQ(value(items(), "edit/Option"), "\\-x");
    EXPECT_EQ(value(items(), "edit/Show"), ":5");

    // A rename reaches the group, the multi-item, the link and the folder program.
    type(dialog, ITEM_CTRL::ID, "editor");
    press(dialog, CTRL::APPLY);
    EXPECT_EQ(value(items(), "edit"), "(none)");
    EXPECT_EQ(value(items(), "editor/Option"), "\\-x");
    EXPECT_EQ(value(items(), "both/Address"), "$editor");
    EXPECT_EQ(value(items(), "jump/Address"), "\\editor");
    EXPECT_EQ(value(groups(), "Work/Tools"), "$editor\tboth\tjump");
    EXPECT_EQ(value(settingsDocument, "Folder/Program"), "\\editor");

    // Turning the program into a multi-item switches the address to the member list.
    chooseItem(dialog, "memo");
    choose(dialog, static_cast<int>(ITEM_CTRL::TYPE), 2, CB_SETCURSEL, CBN_SELCHANGE);
    EXPECT_FALSE(IsWindowVisible(control(dialog, ITEM_CTRL::ADDRESS)));
    type(dialog, ITEM_CTRL::MEMBERS, "editor\r\n\r\nboth");
    press(dialog, CTRL::APPLY);
    EXPECT_EQ(value(items(), "memo/Type"), ":2");
    EXPECT_EQ(value(items(), "memo/Address"), "$editor\tboth");
}

TEST_F(ItemDialogTest, DeletingAnItemOthersNameAsksFirst) {
    for (bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "yes" : "no");
        Documents documents;
        // The folders open with the item.
        documents.settingsDocument.childOrNew("Folder") = drevak::Integer{2};
        documents.settingsDocument.GetChild("Folder").childOrNew("Program") = std::string("edit");
        ItemDialog dialog(&owner, documents.itemsDocument, documents.groupsDocument,
                          documents.settingsDocument, true);
        chooseItem(dialog, "edit");
        Answer answer(L"削除", 10, yes ? 1 : 2);
        press(dialog, CTRL::REMOVE);
        EXPECT_TRUE(answer.answered);
        EXPECT_THAT(answer.text, StartsWith("editを参照しているものがある"));
        EXPECT_THAT(answer.text, ::testing::HasSubstr("設定: フォルダを開くアイテム"));
        EXPECT_EQ(documents.value(documents.settingsDocument, "Folder"), yes ? ":0" : ":2");
        EXPECT_THAT(answer.text, ::testing::HasSubstr("複数: both"));
        EXPECT_THAT(answer.text, ::testing::HasSubstr("リンク: jump"));
        EXPECT_EQ(documents.value(documents.items(), "edit") == "(none)", yes);
        EXPECT_EQ(documents.value(documents.items(), "jump") == "(none)", yes);
        EXPECT_EQ(documents.value(documents.groups(), "Work/Tools"),
                  yes ? "$both" : "$edit\tboth\tjump");
        EXPECT_EQ(documents.value(documents.items(), "both/Address"), yes ? "$" : "$edit");
    }
    // An item nothing names goes without a question.
    ItemDialog dialog(&owner, itemsDocument, groupsDocument, settingsDocument, true);
    chooseItem(dialog, "both");
    press(dialog, CTRL::REMOVE);
    EXPECT_EQ(value(items(), "both"), "(none)");
    EXPECT_EQ(value(groups(), "Work/Tools"), "$edit\tjump");
}

// Tags may hold blanks, also at their ends, and be empty: an apply for another reason writes
// them as they were; typed ones are one a line.
TEST_F(ItemDialogTest, TagsKeepTheirBlanks) {
    struct Case {
        const char* what;
        std::vector<std::string> stored;
        // Null leaves the tags alone.
        const char* typed;
        std::string written;
    };
    const Case cases[] = {
        {"blanks inside and at both ends",
         {"two words", " padded "},
         nullptr,
         "$two words\t padded "},
        {"an empty tag", {"a", "", "b"}, nullptr, "$a\t\\e\tb"},
        {"typed", {"old"}, "two words\r\n padded \r\n\r\n", "$two words\t padded "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Documents documents;
        documents.items().GetChild("edit").childOrNew("Tags") = c.stored;
        ItemDialog dialog(&owner, documents.itemsDocument, documents.groupsDocument,
                          documents.settingsDocument, true);
        chooseItem(dialog, "edit");
        type(dialog, ITEM_CTRL::NAME, "Renamed");
        if (c.typed != nullptr) {
            type(dialog, ITEM_CTRL::TAGS, c.typed);
        }
        press(dialog, CTRL::APPLY);
        EXPECT_EQ(documents.value(documents.items(), "edit"), "\\Renamed");
        EXPECT_EQ(documents.value(documents.items(), "edit/Tags"), c.written);
    }
}

// An edit is never lost unasked when the user goes to another item: untouched it goes without
// a question; otherwise "はい" applies it (a refused one is shown and stays in the form) and
// "いいえ" gives it up.
TEST_F(ItemDialogTest, LeavingAChangedEditAsksWhetherToApplyIt) {
    struct Case {
        const char* what;
        const char* option;
        const char* name;
        std::optional<bool> yes;
        bool applied;
        const char* editing;
    };
    const Case cases[] = {
        {"untouched", nullptr, nullptr, std::nullopt, false, "both"},
        {"given up", "-x", nullptr, false, false, "both"},
        {"applied", "-x", nullptr, true, true, "both"},
        {"refused", "-x", "", true, false, "edit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Documents documents;
        ItemDialog dialog(&owner, documents.itemsDocument, documents.groupsDocument,
                          documents.settingsDocument, true);
        chooseItem(dialog, "edit");
        const std::string before = documents.value(documents.items(), "edit/Option");
        if (c.option != nullptr) {
            type(dialog, ITEM_CTRL::OPTION, c.option);
        }
        if (c.name != nullptr) {
            type(dialog, ITEM_CTRL::NAME, c.name);
        }
        std::optional<Answer> failure;
        if (c.name != nullptr) {
            failure.emplace(L"アイテム設定", MESSAGE_TEXT, MESSAGE_OK, MESSAGE_BOX);
        }
        Answer answer(L"適用", 10, c.yes.value_or(false) ? 1 : 2);
        chooseItem(dialog, "both");
        EXPECT_EQ(answer.answered, c.yes.has_value());
        EXPECT_EQ(documents.value(documents.items(), "edit/Option"),
                  c.applied ? std::string("\\-x") : before);
        EXPECT_EQ(textOf(control(dialog, ITEM_CTRL::ID)), c.editing);
    }
}

// Refusals are said in a plain message titled as the dialog, all at once, and the first one's
// field gets the focus.
TEST_F(ItemDialogTest, AppliedRefusalsAreShownAsOneChainAndWriteNothing) {
    struct Case {
        const char* what;
        bool newItem;
        std::vector<std::pair<ITEM_CTRL, std::string>> typed;
        std::string shown;
        ITEM_CTRL focused;
    };
    const std::vector<Case> cases{
        {"empty ID and name", true, {}, "ID未入力\r\n名前未入力\r\nアドレス未記入", ITEM_CTRL::ID},
        {"an existing ID in new-item mode",
         true,
         {{ITEM_CTRL::ID, "edit"}, {ITEM_CTRL::NAME, "x"}, {ITEM_CTRL::ADDRESS, program}},
         "editは既に存在する",
         ITEM_CTRL::ID},
        {"an address as ID",
         false,
         {{ITEM_CTRL::ID, "edit/History"}},
         "edit/HistoryはIDに使用不可",
         ITEM_CTRL::ID},
        {"a file as work folder",
         false,
         {{ITEM_CTRL::WORK_FOLDER, program}},
         "フォルダじゃない",
         ITEM_CTRL::WORK_FOLDER},
        {"no icon number",
         false,
         {{ITEM_CTRL::ICON_INDEX, "x"}},
         "アイコン番号が変",
         ITEM_CTRL::ICON_INDEX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ItemDialog dialog(&owner, itemsDocument, groupsDocument, settingsDocument, true);
        if (c.newItem) {
            press(dialog, CTRL::NEW);
        }
        for (const auto& [id, text] : c.typed) {
            type(dialog, id, text);
        }
        const std::size_t before = items().ChildCount();
        dialog.show(tvgui::SHOW::SHOW);
        Answer answer(c.newItem ? L"新規作成" : L"アイテム設定", MESSAGE_TEXT, MESSAGE_OK,
                      MESSAGE_BOX);
        press(dialog, CTRL::APPLY);
        EXPECT_TRUE(answer.answered);
        EXPECT_EQ(answer.text, c.shown);
        EXPECT_EQ(GetFocus(), control(dialog, c.focused));
        EXPECT_EQ(items().ChildCount(), before);
        EXPECT_EQ(items().GetChild("edit/WorkFolder").GetString(), "");
        EXPECT_TRUE(dialog.exists());
    }
}

TEST_F(ItemDialogTest, ADroppedShortcutIsReadOnlyWithTheOption) {
    const std::string link = scratch.path("Launch It.lnk");
    shell::Shortcut shortcut;
    shortcut.setPath(toWide(program));
    shortcut.setArguments(L"-y");
    shortcut.save(toWide(link));
    struct Case {
        bool readShortcuts;
        std::string address;
        std::string option;
    };
    for (const Case& c : {Case{true, program, "-y"}, Case{false, link, ""}}) {
        SCOPED_TRACE(c.readShortcuts ? "read" : "taken as it is");
        ItemDialog dialog(&owner, itemsDocument, groupsDocument, settingsDocument, c.readShortcuts);
        press(dialog, CTRL::NEW);
        SendMessageW(
            dialog.hwnd(), WM_DROPFILES,
            reinterpret_cast<WPARAM>(shell::test::dropBlock<wchar_t>({toWide(link)}, {5, 5})), 0);
        EXPECT_EQ(textOf(control(dialog, ITEM_CTRL::ADDRESS)), c.address);
        EXPECT_EQ(textOf(control(dialog, ITEM_CTRL::OPTION)), c.option);
        EXPECT_EQ(textOf(control(dialog, ITEM_CTRL::ID)), "LaunchIt");
        EXPECT_EQ(textOf(control(dialog, ITEM_CTRL::NAME)), "Launch It");
    }
}

// The fields' menu entries, picked as a person picks them (the menu's command), over the item
// "edit" as loaded; the file and folder dialogs answer with the scratch folder's program and
// its "work" folder.
TEST_F(ItemDialogTest, FieldMenuEntriesFillTheirFields) {
    const BrowseCalls saved = browseCalls();
    browseCalls().openFile = [this](OPENFILENAMEW& request) {
        toWide(program).copy(request.lpstrFile, request.nMaxFile - 1);
        return TRUE;
    };
    browseCalls().browseFolder = [this](BROWSEINFOW&) {
        PIDLIST_ABSOLUTE chosen = nullptr;
        SHParseDisplayName(toWide(scratch.path("work")).c_str(), nullptr, &chosen, 0, nullptr);
        return chosen;
    };
    struct Case {
        FIELD_COMMAND command;
        std::vector<std::pair<ITEM_CTRL, std::string>> typed;
        std::vector<std::pair<ITEM_CTRL, std::string>> expected;
    };
    const std::string folder = scratch.path("");
    const std::vector<Case> cases{
        {FIELD_COMMAND::ID_INITIAL, {{ITEM_CTRL::ID, "x"}}, {{ITEM_CTRL::ID, "edit"}}},
        {FIELD_COMMAND::ID_FROM_ADDRESS, {}, {{ITEM_CTRL::ID, "tool"}}},
        {FIELD_COMMAND::NAME_FROM_ID, {}, {{ITEM_CTRL::NAME, "edit"}}},
        {FIELD_COMMAND::NAME_FROM_ADDRESS, {}, {{ITEM_CTRL::NAME, "tool"}}},
        {FIELD_COMMAND::ADDRESS_FILL_ALL,
         {{ITEM_CTRL::OPTION, "-x"}},
         {{ITEM_CTRL::ID, "tool"},
          {ITEM_CTRL::WORK_FOLDER, folder},
          {ITEM_CTRL::OPTION, ""},
          {ITEM_CTRL::ICON, program},
          {ITEM_CTRL::KEY, "T"}}},
        {FIELD_COMMAND::WORK_FOLDER_FROM_ADDRESS, {}, {{ITEM_CTRL::WORK_FOLDER, folder}}},
        {FIELD_COMMAND::ICON_FROM_ADDRESS,
         {{ITEM_CTRL::ICON_INDEX, "3"}},
         {{ITEM_CTRL::ICON, program}, {ITEM_CTRL::ICON_INDEX, "0"}}},
        {FIELD_COMMAND::KEY_FROM_NAME, {}, {{ITEM_CTRL::KEY, "E"}}},
        {FIELD_COMMAND::SHOW_INITIAL, {}, {{ITEM_CTRL::SHOW, "(5)"}}},
        {FIELD_COMMAND::ADDRESS_CHOOSE_FILE,
         {{ITEM_CTRL::ADDRESS, "x"}},
         {{ITEM_CTRL::ADDRESS, program}}},
        {FIELD_COMMAND::WORK_FOLDER_CHOOSE, {}, {{ITEM_CTRL::WORK_FOLDER, scratch.path("work")}}},
        {FIELD_COMMAND::ICON_CHOOSE, {}, {{ITEM_CTRL::ICON, program}}},
        {FIELD_COMMAND::USE_RESET, {}, {{ITEM_CTRL::USE, "0"}}},
        // The caret is at the start of the list after typing: the first member stays.
        {FIELD_COMMAND::MEMBERS_KEEP_ONE,
         {{ITEM_CTRL::MEMBERS, "a\r\nb\r\nc"}},
         {{ITEM_CTRL::MEMBERS, "a"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.command));
        ItemDialog dialog(&owner, itemsDocument, groupsDocument, settingsDocument, true);
        for (const auto& [id, text] : c.typed) {
            type(dialog, id, text);
        }
        SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(c.command), 0), 0);
        for (const auto& [id, text] : c.expected) {
            EXPECT_EQ(textOf(control(dialog, id)), text) << static_cast<int>(id);
        }
    }
    browseCalls() = saved;
}

// Types the keys, one a tick, into the pop-up menu once it is shown.
class MenuTyping {
public:
    explicit MenuTyping(std::vector<WORD> keys) {
        keys_ = std::move(keys);
        timer_ = SetTimer(nullptr, 0, 100, &MenuTyping::tick);
    }
    ~MenuTyping() { KillTimer(nullptr, timer_); }
    MenuTyping(const MenuTyping&) = delete;
    MenuTyping& operator=(const MenuTyping&) = delete;

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        const HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu == nullptr || !IsWindowVisible(menu) || keys_.empty()) {
            return;
        }
        INPUT strokes[2]{};
        for (INPUT& stroke : strokes) {
            stroke.type = INPUT_KEYBOARD;
            stroke.ki.wVk = keys_.front();
        }
        strokes[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, strokes, sizeof(INPUT));
        keys_.erase(keys_.begin());
    }

    static inline std::vector<WORD> keys_;
    UINT_PTR timer_;
};

TEST_F(ItemDialogTest, AFieldsCaptionButtonOpensItsMenu) {
    LoopGuard guard;
    ItemDialog dialog(&owner, itemsDocument, groupsDocument, settingsDocument, true);
    dialog.show(tvgui::SHOW::SHOW);
    SetForegroundWindow(dialog.hwnd());
    // The ID's menu: "初期状態", then "アドレスに合わせる".
    const MenuTyping typing({VK_DOWN, VK_DOWN, VK_RETURN});
    const int button = static_cast<int>(ITEM_CTRL::FIELD_BUTTON) + static_cast<int>(ITEM_FIELD::ID);
    SendMessageW(GetDlgItem(dialog.hwnd(), button), BM_CLICK, 0, 0);
    EXPECT_EQ(textOf(control(dialog, ITEM_CTRL::ID)), "tool");
}

// Keys reach the dialog's own loop: Enter applies through the default button, Escape ends.
TEST_F(ItemDialogTest, EnterAppliesAndEscapeEndsTheModalDialog) {
    LoopGuard guard;
    ItemDialog dialog(&owner, itemsDocument, groupsDocument, settingsDocument, true);
    static HWND nameBox;
    nameBox = control(dialog, ITEM_CTRL::NAME);
    SetWindowTextW(nameBox, L"エディタ");
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        static int step = 0;
        SetFocus(nameBox);
        PostMessageW(nameBox, WM_KEYDOWN, step++ == 0 ? VK_RETURN : VK_ESCAPE, 0);
        if (step == 2) {
            KillTimer(nullptr, id);
        }
    });
    EXPECT_FALSE(dialog.select());
    KillTimer(nullptr, timer);
    EXPECT_EQ(value(items(), "edit"), "\\エディタ");
}

} // namespace
} // namespace tavrin::gui::test
