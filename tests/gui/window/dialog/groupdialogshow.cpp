// The group page alone over a small launcher's groups and items, for its pictures: two main
// groups and the menu group, a sub group selected and an item picked in the list. Closes
// itself after the given milliseconds.
#include <string_view>
#include <vector>

#include "demoprogram.h"
#include "etc/drevak/dvkdocument.h"
#include "gui/window/dialog/groupdialog.h"

namespace tavrin::gui::demo {
namespace {

using CTRL = GroupDialog::CTRL;

drevak::DvkDocument documentOf(std::vector<std::string_view> lines) {
    return drevak::DvkDocument(std::span<const std::string_view>(lines));
}

void CALLBACK closeDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostMessageW(FindWindowW(nullptr, L"グループ設定"), WM_CLOSE, 0, 0);
}

int showGroups(UINT closeAfter) {
    drevak::DvkDocument groups = documentOf(
        {"Group$仕事\tPlay", "Group/仕事$Tools\tウェブ", "Group/仕事/Tools$notepad\tcmd\tdaily",
         "Group/仕事/ウェブ$web", "Group/Play$Games", "Group/Play/Games$chess",
         "Group/<Menu>$Daily", "Group/<Menu>/Daily$notepad\tweb"});
    drevak::DvkDocument items =
        documentOf({"Item/notepad\\メモ帳", "Item/cmd\\コマンドプロンプト", "Item/daily\\朝の準備",
                    "Item/web\\ウェブ", "Item/chess\\チェス", "Item/mail\\メール"});
    GroupDialog dialog(nullptr, groups, items);
    const HWND tree = GetDlgItem(dialog.hwnd(), static_cast<int>(CTRL::TREE));
    const auto top = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    const auto sub = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(top)));
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(sub));
    LVITEMW picked{};
    picked.stateMask = picked.state = LVIS_SELECTED;
    SendMessageW(GetDlgItem(dialog.hwnd(), static_cast<int>(CTRL::LIST)), LVM_SETITEMSTATE, 3,
                 reinterpret_cast<LPARAM>(&picked));
    SetFocus(tree);
    SetWindowPos(dialog.hwnd(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    if (closeAfter != 0) {
        SetTimer(nullptr, 0, closeAfter, &closeDialog);
    }
    dialog.select();
    return 0;
}

} // namespace
} // namespace tavrin::gui::demo

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return tavrin::tvgui::demo::runDemoProgram("group_dialog_show", &tavrin::gui::demo::showGroups);
}
