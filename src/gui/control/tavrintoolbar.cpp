#include "gui/control/tavrintoolbar.h"

#include <map>
#include <string>

#include <windowsx.h>

#include "app/application.h"
#include "file/items/itemfunctions.h"
#include "file/items/launch.h"
#include "gui/control/droppedoption.h"
#include "gui/control/emptybarhint.h"
#include "shell/dropfile.h"
#include "system/tavrinerrors.h"
#include "tvgui/draw/windowdpi.h"

namespace tavrin::gui {

namespace {

using STYLE = tvgui::TOOLBUTTON::STYLE;

constexpr DWORD BAR_STYLE =
    CCS_TOP | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_FLAT | TBSTYLE_WRAPABLE | TBSTYLE_TOOLTIPS;

// Posted to the bar by its picture loader when pictures wait (the bar's own messages are all
// below the application range).
constexpr UINT PICTURES = WM_APP + 0x10;

image::Icon stockPicture() {
    return image::Icon(LoadIconW(nullptr, IDI_APPLICATION), false);
}

// The picture of a source; a source whose picture cannot be had still gets the stock one.
image::Icon sourcePicture(image::ICONSIZE size, const file::IconSource& source) {
    try {
        if (image::Icon icon = file::sourceIcon(size, source); icon.get() != nullptr) {
            return icon;
        }
    } catch (const system::TavrinException&) {
        // The launcher's own picture of the item's kind may be unreadable.
    }
    return stockPicture();
}

} // namespace

TavrinToolBar::TavrinToolBar(app::Application& application, tvgui::ITEM_ID id, tvgui::TvGui& owner,
                             ShowFailure showFailure, OpenExecuteDialog openExecuteDialog,
                             AddDropped addDropped)
    : ToolBar(id, owner, BAR_STYLE), application_(application), owner_(owner),
      showFailure_(std::move(showFailure)), openExecuteDialog_(std::move(openExecuteDialog)),
      addDropped_(std::move(addDropped)), subClass_(*this) {
    // Each button is split: its arrow opens the item's menu, the rest starts the item.
    setExtendedStyle(EXTENDED::DRAWDDARROWS);
    acceptFiles(true);
    subClass_.subclass();
}

std::string buttonCaption(const file::Item& item) {
    std::string name = item.name();
    return name.empty() ? item.id() : name;
}

image::Icon buttonIcon(image::ICONSIZE size, const file::Item& item) {
    try {
        return sourcePicture(size, file::iconSource(item));
    } catch (const system::TavrinException&) {
        // A link in a loop or to nothing: its button stays, with the stock picture.
        return stockPicture();
    }
}

image::ICONSIZE TavrinToolBar::iconSize(const file::App& settings) {
    return app::iconSizeOf(settings.ButtonIcon());
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
    // The old bar's pictures are not wanted any more; those under way are dropped.
    pictures_.reset();
    pictureSlots_.clear();
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
    const image::Icon blank = image::blankIcon(pixels);
    // Items of one program share its picture: the shell is asked once for it, which is
    // most of the time a bar takes to fill.
    std::map<std::string, int> imageOfKey;
    std::vector<int> imageOf;
    std::vector<image::IconLoader::LookUp> lookUps;
    for (const file::Item* item : items) {
        std::optional<file::IconSource> from;
        try {
            from = file::iconSource(*item);
        } catch (const system::TavrinException&) {
            // Every link to nowhere shows the same stock picture.
        }
        const auto [known, fresh] =
            imageOfKey.try_emplace(from ? from->key() : std::string(), images.count());
        if (fresh) {
            if (from) {
                pictureSlots_.push_back(images.add(blank));
                lookUps.emplace_back(
                    [source, from = *from] { return sourcePicture(source, from); });
            } else {
                images.add(stockPicture());
            }
        }
        imageOf.push_back(known->second);
    }
    setImageList(IMAGE_TYPE::NORMAL, images);
    images_ = std::move(images);
    pictures_ = std::make_unique<image::IconLoader>(hwnd(), PICTURES, std::move(lookUps));

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
    case PICTURES:
        onPictures(wParam);
        return 0;
    case WM_PAINT: {
        const LRESULT painted = subClass_.callOriginal(hwnd, message, wParam, lParam);
        if (buttonCount() == 0) {
            paintHint();
        }
        return painted;
    }
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

void TavrinToolBar::onPictures(WPARAM serial) {
    if (!pictures_ || !pictures_->sent(serial) || !images_) {
        return;
    }
    for (const auto& [place, picture] : pictures_->take()) {
        try {
            images_->replace(pictureSlots_[place], picture);
        } catch (const system::TavrinException&) {
            // The list refused the picture: the button keeps its empty place.
        }
    }
    InvalidateRect(hwnd(), nullptr, TRUE);
}

// Over what the bar painted: it draws only its background where there are no buttons.
void TavrinToolBar::paintHint() {
    const HDC dc = GetDC(hwnd());
    if (dc == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(hwnd(), &client);
    EmptyBarHint::draw(dc, client, dpi());
    ReleaseDC(hwnd(), dc);
}

void TavrinToolBar::onDropFiles(HDROP drop) {
    try {
        const shell::DropFile files(drop, true);
        file::Item* item = buttonItem(buttonAt(files.point()));
        if (item == nullptr) {
            addDropped_(files.files());
            return;
        }
        const file::App& settings = application_.settings();
        std::string option =
            droppedOption(files.files(), settings.ExecuteShortcut(), file::lineReaderOf(*item));
        if (settings.ExecuteDialog()) {
            openExecuteDialog_(*item, option);
            return;
        }
        file::OverrideInfo override;
        override.mask = file::OverrideInfo::OPTION;
        override.option = std::move(option);
        application_.execute(*item, &override);
    } catch (const system::TavrinException& failure) {
        showFailure_(failure);
    }
}

} // namespace tavrin::gui
