#pragma once

#include <memory>
#include <string_view>

#include "tvgui/window/tvgui.h"

namespace tavrin::tvgui {

// A top-level window: frame styles, minimised and maximised state, centring, client sizing.
class Window : public TvGui {
public:
    // What center() puts the window in the middle of.
    enum class CENTER { SCREEN, WORKAREA, WINDOW };

    // The bound object when it is a window, else a new OtherWindow over the handle (owned by
    // the result); null for a null handle.
    static std::shared_ptr<TvGui> windowFromHandle(HWND handle);
    // The top-level window of that class and title, as windowFromHandle gives it; null when
    // there is none.
    static std::shared_ptr<TvGui> find(std::string_view className, std::string_view title);

    virtual bool contextHelp() const;
    virtual LONG_PTR contextHelp(bool on);
    virtual bool appWindow() const;
    virtual LONG_PTR appWindow(bool on);
    virtual bool controlParent() const;
    virtual LONG_PTR controlParent(bool on);
    virtual bool caption() const;
    virtual LONG_PTR caption(bool on);
    virtual bool clipChildren() const;
    virtual LONG_PTR clipChildren(bool on);
    virtual bool systemMenu() const;
    virtual LONG_PTR systemMenu(bool on);
    virtual bool frameDialog() const;
    virtual LONG_PTR frameDialog(bool on);
    virtual bool thickFrame() const;
    virtual LONG_PTR thickFrame(bool on);
    virtual bool sizeBox() const;
    virtual LONG_PTR sizeBox(bool on);
    virtual bool maximizeBox() const;
    virtual LONG_PTR maximizeBox(bool on);
    virtual bool minimizeBox() const;
    virtual LONG_PTR minimizeBox(bool on);
    virtual bool isMinimized() const;
    virtual bool restore();
    virtual bool minimize();
    virtual bool isMaximized() const;
    virtual bool isShown() const;
    // Activates this window; gives back the one that was active before, or null.
    virtual std::shared_ptr<TvGui> activate();
    // Centres on the screen, the work area, or the window other (required for WINDOW).
    // The window may end up partly off screen when it is larger than what it is centred on.
    virtual bool center(CENTER on, const TvGui* other = nullptr);
    // Sizes the window so that its client area is width by height; the top-left corner stays.
    virtual bool setClientSize(int width, int height);
    virtual bool setClientSize(SIZE extent);

protected:
    Window() = default;
    explicit Window(HWND handle) : TvGui(handle) {}
};

// A wrapper of another program's top-level window: owns nothing, destroys nothing.
class OtherWindow final : public Window {
public:
    explicit OtherWindow(HWND handle) : Window(handle) {}
};

} // namespace tavrin::tvgui
