#include "gui/window/dialog/selectdialog.h"

namespace tavrin::gui {

bool SelectDialog::select() {
    result_ = false;
    showModal();
    return result_;
}

} // namespace tavrin::gui
