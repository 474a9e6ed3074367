#include "tvgui/layout/layout.h"

#include "system/tavrinerrors.h"

namespace tavrin::tvgui {

void Layout::layout(const Rect& rect, int dpi) {
    if (running_) {
        throw system::TavrinLayoutError("layout contains itself");
    }
    running_ = true;
    dpi_ = dpi > 0 ? dpi : BASE_DPI;
    struct Done {
        bool& running;
        ~Done() { running = false; }
    } done{running_};
    arrange(rect);
}

} // namespace tavrin::tvgui
