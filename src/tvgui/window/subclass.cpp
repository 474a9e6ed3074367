#include "tvgui/window/subclass.h"

#include "system/tavrinerrors.h"
#include "tvgui/window/pendingexception.h"
#include "tvgui/window/tvgui.h"
#include "tvgui/window/tvguievent.h"

namespace tavrin::tvgui {

namespace {

ISubClass& subclassingObject(TvGui& target) {
    auto* handler = dynamic_cast<ISubClass*>(&target);
    if (handler == nullptr) {
        throw system::TvGuiError("SubClass: the object does not implement ISubClass");
    }
    return *handler;
}

} // namespace

SubClass::SubClass(TvGui& target) : target_(target), handler_(subclassingObject(target)) {}

SUBCLASSPROC SubClass::procedure() const noexcept {
    return &SubClass::replacement;
}

// The hook is named by this object, so two SubClass objects on one window are two hooks.
bool SubClass::subclass() {
    if (isInstalled()) {
        return true;
    }
    HWND hwnd = target_.hwnd();
    if (hwnd == nullptr ||
        SetWindowSubclass(hwnd, &SubClass::replacement, reinterpret_cast<UINT_PTR>(this),
                          reinterpret_cast<DWORD_PTR>(this)) == FALSE) {
        return false;
    }
    installed_ = true;
    alive = true;
    return true;
}

LRESULT SubClass::callOriginal(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const {
    return installed_ ? DefSubclassProc(hwnd, message, wParam, lParam)
                      : DefWindowProcW(hwnd, message, wParam, lParam);
}

void SubClass::release() {
    HWND hwnd = target_.hwnd();
    if (installed_ && hwnd != nullptr && IsWindow(hwnd) &&
        RemoveWindowSubclass(hwnd, &SubClass::replacement, reinterpret_cast<UINT_PTR>(this)) ==
            FALSE) {
        throw system::TvGuiException("サブクラス化解除失敗");
    }
    installed_ = false;
    alive = false;
}

LRESULT SubClass::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        if (auto* events = dynamic_cast<TvGuiEvent*>(&target_)) {
            events->OnDestroy();
        }
        return callOriginal(hwnd, message, wParam, lParam);
    case WM_NCDESTROY: {
        const LRESULT result = callOriginal(hwnd, message, wParam, lParam);
        RemoveWindowSubclass(hwnd, &SubClass::replacement, reinterpret_cast<UINT_PTR>(this));
        installed_ = false;
        alive = false;
        target_.unbind();
        return result;
    }
    default:
        return handler_.procedure(hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK SubClass::replacement(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR self) noexcept {
    try {
        return reinterpret_cast<SubClass*>(self)->handle(hwnd, message, wParam, lParam);
    } catch (...) {
        keepPendingException(std::current_exception());
        return 0;
    }
}

} // namespace tavrin::tvgui
