#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "image/icon.h"
#include "system/win32.h"
#include "tvgui/keyboard/keyboard.h"
#include "tvgui/layout/layoutmanager.h"
#include "tvgui/layout/placeable.h"
#include "tvgui/system/type.h"
#include "tvgui/window/guiinfo.h"

namespace tavrin::tvgui {

class Canvas;
class Font;

// The wrapper of one native window. The object keeps nothing the window already holds:
// every property reads or writes the window. The window's user-data slot points back at the
// object while the two are bound; the slot is cleared and the handle forgotten when the
// window is gone (WM_NCDESTROY), so no message ever reaches a freed object.
class TvGui : public Placeable {
public:
    enum class GWL : int {
        WNDPROC = GWLP_WNDPROC,
        HINSTANCE = GWLP_HINSTANCE,
        HWNDPARENT = GWLP_HWNDPARENT,
        STYLE = GWL_STYLE,
        EXSTYLE = GWL_EXSTYLE,
        USERDATA = GWLP_USERDATA,
        ID = GWLP_ID,
    };
    enum class CLASSFLAG : int {
        MENUNAME = GCLP_MENUNAME,
        HBRBACKGROUND = GCLP_HBRBACKGROUND,
        HCURSOR = GCLP_HCURSOR,
        HICON = GCLP_HICON,
        HMODULE = GCLP_HMODULE,
        CBWNDEXTRA = GCL_CBWNDEXTRA,
        CBCLSEXTRA = GCL_CBCLSEXTRA,
        WNDPROC = GCLP_WNDPROC,
        STYLE = GCL_STYLE,
        ATOM = GCW_ATOM,
        HICONSM = GCLP_HICONSM,
    };
    enum class RELATION : UINT {
        FIRST = GW_HWNDFIRST,
        LAST = GW_HWNDLAST,
        NEXT = GW_HWNDNEXT,
        PREV = GW_HWNDPREV,
        OWNER = GW_OWNER,
        CHILD = GW_CHILD,
        ENABLEDPOPUP = GW_ENABLEDPOPUP,
    };
    enum class AFTER : std::intptr_t { TOP = 0, BOTTOM = 1, TOPMOST = -1, NOTOPMOST = -2 };
    enum class SWP : UINT {
        NONE = 0,
        NOSIZE = SWP_NOSIZE,
        NOMOVE = SWP_NOMOVE,
        NOZORDER = SWP_NOZORDER,
        NOREDRAW = SWP_NOREDRAW,
        NOACTIVATE = SWP_NOACTIVATE,
        FRAMECHANGED = SWP_FRAMECHANGED,
        SHOWWINDOW = SWP_SHOWWINDOW,
        HIDEWINDOW = SWP_HIDEWINDOW,
        NOCOPYBITS = SWP_NOCOPYBITS,
        NOOWNERZORDER = SWP_NOOWNERZORDER,
        NOSENDCHANGING = SWP_NOSENDCHANGING,
        DEFERERASE = SWP_DEFERERASE,
        ASYNCWINDOWPOS = SWP_ASYNCWINDOWPOS,
    };

    TvGui(const TvGui&) = delete;
    TvGui& operator=(const TvGui&) = delete;
    virtual ~TvGui();

    HWND hwnd() const noexcept { return hwnd_; }
    // The DPI of the window (that of its monitor); BASE_DPI when there is no window.
    int dpi() const noexcept;
    // A length in 96-DPI pixels in pixels of this window.
    int scale(int pixels) const noexcept;
    // The window now shows at the DPI: the children that show a shared message font get the
    // one for the DPI, a top-level window takes the suggested rectangle (screen
    // coordinates), and the window and its children are laid out again at the DPI.
    void followDpi(int dpi, const RECT& suggested);
    // The arranger of this window's children; made when the window is bound.
    LayoutManager* layoutManager() const noexcept { return layoutManager_.get(); }

    // The object bound to a window of this process, or null: for a null handle, a window
    // without a toolkit object, another program's window, or a slot that does not name a
    // live object bound to that very window.
    static TvGui* getGuiObject(HWND handle) noexcept;
    // The bound object (not owned by the result), or a new OtherGui over a foreign window
    // (owned by the result: two calls give two wrappers); null for a null handle.
    static std::shared_ptr<TvGui> guiFromHandle(HWND handle);

    virtual HWND create(const GUIINFO& info);
    virtual bool dialogModalFrame() const;
    virtual LONG_PTR dialogModalFrame(bool on);
    virtual bool clientEdge() const;
    virtual LONG_PTR clientEdge(bool on);
    virtual bool transparent() const;
    virtual LONG_PTR transparent(bool on);
    virtual bool windowEdge() const;
    virtual LONG_PTR windowEdge(bool on);
    virtual bool staticEdge() const;
    virtual LONG_PTR staticEdge(bool on);
    virtual bool border() const;
    virtual LONG_PTR border(bool on);
    virtual bool dialogFrame() const;
    virtual LONG_PTR dialogFrame(bool on);
    virtual bool horizontalScroll() const;
    virtual LONG_PTR horizontalScroll(bool on);
    virtual bool verticalScroll() const;
    virtual LONG_PTR verticalScroll(bool on);
    virtual ULONG_PTR classLong(CLASSFLAG index) const;
    virtual ULONG_PTR classLong(int index) const;
    virtual ULONG_PTR setClassLong(CLASSFLAG index, LONG_PTR value);
    virtual ULONG_PTR setClassLong(int index, LONG_PTR value);
    virtual std::string text() const;
    virtual bool setText(std::string_view text);
    virtual int textLength() const;
    virtual bool destroy();
    virtual bool exists() const;
    virtual bool enable(bool on);
    virtual bool isEnabled() const;
    virtual bool update();
    virtual TvGui& redraw(bool on);
    virtual bool invalidate(const RECT& rect, bool erase);
    virtual bool invalidate(bool erase);
    virtual bool isChild(const TvGui& other) const;
    virtual TvGui* item(ITEM_ID id) const;
    virtual TvGui* childAt(POINT point) const;
    virtual std::vector<TvGui*> children() const;
    virtual std::shared_ptr<TvGui> parent() const;
    virtual std::shared_ptr<TvGui> root() const;
    virtual bool screenToClient(POINT& point) const;
    virtual bool clientToScreen(POINT& point) const;
    virtual std::shared_ptr<TvGui> relative(RELATION relation) const;
    virtual bool bringToTop();
    virtual bool show(SHOW command);
    virtual bool isVisible() const;
    virtual bool setForeground();
    bool move(int x, int y, int width, int height, bool repaint) override;
    virtual bool setPosition(AFTER after, int x, int y, int cx, int cy, SWP flags);
    virtual bool refreshFrame(AFTER after = AFTER::TOP);
    virtual bool topMost(bool on);
    virtual bool location(int x, int y);
    virtual bool location(POINT point);
    virtual bool size(int cx, int cy);
    virtual bool size(SIZE extent);
    virtual bool clientSize(SIZE& extent) const;
    virtual SIZE clientSize() const;
    virtual RECT windowRect() const;
    virtual SIZE windowSize() const;
    virtual HWND focus();
    virtual bool lockUpdate(bool on);
    virtual HDC getDC() const;
    virtual int releaseDC(HDC dc) const;
    virtual std::unique_ptr<Canvas> canvas(HDC dc) const;
    virtual std::unique_ptr<Canvas> beguinPaint(PAINTSTRUCT& paint);
    virtual bool endPaint(const PAINTSTRUCT& paint);
    // The window's icon, not owned: the window keeps it.
    virtual image::Icon icon(bool big) const;
    // Sets the icon (no icon for null) and gives back the previous one, not owned.
    virtual image::Icon setIcon(const image::Icon* icon, bool big);
    virtual std::unique_ptr<Font> font() const;
    virtual void setFont(const Font& font);
    virtual bool registerHotKey(HOTKEY_ID id, MOD modifiers, UINT key);
    virtual bool unregisterHotKey(HOTKEY_ID id);
    virtual bool setTimer(TIMER_ID id, UINT elapse, TIMERPROC procedure = nullptr);
    virtual bool killTimer(TIMER_ID id);
    virtual void acceptFiles(bool on);

protected:
    TvGui();
    // Wraps a window that exists already, without binding it.
    explicit TvGui(HWND handle);

    // Binds this object and the window: the handle here, this object in the window's slot,
    // and a layout manager when there is none yet.
    void bind(HWND handle);
    // Cuts the link both ways and leaves every layout; the window itself stays.
    void unbind() noexcept;

    bool styleBit(GWL index, LONG_PTR bits) const;
    // Lays the client area out again at the DPI; nothing while the window is minimised.
    void layOut(int dpi);
    LONG_PTR setStyleBit(GWL index, LONG_PTR bits, bool on);

private:
    friend class EventRouting;
    friend class SubClass;

    static bool isLive(const TvGui* object) noexcept;

    HWND hwnd_ = nullptr;
    std::unique_ptr<LayoutManager> layoutManager_;
};

constexpr TvGui::SWP operator|(TvGui::SWP left, TvGui::SWP right) {
    return static_cast<TvGui::SWP>(static_cast<UINT>(left) | static_cast<UINT>(right));
}

// A wrapper of a window the toolkit did not make: it owns nothing and never destroys it.
class OtherGui final : public TvGui {
public:
    explicit OtherGui(HWND handle) : TvGui(handle) {}
};

} // namespace tavrin::tvgui
