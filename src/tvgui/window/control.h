#pragma once

#include "tvgui/window/guiinfo.h"
#include "tvgui/window/tvgui.h"
#include "tvgui/window/tvguievent.h"

namespace tavrin::tvgui {

// A child control. Its owner receives its commands and notifications and tells it apart by
// its ITEM_ID. A control of a system class reaches the handlers here only when subclassed.
class Control : public TvGui, public TvGuiEvent {
public:
    ~Control() override;

    virtual ITEM_ID id() const;
    virtual LONG_PTR id(ITEM_ID value);
    virtual bool noParentNotify() const;
    virtual LONG_PTR noParentNotify(bool on);
    virtual bool tabStop() const;
    virtual LONG_PTR tabStop(bool on);
    virtual bool group() const;
    virtual LONG_PTR group(bool on);
    virtual bool clipSiblings() const;
    virtual LONG_PTR clipSiblings(bool on);
    // The top-left corner in the parent's client coordinates.
    virtual POINT position() const;
    // The pixel height of the control's font at its DPI (the stock system font when it has
    // none).
    virtual int textHeight() const;
    // The height of a single-line control: the text and two edges.
    virtual int lineHeight() const;

protected:
    // A control of a system class: made, bound and announced to its parent here. The
    // parent's OnChildCreate sees the object before the derived constructors have run.
    explicit Control(GUIINFO info);

    struct Deferred {};
    // A control of the toolkit's own class: made later by createControl(), once the object
    // is complete (see TvWindow).
    Control(GUIINFO info, Deferred);
    // A child that another control made and owns (a part of a compound control): wrapped,
    // never bound, so the wrapper leaves the window alone when it goes.
    explicit Control(HWND existing);

    void createControl();

private:
    GUIINFO info_;
};

// A custom control of the toolkit's own class "TvGuiControl" (unless the record names a class
// of its own), served by the typed handlers. The most derived class calls createControl() at
// the end of its constructor.
class TvControl : public Control {
protected:
    explicit TvControl(GUIINFO info);
};

} // namespace tavrin::tvgui
