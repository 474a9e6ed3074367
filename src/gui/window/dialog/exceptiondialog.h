#pragma once

#include <exception>

#include "tvgui/window/dialog.h"

namespace tavrin::gui {

// A modal dialog that answers yes or no: confirmed when its result is true.
class SelectDialog : public tvgui::ModalDialog {
public:
    // Shows the dialog modally; true when it was confirmed.
    virtual bool select();

protected:
    using tvgui::ModalDialog::ModalDialog;
    void confirm(bool result) { result_ = result; }

private:
    bool result_ = false;
};

// Shows a failure and the whole chain of its causes as a tree, their messages and the
// system report in a text box.
class ExceptionDialog : public SelectDialog {
public:
    // Builds the dialog for the failure and runs it modally, owned by owner (null before the
    // main window exists).
    static void show(tvgui::TvGui* owner, const std::exception& failure);
};

} // namespace tavrin::gui
