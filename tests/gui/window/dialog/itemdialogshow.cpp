// The item dialog over a small launcher's items, for its pictures: the program "notepad" is
// being edited, with TAVRIN_ITEM_PICTURE=multi the multi-item "daily", with
// TAVRIN_ITEM_PICTURE=refusal an empty new item is applied and its refusals are shown. Closes
// itself after the given milliseconds (the refusals first, then the dialog).
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "demoprogram.h"
#include "etc/drevak/dvkdocument.h"
#include "file/items/item.h"
#include "gui/window/dialog/itemdialog.h"

namespace tavrin::gui::demo {
namespace {

using CTRL = ItemDialog::CTRL;

file::Item added(drevak::Drevak& items, const std::string& id) {
    items.childOrNew(id);
    return file::Item(id, items);
}

void fill(drevak::Drevak& items, drevak::Drevak& groups) {
    file::Item notepad = added(items, "notepad");
    notepad.setName("メモ帳");
    notepad.setFileAddress("C:\\windows\\notepad.exe");
    notepad.setWorkFolder("C:\\windows\\");
    notepad.setTags({"テキスト", "editor"});
    notepad.setKey('N');
    notepad.setHistoryOptions({"readme.txt", "todo.txt"});
    notepad.setRegistered(file::ItemDateTime("2009/09/12 17:03:13"));
    notepad.setLastUsed(file::ItemDateTime("2026/12/01 08:30:00"));
    notepad.setUseCount(42);
    notepad.setComment("いつものエディタ");
    file::Item command = added(items, "cmd");
    command.setName("コマンドプロンプト");
    command.setFileAddress("C:\\windows\\system32\\cmd.exe");
    file::Item daily = added(items, "daily");
    daily.setName("朝の準備");
    daily.setMultiAddresses({"notepad", "cmd", "web"});
    daily.setKey('D');
    file::Item web = added(items, "web");
    web.setName("ウェブ");
    web.setUriAddress("https://example.com/");
    web.setKey('W');
    groups.childOrNew("Work") = std::vector<std::string>{"Tools"};
    groups.GetChild("Work").childOrNew("Tools") =
        std::vector<std::string>{"notepad", "cmd", "daily", "web"};
}

void choose(const ItemDialog& dialog, int index) {
    const HWND list = GetDlgItem(dialog.hwnd(), static_cast<int>(CTRL::LIST));
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog.hwnd(), WM_COMMAND,
                 MAKEWPARAM(static_cast<WORD>(CTRL::LIST), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

HWND shown = nullptr;

void CALLBACK apply(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostMessageW(shown, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(CTRL::APPLY), BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(shown, static_cast<int>(CTRL::APPLY))));
}

void CALLBACK closeDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    // The message that says what was refused, answered first.
    if (const HWND refusal = FindWindowW(L"#32770", nullptr)) {
        PostMessageW(refusal, WM_COMMAND, IDOK, 0);
        return;
    }
    KillTimer(nullptr, timer);
    const HWND close = GetDlgItem(shown, static_cast<int>(CTRL::CLOSE));
    PostMessageW(shown, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(CTRL::CLOSE), BN_CLICKED),
                 reinterpret_cast<LPARAM>(close));
}

int showItems(UINT closeAfter) {
    drevak::DvkDocument items;
    drevak::DvkDocument groups;
    drevak::DvkDocument settings;
    fill(items.childOrNew("Item"), groups.childOrNew("Group"));
    ItemDialog dialog(nullptr, items, groups, settings, true);
    const char* chosen = std::getenv("TAVRIN_ITEM_PICTURE");
    const std::string_view picture = chosen == nullptr ? "" : chosen;
    choose(dialog, picture == "multi" ? 2 : 0);
    shown = dialog.hwnd();
    if (picture == "refusal") {
        SendMessageW(shown, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(CTRL::NEW), BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(shown, static_cast<int>(CTRL::NEW))));
        SetTimer(nullptr, 0, 300, &apply);
    }
    SetWindowPos(shown, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    if (closeAfter != 0) {
        SetTimer(nullptr, 0, closeAfter, &closeDialog);
    }
    dialog.select();
    return 0;
}

} // namespace
} // namespace tavrin::gui::demo

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return tavrin::tvgui::demo::runDemoProgram("item_dialog_show", &tavrin::gui::demo::showItems);
}
