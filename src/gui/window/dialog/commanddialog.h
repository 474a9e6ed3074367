#pragma once

#include <memory>

#include "gui/control/openexecutedialog.h"
#include "gui/control/showfailure.h"
#include "tvgui/window/dialog.h"

namespace tavrin::app {
class Application;
}

namespace tavrin::gui {

// The command box the hot key calls up at the pointer: a title bar to move it by, a line in
// the command font and, under it, the items whose ID, name or tag begins with what was typed,
// best first. Enter starts the chosen item (or a path or address that names no item), Tab
// completes the line to the chosen item's key. Escape only hides the box, so the window that
// keeps it can show it again.
class CommandDialog final : public tvgui::ModelessDialog {
public:
    enum class CTRL : std::uint16_t { TITLE = 1, EDIT = 2, LIST = 3 };

    CommandDialog(app::Application& application, tvgui::TvGui& owner, ShowFailure showFailure,
                  OpenExecuteDialog openExecuteDialog);
    ~CommandDialog() override;

    // Shows the box at the pointer with an empty line, focused.
    void showAtPointer();

    void OnSize(tvgui::SIZE_TYPE type, int width, int height) override;
    void OnActivate(tvgui::WINDOW_ACTIVE state, bool minimized, HWND other) override;
    void OnDrawItem(DRAWITEMSTRUCT& item) override;
    bool OnAccelerator(tvgui::COMMAND_ID id) override;
    bool OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui& sender) override;
    void OnTimer(tvgui::TIMER_ID id) override;
    bool OnOtherEvent(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct Parts;

    // The edit line's height, for the command font.
    int lineHeight() const;
    void refresh();
    void fitToRows();
    void moveSelection(int by);
    void start(bool withDialog);
    void startTyped(const std::string& typed);
    void hide();
    void restartTimer();

    app::Application& application_;
    ShowFailure showFailure_;
    OpenExecuteDialog openExecuteDialog_;
    // Set while a failure is shown over the box, whose deactivation then keeps it.
    bool keepOnDeactivation_ = false;
    std::unique_ptr<Parts> parts_;
};

} // namespace tavrin::gui
