#include "gui/control/tavrintoolbar.h"

#include <map>
#include <string>

#include <windowsx.h>

#include "app/application.h"
#include "file/items/itemfunctions.h"
#include "gui/control/droppedoption.h"
#include "shell/dropfile.h"
#include "system/tavrinerrors.h"
#include "tvgui/draw/windowdpi.h"

namespace tavrin::gui {

namespace {

using STYLE = tvgui::TOOLBUTTON::STYLE;

constexpr DWORD BAR_STYLE =
    CCS_TOP | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_FLAT | TBSTYLE_WRAPABLE | TBSTYLE_TOOLTIPS;

// The icon a button shows; an item whose icon cannot be had still gets a picture.
image::Icon buttonIcon(image::ICONSIZE size, const file::Item& item) {
    try {
        if (image::Icon icon = file::itemIcon(size, item); icon.get() != nullptr) {
            return icon;
        }
    } catch (const system::TavrinException&) {
        // A link in a loop or to nothing: its button stays, with the stock picture.
    }
    return image::Icon(LoadIconW(nullptr, IDI_APPLICATION), false);
}

} // namespace

TavrinToolBar::TavrinToolBar(app::Application& application, tvgui::ITEM_ID id, tvgui::TvGui& owner,
                             ShowFailure showFailure)
    : ToolBar(id, owner, BAR_STYLE), application_(application), owner_(owner),
      showFailure_(std::move(showFailure)), subClass_(*this) {
    // Each button is split: its arrow opens the item's menu, the rest starts the item.
    setExtendedStyle(EXTENDED::DRAWDDARROWS);
    acceptFiles(true);
    subClass_.subclass();
}

std::string buttonCaption(const file::Item& item) {
    std::string name = item.name();
    return name.empty() ? item.id() : name;
}

image::ICONSIZE TavrinToolBar::iconSize(const file::App& settings) {
    return settings.ButtonIcon() == 0 ? image::ICONSIZE::SMALL : image::ICONSIZE::LARGE;
}

int TavrinToolBar::buttonWidth(const file::App& settings, int dpi) {
    const int icon = tvgui::scaleForDpi(image::pixelSize(iconSize(settings)), dpi);
    if (!settings.ButtonText()) {
        return icon;
    }
    const int smallest = GetSystemMetricsForDpi(SM_CXMIN, static_cast<UINT>(dpi));
    return settings.ButtonList() ? smallest + icon : smallest;
}

void TavrinToolBar::setItems(const std::vector<file::Item*>& items) {
    const file::App& settings = application_.settings();
    clear();
    items_ = items;
    // Before any button: the system measures a button's text layout only as it is added.
    setList(settings.ButtonList());

    const int pixels = scale(image::pixelSize(iconSize(settings)));
    // The larger source wherever the DPI makes the icon bigger than the small size.
    const image::ICONSIZE source = pixels > image::pixelSize(image::ICONSIZE::SMALL)
                                       ? image::ICONSIZE::LARGE
                                       : image::ICONSIZE::SMALL;
    tvgui::ImageList images(pixels, pixels, tvgui::ImageList::COLOR_TYPE::COLOR32,
                            static_cast<int>(items.size()), 1);
    // Items of one program share its picture: the shell is asked once for it, which is
    // most of the time a bar takes to fill.
    std::map<std::string, int> imageOfKey;
    std::vector<int> imageOf;
    for (const file::Item* item : items) {
        std::string key;
        try {
            key = file::itemIconKey(*item);
        } catch (const system::TavrinException&) {
            // Every link to nowhere shows the same stock picture.
        }
        const auto [known, fresh] = imageOfKey.try_emplace(key, images.count());
        if (fresh) {
            images.add(buttonIcon(source, *item));
        }
        imageOf.push_back(known->second);
    }
    setImageList(IMAGE_TYPE::NORMAL, images);
    images_ = std::move(images);

    for (std::size_t index = 0; index < items.size(); ++index) {
        const int place = static_cast<int>(index);
        insertButton(place,
                     tvgui::TOOLBUTTON{imageOf[index], place + 1, tvgui::TOOLBUTTON::STATE::ENABLED,
                                       STYLE::BUTTON | STYLE::DROPDOWN | STYLE::NOPREFIX, index,
                                       settings.ButtonText() ? buttonCaption(*items[index])
                                                             : std::string()});
    }
    const int width = buttonWidth(settings, dpi());
    setButtonWidth(width, width);
}

file::Item* TavrinToolBar::buttonItem(int index) const {
    TBBUTTON raw{};
    if (index < 0 || !button(index, raw) || raw.dwData >= items_.size()) {
        return nullptr;
    }
    return items_[raw.dwData];
}

int TavrinToolBar::buttonAt(POINT client) const {
    for (int index = 0; index < buttonCount(); ++index) {
        if (const std::optional<RECT> rect = buttonRect(index + 1);
            rect && PtInRect(&*rect, client) != FALSE) {
            return index;
        }
    }
    return -1;
}

LRESULT TavrinToolBar::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MBUTTONDOWN:
        SetCapture(hwnd);
        onMiddleDown(wParam, lParam);
        return 0;
    case WM_MBUTTONUP:
        if (GetCapture() == hwnd) {
            ReleaseCapture();
        }
        break;
    case WM_DROPFILES:
        onDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    default:
        break;
    }
    return subClass_.callOriginal(hwnd, message, wParam, lParam);
}

void TavrinToolBar::onMiddleDown(WPARAM keys, LPARAM point) {
    POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    MapWindowPoints(hwnd(), owner_.hwnd(), &at, 1);
    SendMessageW(owner_.hwnd(), WM_MBUTTONDOWN, keys, MAKELPARAM(at.x, at.y));
}

void TavrinToolBar::onDropFiles(HDROP drop) {
    try {
        const shell::DropFile files(drop, true);
        file::Item* item = buttonItem(buttonAt(files.point()));
        if (item == nullptr) {
            return;
        }
        // The execute dialog, which the setting ExecuteDialog would open here, lives on a
        // floor above the bar and is not handed to it yet: the item starts at once.
        file::OverrideInfo override;
        override.mask = file::OverrideInfo::OPTION;
        override.option = droppedOption(files.files(), application_.settings().ExecuteShortcut());
        application_.execute(*item, &override);
    } catch (const system::TavrinException& failure) {
        showFailure_(failure);
    }
}

} // namespace tavrin::gui
