#include "hookthread.h"

#include <algorithm>
#include <atomic>

#include "dll/hooknotification.h"

namespace tavrin::hooker {

namespace {

// Written before the thread starts and read only on it.
HWND target = nullptr;
UINT targetMessage = 0;

HANDLE thread = nullptr;
DWORD threadId = 0;
std::atomic<std::int64_t> longest{0};

struct Installing {
    HANDLE ready;
    HHOOK hook;
    DWORD error;
};

LRESULT CALLBACK mouseEvent(int code, WPARAM message, LPARAM event) {
    LARGE_INTEGER begin;
    QueryPerformanceCounter(&begin);
    // Moves are left out: the launcher acts on presses, and a move per pixel would flood
    // its queue.
    if (code == HC_ACTION && message != WM_MOUSEMOVE) {
        const auto& mouse = *reinterpret_cast<const MSLLHOOKSTRUCT*>(event);
        PostMessageW(target, targetMessage, message, dll::packPoint(mouse.pt));
    }
    const LRESULT passed = CallNextHookEx(nullptr, code, message, event);
    LARGE_INTEGER end;
    QueryPerformanceCounter(&end);
    const std::int64_t took = end.QuadPart - begin.QuadPart;
    std::int64_t known = longest.load(std::memory_order_relaxed);
    while (took > known && !longest.compare_exchange_weak(known, took)) {
    }
    return passed;
}

DWORD WINAPI hookLoop(void* parameter) {
    // The thread holds its own reference to the module that runs it, so that the code under
    // the hook stays mapped even if the library is freed before the hook is removed.
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                       reinterpret_cast<LPCWSTR>(&mouseEvent), &self);
    auto& installing = *static_cast<Installing*>(parameter);
    MSG message;
    // The queue exists before anyone can post the quit message to it.
    PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    const HHOOK hook = SetWindowsHookExW(WH_MOUSE_LL, mouseEvent, self, 0);
    installing.hook = hook;
    installing.error = GetLastError();
    SetEvent(installing.ready);
    DWORD removed = FALSE;
    if (hook != nullptr) {
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            DispatchMessageW(&message);
        }
        removed = UnhookWindowsHookEx(hook);
    }
    FreeLibraryAndExitThread(self, removed);
}

HHOOK refuse(DWORD error) {
    SetLastError(error);
    return nullptr;
}

} // namespace

HHOOK startHook(HWND window, int kind, UINT message) {
    if (kind != WH_MOUSE_LL) {
        return refuse(ERROR_INVALID_HOOK_FILTER);
    }
    if (!IsWindow(window)) {
        return refuse(ERROR_INVALID_WINDOW_HANDLE);
    }
    if (thread != nullptr) {
        return refuse(ERROR_ALREADY_EXISTS);
    }
    target = window;
    targetMessage = message;
    Installing installing{CreateEventW(nullptr, TRUE, FALSE, nullptr), nullptr, 0};
    if (installing.ready == nullptr) {
        return nullptr;
    }
    thread = CreateThread(nullptr, 0, hookLoop, &installing, 0, &threadId);
    if (thread == nullptr) {
        installing.error = GetLastError();
    } else {
        WaitForSingleObject(installing.ready, INFINITE);
    }
    CloseHandle(installing.ready);
    if (installing.hook == nullptr && thread != nullptr) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
        thread = nullptr;
    }
    return installing.hook != nullptr ? installing.hook : refuse(installing.error);
}

bool stopHook() {
    if (thread == nullptr) {
        return false;
    }
    PostThreadMessageW(threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(thread, INFINITE);
    DWORD removed = FALSE;
    GetExitCodeThread(thread, &removed);
    CloseHandle(thread);
    thread = nullptr;
    return removed != FALSE;
}

std::int64_t longestCallbackTicks() {
    return longest.load();
}

} // namespace tavrin::hooker
