#pragma once

#include <list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "image/icon.h"
#include "image/iconloader.h"
#include "system/win32.h"

namespace tavrin::app {
class Application;
}

namespace tavrin::gui {

// The pictures and usable states of the items the command box shows, by item ID. What is not
// known yet is looked up away from the window's thread, so that an item on a sleeping network
// share never holds up typing; what was found stays known while the box lives.
class CommandPictures {
public:
    struct Row {
        HICON icon;  // null until the picture is found
        bool usable; // an item is usable until found otherwise
    };

    // Found pictures are announced to the window with the message (see IconLoader).
    CommandPictures(app::Application& application, HWND window, UINT message, int pixels);
    ~CommandPictures();
    CommandPictures(const CommandPictures&) = delete;
    CommandPictures& operator=(const CommandPictures&) = delete;

    // What is known of the item; an unknown one is queued for startQueued.
    Row row(const std::string& id);
    bool hasQueued() const noexcept { return !queued_.empty(); }
    // Starts looking up the queued items.
    void startQueued();
    // Takes what the loader with the serial found; whether anything new became known.
    bool take(WPARAM serial);

private:
    struct Known {
        image::Icon icon;
        bool usable;
    };
    struct Batch;

    app::Application& application_;
    HWND window_;
    UINT message_;
    int pixels_;
    std::map<std::string, Known, std::less<>> known_;
    std::set<std::string, std::less<>> asked_;
    std::vector<std::string> queued_;
    std::list<Batch> batches_;
};

} // namespace tavrin::gui
