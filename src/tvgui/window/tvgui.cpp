#include "tvgui/window/tvgui.h"
#include "tvgui/window/deferredmoves.h"

#include <mutex>
#include <unordered_set>

#include <shellapi.h>

#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "tvgui/draw/canvas.h"
#include "tvgui/draw/font.h"
#include "tvgui/draw/messagefont.h"
#include "tvgui/draw/windowdpi.h"
#include "tvgui/window/guardedtimer.h"
#include "tvgui/window/stylepair.h"

namespace tavrin::tvgui {

namespace {

// Every toolkit object alive in the process. A user-data slot is trusted only when it names
// one of these (another library of the process may keep its own pointers there).
class LiveObjects {
public:
    void add(const TvGui* object) {
        std::lock_guard lock(mutex_);
        objects_.insert(object);
    }
    void remove(const TvGui* object) noexcept {
        std::lock_guard lock(mutex_);
        objects_.erase(object);
    }
    bool contains(const TvGui* object) const {
        std::lock_guard lock(mutex_);
        return objects_.contains(object);
    }

private:
    mutable std::mutex mutex_;
    std::unordered_set<const TvGui*> objects_;
};

LiveObjects& liveObjects() {
    static LiveObjects objects;
    return objects;
}

std::string lastErrorText() {
    return system::systemMessage(GetLastError());
}

// The dialog-frame insets every window's layout keeps from its client edges: layout insets
// are 96-DPI pixels, so they are the metrics at that DPI, scaled with the rest of the layout.
std::unique_ptr<LayoutManager> frameSpacedLayoutManager() {
    const int cx = GetSystemMetricsForDpi(SM_CXDLGFRAME, BASE_DPI);
    const int cy = GetSystemMetricsForDpi(SM_CYDLGFRAME, BASE_DPI);
    return std::make_unique<LayoutManager>(cx, cy, cx, cy);
}

} // namespace

TvGui::TvGui() {
    liveObjects().add(this);
}

TvGui::TvGui(HWND handle) : hwnd_(handle) {
    liveObjects().add(this);
}

TvGui::~TvGui() {
    unbind();
    liveObjects().remove(this);
}

TvGui* TvGui::getGuiObject(HWND handle) noexcept {
    if (handle == nullptr) {
        return nullptr;
    }
    DWORD process = 0;
    if (GetWindowThreadProcessId(handle, &process) == 0 || process != GetCurrentProcessId()) {
        return nullptr;
    }
    auto* candidate = reinterpret_cast<TvGui*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
    if (candidate == nullptr) {
        return nullptr;
    }
    return isLive(candidate) && candidate->hwnd_ == handle ? candidate : nullptr;
}

bool TvGui::isLive(const TvGui* object) noexcept {
    try {
        return liveObjects().contains(object);
    } catch (...) {
        return false;
    }
}

std::shared_ptr<TvGui> TvGui::guiFromHandle(HWND handle) {
    if (handle == nullptr) {
        return nullptr;
    }
    if (TvGui* bound = getGuiObject(handle)) {
        return std::shared_ptr<TvGui>(std::shared_ptr<TvGui>(), bound);
    }
    return std::make_shared<OtherGui>(handle);
}

void TvGui::bind(HWND handle) {
    hwnd_ = handle;
    SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (!layoutManager_) {
        layoutManager_ = frameSpacedLayoutManager();
    }
}

void TvGui::unbind() noexcept {
    if (hwnd_ != nullptr &&
        GetWindowLongPtrW(hwnd_, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this)) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        // Only the bound object lets go of the window's timers: a passing wrapper leaves them.
        forgetGuardedTimers(hwnd_);
    }
    hwnd_ = nullptr;
    leaveLayouts();
}

HWND TvGui::create(const GUIINFO& info) {
    HWND parent = info.Owner != nullptr ? info.Owner->hwnd() : GetDesktopWindow();
    const std::wstring className = system::toWide(info.ClassName);
    void* creationParameter = info.EventLoop ? static_cast<void*>(this) : nullptr;
    HWND handle =
        CreateWindowExW(info.ExStyle, className.c_str(), className.c_str(), info.Style, info.x,
                        info.y, info.width, info.height, parent, reinterpret_cast<HMENU>(info.Id),
                        GetModuleHandleW(nullptr), creationParameter);
    if (handle == nullptr) {
        auto description = std::make_shared<system::TvGuiException>(info.toString());
        auto failure = std::make_shared<system::TvGuiException>(
            lastErrorText(), system::CODE::GUI_CREATE, description);
        throw system::TvGuiException("Gui生成失敗", system::CODE::GUI, failure);
    }
    return handle;
}

int TvGui::dpi() const noexcept {
    return windowDpi(hwnd_);
}

int TvGui::scale(int pixels) const noexcept {
    return scaleForDpi(pixels, dpi());
}

void TvGui::followDpi(int dpi, const RECT& suggested) {
    const std::vector<TvGui*> inside = children();
    const Font& shared = messageFontFor(dpi);
    for (TvGui* child : inside) {
        // A font of the child's own is its owner's to size.
        const std::unique_ptr<Font> shown = child->font();
        if (shown != nullptr && shown->get() != shared.get() && isSharedMessageFont(shown->get())) {
            child->setFont(shared);
        }
    }
    if (!styleBit(GWL::STYLE, WS_CHILD)) {
        setPosition(AFTER::TOP, suggested.left, suggested.top, suggested.right - suggested.left,
                    suggested.bottom - suggested.top, SWP::NOZORDER | SWP::NOACTIVATE);
    }
    layOut(dpi);
    for (TvGui* child : inside) {
        child->layOut(dpi);
    }
}

void TvGui::layOut(int dpi) {
    SIZE client{};
    // A minimised window has no room to lay out, and nothing inside it shows.
    if (!layoutManager_ || IsIconic(GetAncestor(hwnd_, GA_ROOT)) != FALSE || !clientSize(client)) {
        return;
    }
    const DeferredMoves batch;
    layoutManager_->onSize(client.cx, client.cy, dpi);
}

bool TvGui::styleBit(GWL index, LONG_PTR bits) const {
    return (GetWindowLongPtrW(hwnd_, static_cast<int>(index)) & bits) == bits;
}

LONG_PTR TvGui::setStyleBit(GWL index, LONG_PTR bits, bool on) {
    const LONG_PTR style = GetWindowLongPtrW(hwnd_, static_cast<int>(index));
    return SetWindowLongPtrW(hwnd_, static_cast<int>(index), on ? style | bits : style & ~bits);
}

TVGUI_STYLE_PAIR(TvGui, dialogModalFrame, EXSTYLE, WS_EX_DLGMODALFRAME)
TVGUI_STYLE_PAIR(TvGui, clientEdge, EXSTYLE, WS_EX_CLIENTEDGE)
TVGUI_STYLE_PAIR(TvGui, transparent, EXSTYLE, WS_EX_TRANSPARENT)
TVGUI_STYLE_PAIR(TvGui, windowEdge, EXSTYLE, WS_EX_WINDOWEDGE)
TVGUI_STYLE_PAIR(TvGui, staticEdge, EXSTYLE, WS_EX_STATICEDGE)
TVGUI_STYLE_PAIR(TvGui, border, STYLE, WS_BORDER)
TVGUI_STYLE_PAIR(TvGui, dialogFrame, STYLE, WS_DLGFRAME)
TVGUI_STYLE_PAIR(TvGui, horizontalScroll, STYLE, WS_HSCROLL)
TVGUI_STYLE_PAIR(TvGui, verticalScroll, STYLE, WS_VSCROLL)

#undef TVGUI_STYLE_PAIR

ULONG_PTR TvGui::classLong(CLASSFLAG index) const {
    return classLong(static_cast<int>(index));
}

ULONG_PTR TvGui::classLong(int index) const {
    return GetClassLongPtrW(hwnd_, index);
}

ULONG_PTR TvGui::setClassLong(CLASSFLAG index, LONG_PTR value) {
    return setClassLong(static_cast<int>(index), value);
}

ULONG_PTR TvGui::setClassLong(int index, LONG_PTR value) {
    return SetClassLongPtrW(hwnd_, index, value);
}

std::string TvGui::text() const {
    const int length = GetWindowTextLengthW(hwnd_);
    if (length <= 0) {
        return {};
    }
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    SetLastError(0);
    const int copied = GetWindowTextW(hwnd_, buffer.data(), length + 1);
    if (copied == 0 && GetLastError() != 0) {
        throw system::TvGuiException("text");
    }
    buffer.resize(static_cast<std::size_t>(copied));
    return system::toUtf8(buffer);
}

bool TvGui::setText(std::string_view text) {
    return SetWindowTextW(hwnd_, system::toWide(text).c_str()) != FALSE;
}

int TvGui::textLength() const {
    return GetWindowTextLengthW(hwnd_);
}

bool TvGui::destroy() {
    return DestroyWindow(hwnd_) != FALSE;
}

bool TvGui::exists() const {
    return hwnd_ != nullptr && IsWindow(hwnd_) != FALSE;
}

bool TvGui::enable(bool on) {
    return EnableWindow(hwnd_, on ? TRUE : FALSE) != FALSE;
}

bool TvGui::isEnabled() const {
    return IsWindowEnabled(hwnd_) != FALSE;
}

bool TvGui::update() {
    return UpdateWindow(hwnd_) != FALSE;
}

TvGui& TvGui::redraw(bool on) {
    SendMessageW(hwnd_, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    return *this;
}

bool TvGui::invalidate(const RECT& rect, bool erase) {
    return InvalidateRect(hwnd_, &rect, erase ? TRUE : FALSE) != FALSE;
}

bool TvGui::invalidate(bool erase) {
    return InvalidateRect(hwnd_, nullptr, erase ? TRUE : FALSE) != FALSE;
}

bool TvGui::isChild(const TvGui& other) const {
    return IsChild(hwnd_, other.hwnd_) != FALSE;
}

TvGui* TvGui::item(ITEM_ID id) const {
    return getGuiObject(GetDlgItem(hwnd_, static_cast<int>(id)));
}

TvGui* TvGui::childAt(POINT point) const {
    HWND child = ChildWindowFromPoint(hwnd_, point);
    if (child == nullptr) {
        throw system::TvGuiException(lastErrorText());
    }
    return getGuiObject(child);
}

std::vector<TvGui*> TvGui::children() const {
    struct Collected {
        std::vector<TvGui*> objects;
        bool failed = false;
    } collected;
    auto collect = [](HWND child, LPARAM into) noexcept -> BOOL {
        auto& found = *reinterpret_cast<Collected*>(into);
        try {
            if (TvGui* object = getGuiObject(child)) {
                found.objects.push_back(object);
            }
            return TRUE;
        } catch (...) {
            found.failed = true;
            return FALSE;
        }
    };
    SetLastError(0);
    const bool finished =
        EnumChildWindows(hwnd_, collect, reinterpret_cast<LPARAM>(&collected)) != FALSE;
    // The result alone does not tell a failure: a window without children may answer FALSE.
    if (collected.failed || (!finished && GetLastError() != 0)) {
        throw system::TvGuiException(collected.failed ? std::string("children") : lastErrorText());
    }
    return std::move(collected.objects);
}

std::shared_ptr<TvGui> TvGui::parent() const {
    // GetParent would give the owner of an owned window; a top-level window's true parent is
    // the desktop window, which no caller means by a parent.
    HWND above = GetAncestor(hwnd_, GA_PARENT);
    return above != GetDesktopWindow() ? guiFromHandle(above) : nullptr;
}

std::shared_ptr<TvGui> TvGui::root() const {
    return std::make_shared<OtherGui>(GetAncestor(hwnd_, GA_ROOT));
}

bool TvGui::screenToClient(POINT& point) const {
    return ScreenToClient(hwnd_, &point) != FALSE;
}

bool TvGui::clientToScreen(POINT& point) const {
    return ClientToScreen(hwnd_, &point) != FALSE;
}

std::shared_ptr<TvGui> TvGui::relative(RELATION relation) const {
    return guiFromHandle(GetWindow(hwnd_, static_cast<UINT>(relation)));
}

bool TvGui::bringToTop() {
    return BringWindowToTop(hwnd_) != FALSE;
}

bool TvGui::show(SHOW command) {
    return ShowWindow(hwnd_, static_cast<int>(command)) != FALSE;
}

bool TvGui::isVisible() const {
    return IsWindowVisible(hwnd_) != FALSE;
}

bool TvGui::setForeground() {
    return SetForegroundWindow(hwnd_) != FALSE;
}

bool TvGui::move(int x, int y, int width, int height, bool repaint) {
    // A window that has gone would spoil the whole batch of moves it joined.
    if (IsWindow(hwnd_) == FALSE) {
        return false;
    }
    return DeferredMoves::move(hwnd_, x, y, width, height, repaint) ||
           MoveWindow(hwnd_, x, y, width, height, repaint ? TRUE : FALSE) != FALSE;
}

bool TvGui::setPosition(AFTER after, int x, int y, int cx, int cy, SWP flags) {
    return SetWindowPos(hwnd_, reinterpret_cast<HWND>(static_cast<std::intptr_t>(after)), x, y, cx,
                        cy, static_cast<UINT>(flags)) != FALSE;
}

bool TvGui::refreshFrame(AFTER after) {
    return setPosition(after, 0, 0, 0, 0,
                       SWP::NOSIZE | SWP::NOMOVE | SWP::NOACTIVATE | SWP::FRAMECHANGED |
                           SWP::NOOWNERZORDER);
}

bool TvGui::topMost(bool on) {
    return setPosition(on ? AFTER::TOPMOST : AFTER::NOTOPMOST, 0, 0, 0, 0,
                       SWP::NOSIZE | SWP::NOMOVE | SWP::NOACTIVATE);
}

bool TvGui::location(int x, int y) {
    return setPosition(AFTER::TOP, x, y, 0, 0, SWP::NOSIZE | SWP::NOZORDER | SWP::NOACTIVATE);
}

bool TvGui::location(POINT point) {
    return location(point.x, point.y);
}

bool TvGui::size(int cx, int cy) {
    return setPosition(AFTER::TOP, 0, 0, cx, cy, SWP::NOMOVE | SWP::NOZORDER | SWP::NOACTIVATE);
}

bool TvGui::size(SIZE extent) {
    return size(extent.cx, extent.cy);
}

bool TvGui::clientSize(SIZE& extent) const {
    RECT client{};
    if (GetClientRect(hwnd_, &client) == FALSE) {
        return false;
    }
    extent = {client.right - client.left, client.bottom - client.top};
    return true;
}

SIZE TvGui::clientSize() const {
    SIZE extent{};
    if (!clientSize(extent)) {
        throw system::TvGuiException(lastErrorText());
    }
    return extent;
}

RECT TvGui::windowRect() const {
    RECT rect{};
    if (GetWindowRect(hwnd_, &rect) == FALSE) {
        throw system::TvGuiException(lastErrorText());
    }
    return rect;
}

SIZE TvGui::windowSize() const {
    const RECT rect = windowRect();
    return {rect.right - rect.left, rect.bottom - rect.top};
}

HWND TvGui::focus() {
    return SetFocus(hwnd_);
}

bool TvGui::lockUpdate(bool on) {
    return LockWindowUpdate(on ? hwnd_ : nullptr) != FALSE;
}

HDC TvGui::getDC() const {
    return GetDC(hwnd_);
}

int TvGui::releaseDC(HDC dc) const {
    return ReleaseDC(hwnd_, dc);
}

std::unique_ptr<Canvas> TvGui::canvas(HDC dc) const {
    return std::make_unique<Canvas>(dc);
}

std::unique_ptr<Canvas> TvGui::beguinPaint(PAINTSTRUCT& paint) {
    return std::make_unique<Canvas>(BeginPaint(hwnd_, &paint));
}

bool TvGui::endPaint(const PAINTSTRUCT& paint) {
    return EndPaint(hwnd_, &paint) != FALSE;
}

image::Icon TvGui::icon(bool big) const {
    const LRESULT handle = SendMessageW(hwnd_, WM_GETICON, big ? ICON_BIG : ICON_SMALL, 0);
    return image::Icon(reinterpret_cast<HICON>(handle), false);
}

image::Icon TvGui::setIcon(const image::Icon* icon, bool big) {
    const HICON handle = icon != nullptr ? icon->get() : nullptr;
    const LRESULT previous = SendMessageW(hwnd_, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                                          reinterpret_cast<LPARAM>(handle));
    return image::Icon(reinterpret_cast<HICON>(previous), false);
}

std::unique_ptr<Font> TvGui::font() const {
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    if (handle == nullptr) {
        return nullptr;
    }
    return std::make_unique<Font>(handle, false);
}

void TvGui::setFont(const Font& font) {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
}

bool TvGui::registerHotKey(HOTKEY_ID id, MOD modifiers, UINT key) {
    return RegisterHotKey(hwnd_, static_cast<int>(id), static_cast<UINT>(modifiers), key) != FALSE;
}

bool TvGui::unregisterHotKey(HOTKEY_ID id) {
    return UnregisterHotKey(hwnd_, static_cast<int>(id)) != FALSE;
}

bool TvGui::setTimer(TIMER_ID id, UINT elapse, TIMERPROC procedure) {
    const auto timer = static_cast<UINT_PTR>(id);
    if (procedure == nullptr) {
        // WM_TIMER comes through the window procedure, which has its own guard.
        return SetTimer(hwnd_, timer, elapse, nullptr) != 0;
    }
    return setGuardedTimer(hwnd_, timer, elapse, procedure) != 0;
}

bool TvGui::killTimer(TIMER_ID id) {
    const bool killed = KillTimer(hwnd_, static_cast<UINT_PTR>(id)) != FALSE;
    forgetGuardedTimer(hwnd_, static_cast<UINT_PTR>(id));
    return killed;
}

void TvGui::acceptFiles(bool on) {
    DragAcceptFiles(hwnd_, on ? TRUE : FALSE);
}

} // namespace tavrin::tvgui
