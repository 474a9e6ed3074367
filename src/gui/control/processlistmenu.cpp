#include "gui/control/processlistmenu.h"

#include <memory>
#include <optional>
#include <string>

#include "gui/control/menutag.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "tvgui/window/tvgui.h"

namespace tavrin::gui {

namespace {

using FLAGS = tvgui::PopUp::FLAGS;

// Long enough for a window that is answering, short enough that one that is not (its thread
// busy or hung) cannot hold the launcher while the menu fills.
constexpr UINT ICON_QUESTION_MS = 100;
// Longer titles than a menu entry can show are cut.
constexpr std::size_t TITLE_LENGTH = 512;

// The title as the system keeps it: unlike GetWindowTextW this sends nothing, so a window
// whose thread does not answer cannot hold the menu either.
std::wstring titleOf(HWND window) {
    std::wstring title(TITLE_LENGTH, L'\0');
    title.resize(static_cast<std::size_t>(
        InternalGetWindowText(window, title.data(), static_cast<int>(title.size()))));
    return title;
}

bool standsAlone(HWND window) {
    return window != nullptr && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr &&
           (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0;
}

// The window's small icon (the one it set, else the one the system makes of its big one), its
// class's icon, or the system's application icon; none of them belongs to the menu. A window
// that does not answer is asked once.
HICON iconOf(HWND window) {
    for (const WPARAM kind : {ICON_SMALL, ICON_SMALL2}) {
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(window, WM_GETICON, kind, 0, SMTO_ABORTIFHUNG, ICON_QUESTION_MS,
                                &answer) == 0) {
            break;
        }
        if (answer != 0) {
            return reinterpret_cast<HICON>(answer);
        }
    }
    for (const int kind : {GCLP_HICONSM, GCLP_HICON}) {
        if (const ULONG_PTR icon = GetClassLongPtrW(window, kind)) {
            return reinterpret_cast<HICON>(icon);
        }
    }
    return LoadIconW(nullptr, IDI_APPLICATION);
}

} // namespace

ProcessListMenu::ProcessListMenu(image::ICONSIZE size) {
    iconSize(size);
}

void ProcessListMenu::fill() {
    EnumWindows(
        [](HWND window, LPARAM menu) -> BOOL {
            // Nothing may be thrown through the system's call: a window that cannot be added
            // is left out.
            try {
                reinterpret_cast<ProcessListMenu*>(menu)->add(window);
            } catch (const std::exception& failure) {
                system::WriteLog([&failure] { return system::throwableText(failure); });
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
}

void ProcessListMenu::add(HWND window) {
    if (!standsAlone(window)) {
        return;
    }
    const std::wstring title = titleOf(window);
    if (title.empty()) {
        return;
    }
    const auto id = static_cast<UINT>(ids().size() + 1);
    addData(taggedItem(id, MENUS::PROCESS),
            {system::toUtf8(title), image::Icon(iconOf(window), false)},
            std::make_shared<tvgui::OtherWindow>(window));
}

void ProcessListMenu::show(tvgui::TvGui& window) {
    fill();
    const auto chosen = static_cast<UINT>(
        showAtCursor(FLAGS::RETURNCMD | FLAGS::NONOTIFY, window.hwnd(), std::nullopt));
    if (chosen != 0) {
        bringForward(chosen);
    }
}

void ProcessListMenu::bringForward(UINT id) const {
    const tvgui::OtherWindow* chosen = getData(id);
    if (chosen == nullptr) {
        throw system::TavrinException("AppButton_Proc_RButtonDown:ProcessListMenu.get(MENUITEM)");
    }
    const HWND window = chosen->hwnd();
    if (!IsWindow(window)) {
        throw system::TavrinException("既に存在しないウィンドウ");
    }
    if (IsIconic(window)) {
        OpenIcon(window);
    } else {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

} // namespace tavrin::gui
