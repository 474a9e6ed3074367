#pragma once

#include <cstdint>
#include <exception>
#include <memory>

#include "gui/window/dialog/selectdialog.h"

namespace tavrin::gui {

// Shows a failure and the whole chain of its causes as a tree, their messages and the
// system report in a text box.
class ExceptionDialog : public SelectDialog {
public:
    // The controls' ids; the buttons' are their commands.
    enum class CTRL : std::uint16_t {
        WEB = 3,
        CLOSE = 4,
        COPY = 5,
        OUTPUT = 6,
        UPLOAD = 7,
        ICON = 10,
        TREE = 11,
        TEXT = 12,
    };

    // Builds the dialog for the failure, hidden, owned by owner (null for none).
    ExceptionDialog(tvgui::TvGui* owner, const std::exception& failure);
    ~ExceptionDialog() override;

    // Builds the dialog for the failure and runs it modally, owned by owner (null before the
    // main window exists).
    static void show(tvgui::TvGui* owner, const std::exception& failure);

    bool OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui& sender) override;

private:
    struct Parts;

    void copyText();

    std::unique_ptr<Parts> parts_;
};

} // namespace tavrin::gui
