#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/control/adddropped.h"
#include "gui/control/openexecutedialog.h"
#include "gui/control/showfailure.h"
#include "image/iconloader.h"
#include "tvgui/control/toolbar.h"
#include "tvgui/draw/imagelist.h"
#include "tvgui/window/subclass.h"

// After the Windows headers, on which it builds.
#include <shellapi.h>

namespace tavrin::app {
class Application;
}
namespace tavrin::file {
class App;
class Item;
} // namespace tavrin::file

namespace tavrin::gui {

// The button launcher's tool bar: one button per item of the current sub-group, button n
// with command id n + 1. Files dropped on a button are handed to its item, through the
// execute dialog when the setting ExecuteDialog is on; files dropped beside the buttons become
// new items; a middle press goes to the owner (the menu launcher). A bar without buttons says
// how to fill it.
class TavrinToolBar final : public tvgui::ToolBar, public tvgui::ISubClass {
public:
    // Flat, wrapping, with tool tips, at the top without resizing or a divider; takes drops.
    TavrinToolBar(app::Application& application, tvgui::ITEM_ID id, tvgui::TvGui& owner,
                  ShowFailure showFailure, OpenExecuteDialog openExecuteDialog,
                  AddDropped addDropped);

    // Replaces the buttons with one per item (icon of the ButtonIcon size, and the item's
    // name when ButtonText is on), the list style when ButtonList is on, and the fixed
    // button width. The items must outlive the buttons. The buttons are there at once; their
    // pictures follow as the shell gives them, looked up on a thread of their own.
    void setItems(const std::vector<file::Item*>& items);
    // The item of the button at index; null when there is no such button.
    file::Item* buttonItem(int index) const;
    // The index of the button whose rectangle holds the client point; -1 for none.
    int buttonAt(POINT client) const;
    // The fixed button width at the DPI: the icon's width alone without text; with text, the
    // smallest window width, plus the icon's width when the text stands beside the icon.
    static int buttonWidth(const file::App& settings, int dpi);
    // The size the setting ButtonIcon asks for, in 96-DPI pixels.
    static image::ICONSIZE iconSize(const file::App& settings);

    LRESULT procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void onMiddleDown(WPARAM keys, LPARAM point);
    void onPictures(WPARAM serial);
    void onDropFiles(HDROP drop);
    void paintHint();

    app::Application& application_;
    tvgui::TvGui& owner_;
    ShowFailure showFailure_;
    OpenExecuteDialog openExecuteDialog_;
    AddDropped addDropped_;
    std::vector<file::Item*> items_;
    std::optional<tvgui::ImageList> images_;
    std::unique_ptr<image::IconLoader> pictures_;
    // The image of each picture being looked up.
    std::vector<int> pictureSlots_;
    tvgui::SubClass subClass_;
};

// What names an item's button, its tool tip and its entry in the button list: the item's
// name, or its ID when it has none, so that nothing shows blank.
std::string buttonCaption(const file::Item& item);

// The picture of an item's button and of its entry in the button list; an item whose picture
// cannot be had still gets the stock one.
image::Icon buttonIcon(image::ICONSIZE size, const file::Item& item);

} // namespace tavrin::gui
