#pragma once

#include <memory>

#include "tvgui/window/dialog.h"

namespace tavrin::app {
class Application;
}

namespace tavrin::gui {

// The command box the hot key calls up at the pointer: a title bar to move it by and one line
// in the command font. It runs no command yet. Escape only hides it, so the window that keeps
// it can show it again.
class CommandDialog final : public tvgui::ModelessDialog {
public:
    enum class CTRL : std::uint16_t { TITLE = 1, EDIT = 2 };

    CommandDialog(app::Application& application, tvgui::TvGui& owner);
    ~CommandDialog() override;

    void OnSize(tvgui::SIZE_TYPE type, int width, int height) override;
    void OnActivate(tvgui::WINDOW_ACTIVE state, bool minimized, HWND other) override;
    void OnDrawItem(DRAWITEMSTRUCT& item) override;
    bool OnAccelerator(tvgui::COMMAND_ID id) override;

private:
    struct Parts;

    std::unique_ptr<Parts> parts_;
};

} // namespace tavrin::gui
