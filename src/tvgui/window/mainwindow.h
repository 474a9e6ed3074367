#pragma once

#include "tvgui/window/tvwindow.h"

namespace tavrin::tvgui {

// The application's one main window: its destruction ends the application's message loop.
class MainWindow : public TvWindow {
public:
    // Runs the application's messages until this window is destroyed; 0 then, or -1 when
    // the system fails to deliver messages. A handler's exception comes out of here.
    virtual int run();

    void OnDestroy() override;

protected:
    using TvWindow::TvWindow;
};

} // namespace tavrin::tvgui
