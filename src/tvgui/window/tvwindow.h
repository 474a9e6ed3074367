#pragma once

#include "tvgui/window/guiinfo.h"
#include "tvgui/window/tvguievent.h"
#include "tvgui/window/window.h"

namespace tavrin::tvgui {

// A window of the toolkit's own class, whose messages reach the typed handlers.
//
// C++ calls a class's own overrides only once its constructor has finished, so the window
// is not made in this constructor: the most derived class calls createWindow() as the last
// step of its own constructor, and WM_CREATE then reaches the complete object.
//
// The destructor destroys a window that still exists. The handlers of the classes already
// destroyed by then do not run for it (C++ gives the base class's handlers): a window that
// must run its own OnDestroy is destroyed with destroy() before the object goes.
//
// An object is never deleted inside one of its own handlers: the procedure still uses it
// when the handler returns. A handler destroys the window; its owner deletes the object
// later.
class TvWindow : public Window, public TvGuiEvent {
public:
    ~TvWindow() override;

protected:
    // The creation record: the class's own extended style and style, its owner, then the
    // toolkit's class with the event loop, a control parent, a pop-up that clips children.
    TvWindow(DWORD exStyle, DWORD style, TvGui* owner);

    // Position and size before createWindow(); zero by default.
    GUIINFO& creationInfo() noexcept { return info_; }
    // Makes the window and binds it; raises the creation failure.
    void createWindow();

private:
    GUIINFO info_;
};

} // namespace tavrin::tvgui
