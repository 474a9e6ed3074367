#pragma once

#include "etc/drevak/dvkdocument.h"
#include "tvgui/window/dialog.h"

namespace tavrin::gui {

// A page of the settings dialog. The frame owns one copy of each data document and hands the
// same copies to every page, so what one page changes (an item renamed or deleted) is what the
// next page shows. A page is a dialog made a child of the frame; it shows one document's data
// and writes into the copies only when it is left.
class ISettingInFrame {
public:
    virtual ~ISettingInFrame() = default;

    // The page's window, to be placed and shown by the frame.
    virtual tvgui::Dialog& pageWindow() noexcept = 0;
    // Shows what the shared copies hold now: another page may have changed them since this
    // page was last shown.
    virtual void enterPage() = 0;
    // Puts what the page shows into the shared copies. False, having told the user why, when
    // the page cannot be left as it stands (a name refused, an edit the user chose to go on
    // with): the page stays on show and nothing is written.
    virtual bool leavePage() = 0;
    // Whether leaving now would change the shared copies: the user changed what the page
    // shows, or typed something it would refuse.
    virtual bool edited() const = 0;
    // The finished document of the page's data file, complete after leavePage.
    virtual const drevak::DvkDocument& document() const noexcept = 0;
};

} // namespace tavrin::gui
