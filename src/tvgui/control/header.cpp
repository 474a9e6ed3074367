#include "tvgui/control/header.h"

#include <commctrl.h>

#include "system/unicode.h"
#include "tvgui/control/controlsetup.h"
#include "tvgui/control/itemmessage.h"

namespace tavrin::tvgui {

namespace {

GUIINFO headerClass(GUIINFO info) {
    // The header class comes with the list view's.
    registerCommonControls(ICC_LISTVIEW_CLASSES);
    return ofClass(std::move(info), "SysHeader32", HDS_HORZ);
}

} // namespace

int HeaderItems::itemCount() const {
    return static_cast<int>(SendMessageW(headerControl(), HDM_GETITEMCOUNT, 0, 0));
}

int HeaderItems::insertItem(int index, std::string_view text, int width) {
    std::wstring wide = system::toWide(text);
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = wide.data();
    item.cxy = width;
    item.fmt = HDF_LEFT | HDF_STRING;
    return static_cast<int>(SendMessageW(headerControl(), HDM_INSERTITEMW,
                                         static_cast<WPARAM>(index),
                                         reinterpret_cast<LPARAM>(&item)));
}

bool HeaderItems::deleteItem(int index) {
    return SendMessageW(headerControl(), HDM_DELETEITEM, static_cast<WPARAM>(index), 0) != FALSE;
}

std::string HeaderItems::itemText(int index) const {
    return readItemText([&](std::span<wchar_t> buffer) {
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        buffer[0] = L'\0';
        if (SendMessageW(headerControl(), HDM_GETITEMW, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&item)) == FALSE) {
            return 0;
        }
        return writtenLength(buffer);
    });
}

bool HeaderItems::itemText(int index, std::string_view text) {
    std::wstring wide = system::toWide(text);
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = wide.data();
    return SendMessageW(headerControl(), HDM_SETITEMW, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&item)) != FALSE;
}

int HeaderItems::itemWidth(int index) const {
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    if (SendMessageW(headerControl(), HDM_GETITEMW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item)) == FALSE) {
        return -1;
    }
    return item.cxy;
}

bool HeaderItems::itemWidth(int index, int width) {
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    item.cxy = width;
    return SendMessageW(headerControl(), HDM_SETITEMW, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&item)) != FALSE;
}

Header::Header(ITEM_ID id, TvGui& owner) : Header(controlInfo(id, owner)) {}

Header::Header(GUIINFO info) : Control(headerClass(std::move(info))) {
    dressControl(*this);
}

} // namespace tavrin::tvgui
