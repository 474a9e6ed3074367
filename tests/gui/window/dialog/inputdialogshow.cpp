// Shows the input prompt as a user meets it, for a picture: an address in the edit line with
// its folder selected, both browse buttons and OK / cancel. Given a number of milliseconds,
// the prompt closes itself after that time.
#include "demoprogram.h"
#include "gui/window/dialog/inputdialog.h"

namespace tavrin::gui {
namespace {

// The prompt that the timer closes.
HWND shown = nullptr;

void CALLBACK closePrompt(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    // Escape, as a person would close it: the prompt's accelerator ends it.
    PostMessageW(GetDlgItem(shown, static_cast<int>(InputDialog::CTRL::EDIT)), WM_KEYDOWN,
                 VK_ESCAPE, 0);
}

int showPrompt(UINT closeAfter) {
    InputConfig config;
    config.text = "C:\\Program Files\\メモ帳\\notepad.exe";
    config.fileTitle = "ファイル選択";
    config.filters = {{"実行ファイル", "*.exe"}};
    InputDialog dialog(std::move(config), nullptr);
    shown = dialog.hwnd();
    SendDlgItemMessageW(shown, static_cast<int>(InputDialog::CTRL::EDIT), EM_SETSEL, 3, 17);
    if (closeAfter != 0) {
        SetTimer(nullptr, 0, closeAfter, &closePrompt);
    }
    dialog.select();
    return 0;
}

} // namespace
} // namespace tavrin::gui

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return tavrin::tvgui::demo::runDemoProgram("input_dialog_show", &tavrin::gui::showPrompt);
}
