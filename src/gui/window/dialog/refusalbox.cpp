#include "gui/window/dialog/refusalbox.h"

#include <string>

#include "gui/window/dialog/throwablechain.h"
#include "system/unicode.h"

namespace tavrin::gui {

void showRefusal(const tvgui::TvGui& dialog, const std::exception& refusal) {
    std::vector<std::string> messages;
    for (const ThrowableEntry& entry : throwableChain(refusal)) {
        messages.push_back(entry.message);
    }
    showRefusal(dialog, messages);
}

void showRefusal(const tvgui::TvGui& dialog, const std::vector<std::string>& messages) {
    std::string text;
    for (const std::string& message : messages) {
        text += (text.empty() ? "" : "\r\n") + message;
    }
    // A page of the settings dialog has no title of its own on show: the frame's is the one
    // the user sees.
    const HWND shown = GetAncestor(dialog.hwnd(), GA_ROOT);
    wchar_t title[256]{};
    GetWindowTextW(shown, title, 256);
    MessageBoxW(shown, system::toWide(text).c_str(), title, MB_OK | MB_ICONWARNING);
}

} // namespace tavrin::gui
