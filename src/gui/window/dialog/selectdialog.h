#pragma once

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

} // namespace tavrin::gui
