#include "tvgui/window/guardedtimer.h"

#include <exception>
#include <map>
#include <utility>

#include "tvgui/window/pendingexception.h"

namespace tavrin::tvgui {

namespace {

// Timers fire on the thread that set them, so each thread keeps its own procedures.
thread_local std::map<std::pair<HWND, UINT_PTR>, TIMERPROC> procedures;

void CALLBACK guarded(HWND window, UINT message, UINT_PTR id, DWORD time) noexcept {
    try {
        const auto found = procedures.find({window, id});
        if (found != procedures.end()) {
            found->second(window, message, id, time);
        }
    } catch (...) {
        keepPendingException(std::current_exception());
    }
}

} // namespace

UINT_PTR setGuardedTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure) {
    const UINT_PTR made = SetTimer(window, id, elapse, &guarded);
    if (made != 0) {
        // Without a window the system chooses the id, and that is what the procedure gets.
        procedures[{window, window != nullptr ? id : made}] = procedure;
    }
    return made;
}

void forgetGuardedTimer(HWND window, UINT_PTR id) noexcept {
    procedures.erase({window, id});
}

void forgetGuardedTimers(HWND window) noexcept {
    std::erase_if(procedures, [window](const auto& entry) { return entry.first.first == window; });
}

} // namespace tavrin::tvgui
