#include "gui/control/tasktray.h"

#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "tvgui/window/tvgui.h"

namespace tavrin::gui {

namespace {

constexpr DWORD retryWait = 500;
constexpr int retryAttempts = 5;

} // namespace

TaskTray::ShellCalls& TaskTray::shellCalls() {
    static ShellCalls calls{[](NIM command, NOTIFYICONDATAW& record) {
                                return Shell_NotifyIconW(static_cast<DWORD>(command), &record);
                            },
                            [](DWORD milliseconds) { Sleep(milliseconds); }};
    return calls;
}

bool TaskTray::add(NOTIFYICONDATAW& record, bool retry, DWORD wait, int attempts) {
    const ShellCalls& calls = shellCalls();
    if (!retry) {
        return calls.notify(NIM::ADD, record) != FALSE;
    }
    for (int attempt = 0; attempt <= attempts; ++attempt) {
        SetLastError(0);
        if (calls.notify(NIM::ADD, record) != FALSE) {
            return true;
        }
        if (const DWORD error = GetLastError(); error != ERROR_TIMEOUT) {
            throw system::TaskTrayException(system::systemMessage(error));
        }
        // A shell that timed out may have taken the icon all the same: modifying it then
        // succeeds, and no second icon is added.
        if (calls.notify(NIM::MODIFY, record) != FALSE) {
            return true;
        }
        calls.sleep(wait);
    }
    throw system::TaskTrayException("タスクトレイ登録失敗");
}

UINT TaskTray::taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

TavrinTaskTray::TavrinTaskTray(tvgui::TvGui& owner, UINT callbackMessage)
    : callbackMessage_(callbackMessage), owner_(owner) {
    alive = true;
    icons_.push_back(image::GetSystemIcon(image::ICONSIZE::SMALL, image::SYSICON::TASKTRAY));
}

NOTIFYICONDATAW TavrinTaskTray::record(UINT id) const {
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof record;
    record.hWnd = owner_.hwnd();
    record.uID = id;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = callbackMessage_;
    record.hIcon = icons_.at(id).get();
    tip_.copy(record.szTip, std::size(record.szTip) - 1);
    return record;
}

void TavrinTaskTray::addIcon() {
    for (UINT id = 0; id < icons_.size(); ++id) {
        NOTIFYICONDATAW shown = record(id);
        add(shown, true, retryWait, retryAttempts);
    }
}

// An icon not added yet refuses the change, and is added with the tip later.
void TavrinTaskTray::setTip(std::string_view text) {
    tip_ = system::toWide(text);
    for (UINT id = 0; id < icons_.size(); ++id) {
        NOTIFYICONDATAW shown = record(id);
        shellCalls().notify(NIM::MODIFY, shown);
    }
}

// An icon the shell never took cannot be deleted either: the answer changes nothing here.
void TavrinTaskTray::release() {
    for (UINT id = 0; id < icons_.size(); ++id) {
        NOTIFYICONDATAW shown = record(id);
        shellCalls().notify(NIM::DELETE_, shown);
        icons_[id].dispose();
    }
    icons_.clear();
}

} // namespace tavrin::gui
