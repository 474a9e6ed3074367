// The application settings page alone, over settings with colours, a hot key and a folder
// item, for its pictures; with TAVRIN_DESKTOP_MENU=none the hook library is missing. Closes
// itself after the given milliseconds.
#include <cstdlib>
#include <string>
#include <vector>

#include "demoprogram.h"
#include "etc/drevak/convert.h"
#include "etc/drevak/dvkdocument.h"
#include "gui/window/dialog/tavrindialog.h"

namespace tavrin::gui::demo {
namespace {

TavrinDialog* shown = nullptr;

void CALLBACK closeDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    shown->end(0);
}

int showSettings(UINT closeAfter) {
    const std::vector<std::string> lines{
        "Folder:2",
        "Folder/Program\\explorer2",
        "Launcher/Command/Keys=5\t75",
        "Launcher/Command/Color/ID!2040C0\tFFF0C0",
        "Launcher/Command/Timer:1500",
        "Launcher/Menu/Desktop:1",
    };
    drevak::DvkDocument settings(lines);
    drevak::DvkDocument items;
    for (const char* id : {"notepad", "explorer2", "cmd"}) {
        items.CreatePath(drevak::Convert::splitAddress(std::string("Item/") + id));
    }
    const char* desktop = std::getenv("TAVRIN_DESKTOP_MENU");
    TavrinDialog dialog(nullptr, settings, items,
                        desktop == nullptr || std::string(desktop) != "none");
    dialog.setText("tavrin");
    shown = &dialog;
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
    return tavrin::tvgui::demo::runDemoProgram("tavrin_dialog_show",
                                               &tavrin::gui::demo::showSettings);
}
