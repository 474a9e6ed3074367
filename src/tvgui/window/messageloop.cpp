#include "tvgui/window/messageloop.h"

#include <unordered_map>
#include <utility>

#include "tvgui/keyboard/accelerator.h"
#include "tvgui/window/controlkeys.h"
#include "tvgui/window/pendingexception.h"
#include "tvgui/window/tvgui.h"

namespace tavrin::tvgui {

namespace {

struct AcceleratorEntry {
    HWND window;
    const Accelerator* accelerator;
};

thread_local std::unordered_map<const TvGui*, AcceleratorEntry> accelerators;
thread_local std::unordered_map<DIALOG_ID, HWND> modelessDialogs;
thread_local bool applicationQuitting = false;

// Keys go through the table of the top-level window they are addressed to: a modeless
// dialog's keys in its owner's loop through the dialog's table, not the owner's.
bool translatedByAccelerator(const TvGui& owner, MSG& message) {
    HWND top = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : owner.hwnd();
    const auto entry = accelerators.find(TvGui::getGuiObject(top));
    return entry != accelerators.end() &&
           TranslateAcceleratorW(entry->second.window, entry->second.accelerator->get(),
                                 &message) != 0;
}

bool takenByModelessDialog(DIALOG_ID id, MSG& message) {
    HWND dialog = modelessEntry(id);
    return dialog != nullptr && IsDialogMessageW(dialog, &message) != FALSE;
}

} // namespace

void setAcceleratorEntry(const TvGui& owner, HWND window, const Accelerator& accelerator) {
    accelerators[&owner] = {window, &accelerator};
}

void removeAcceleratorEntry(const TvGui& owner) noexcept {
    accelerators.erase(&owner);
}

bool hasModelessEntry(DIALOG_ID id) {
    return modelessDialogs.contains(id);
}

HWND modelessEntry(DIALOG_ID id) {
    const auto entry = modelessDialogs.find(id);
    return entry != modelessDialogs.end() ? entry->second : nullptr;
}

void setModelessEntry(DIALOG_ID id, HWND dialog) {
    modelessDialogs[id] = dialog;
}

void removeModelessEntry(DIALOG_ID id) noexcept {
    modelessDialogs.erase(id);
}

void quitApplication(int code) {
    applicationQuitting = true;
    PostQuitMessage(code);
}

int runMessageLoop(const TvGui& owner, DIALOG_ID id) {
    MSG message{};
    BOOL got = 0;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0 && got != -1) {
        // Messages sent from other threads are handled inside GetMessageW.
        rethrowPendingException();
        if (controlWantsDialogKey(message) ||
            (!translatedByAccelerator(owner, message) && !takenByModelessDialog(id, message) &&
             IsDialogMessageW(owner.hwnd(), &message) == FALSE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        rethrowPendingException();
    }
    if (got == 0) {
        if (id == DIALOG_ID::MAIN) {
            applicationQuitting = false;
        } else if (applicationQuitting) {
            PostQuitMessage(static_cast<int>(message.wParam));
        }
    }
    rethrowPendingException();
    return got;
}

} // namespace tavrin::tvgui
