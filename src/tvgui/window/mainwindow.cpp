#include "tvgui/window/mainwindow.h"

#include "tvgui/window/messageloop.h"

namespace tavrin::tvgui {

int MainWindow::run() {
    return runMessageLoop(*this, DIALOG_ID::MAIN);
}

void MainWindow::OnDestroy() {
    TvWindow::OnDestroy();
    quitApplication(0);
}

} // namespace tavrin::tvgui
