#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "gui/window/dialog/selectdialog.h"

namespace tavrin::app {
class Application;
}
namespace tavrin::file {
class Item;
}

namespace tavrin::gui {

// Starts one item once (select() is true when it was started) with the work folder, options and
// show state the user changes; what was typed is kept in the item's histories. Only its width can
// be changed.
class ExecDialog final : public SelectDialog {
public:
    // The options button and box share their id: the box's notifications never carry the
    // click's code 0.
    enum class CTRL : std::uint16_t {
        ADDRESS = 1,
        WORK_FOLDER_BROWSE = 2,
        WORK_FOLDER = 3,
        OPTION = 4,
        SHOW = 6,
        EXECUTE = 7,
        CLOSE = 8,
    };

    // What the dialog asks of the world beyond itself; a test replaces them.
    struct Services {
        std::function<std::optional<std::string>(HWND owner, const std::string& start)>
            browseFolder;
        std::function<std::optional<std::string>(HWND owner, const std::string& start)> browseFile;
        std::function<void(tvgui::TvGui& owner, const std::exception& failure)> showFailure;

        // The system's folder and file dialogs and the exception dialog.
        static Services ofSystem();
    };

    // The dialog for the item (a link stands for the item it ends in), hidden, owned by
    // owner. With option, the options box shows it instead of the stored options, as when
    // files are dropped. Raises ItemException for a link that leads nowhere.
    ExecDialog(file::Item& item, app::Application& application, tvgui::TvGui* owner,
               std::optional<std::string> option, Services services);
    ~ExecDialog() override;

    bool OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui& sender) override;
    // Only the width can change: the top and bottom edges answer as the client area, the
    // corners as the left or right edge.
    tvgui::HT OnHitTest(int x, int y, tvgui::HT code) override;

private:
    struct Parts;

    // Starts the item with what differs from its settings and updates its histories. Raises
    // TavrinException "あれれ" for an item with nothing to start, and what the start raises;
    // either way nothing is written.
    void execute();
    void browse(CTRL box);

    app::Application& application_;
    Services services_;
    std::unique_ptr<Parts> parts_;
};

} // namespace tavrin::gui
