#include "tvgui/window/subclass.h"

#include "system/tavrinerrors.h"
#include "tvgui/window/pendingexception.h"
#include "tvgui/window/tvgui.h"
#include "tvgui/window/tvguievent.h"

namespace tavrin::tvgui {

namespace {

// The window property that leads the replacement procedure to its SubClass.
constexpr const wchar_t* subClassProperty = L"TvGuiSubClass";

ISubClass& subclassingObject(TvGui& target) {
    auto* handler = dynamic_cast<ISubClass*>(&target);
    if (handler == nullptr) {
        throw system::TvGuiError("SubClass: the object does not implement ISubClass");
    }
    return *handler;
}

} // namespace

SubClass::SubClass(TvGui& target) : target_(target), handler_(subclassingObject(target)) {}

WNDPROC SubClass::procedure() const noexcept {
    return &SubClass::replacement;
}

bool SubClass::subclass() {
    if (isInstalled()) {
        return true;
    }
    HWND hwnd = target_.hwnd();
    if (hwnd == nullptr || SetPropW(hwnd, subClassProperty, this) == FALSE) {
        return false;
    }
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubClass::replacement)));
    if (previous_ == nullptr) {
        RemovePropW(hwnd, subClassProperty);
        return false;
    }
    alive = true;
    return true;
}

LRESULT SubClass::callOriginal(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const {
    return previous_ != nullptr ? CallWindowProcW(previous_, hwnd, message, wParam, lParam)
                                : DefWindowProcW(hwnd, message, wParam, lParam);
}

void SubClass::release() {
    HWND hwnd = target_.hwnd();
    if (previous_ != nullptr && hwnd != nullptr && IsWindow(hwnd)) {
        SetLastError(0);
        if (SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_)) == 0 &&
            GetLastError() != 0) {
            throw system::TvGuiException("サブクラス化解除失敗");
        }
        RemovePropW(hwnd, subClassProperty);
    }
    previous_ = nullptr;
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
        RemovePropW(hwnd, subClassProperty);
        previous_ = nullptr;
        alive = false;
        target_.unbind();
        return result;
    }
    default:
        return handler_.procedure(hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK SubClass::replacement(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept {
    auto* installed = static_cast<SubClass*>(GetPropW(hwnd, subClassProperty));
    if (installed == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    try {
        return installed->handle(hwnd, message, wParam, lParam);
    } catch (...) {
        keepPendingException(std::current_exception());
        return 0;
    }
}

} // namespace tavrin::tvgui
