#pragma once

#include <functional>

#include "tvgui/window/tvwindow.h"

namespace tavrin::tvgui::test {

// An owner window that hands every notification of its controls, record and all, to the test
// while the record is still alive, and answers with what the test gives back.
class NoticeOwner final : public TvWindow {
public:
    NoticeOwner() : TvWindow(0, WS_CAPTION | WS_SYSMENU, nullptr) {
        creationInfo().width = 400;
        creationInfo().height = 300;
        createWindow();
    }

    std::function<LRESULT(NMHDR& header, ITEM_ID id)> heard;

    LRESULT OnNotify(NMHDR& header, ITEM_ID id) override { return heard ? heard(header, id) : 0; }
};

} // namespace tavrin::tvgui::test
