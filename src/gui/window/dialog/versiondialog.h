#pragma once

#include "gui/window/dialog/exceptiondialog.h"

namespace tavrin::gui {

// "バージョン情報": the program's name, version, web and mail addresses from the version
// document compiled into the program.
class TavrinVersion final : public tvgui::ModalDialog {
public:
    explicit TavrinVersion(tvgui::TvGui& owner);
};

} // namespace tavrin::gui
