#include "tvgui/control/listview.h"

#include <exception>

#include "system/unicode.h"
#include "tvgui/control/controlsetup.h"
#include "tvgui/control/itemmessage.h"
#include "tvgui/control/stylefield.h"
#include "tvgui/window/stylepair.h"

namespace tavrin::tvgui {

namespace {

constexpr StyleName viewNames[] = {{LVS_SMALLICON, "LVS_SMALLICON"},
                                   {LVS_ICON, "LVS_ICON"},
                                   {LVS_LIST, "LVS_LIST"},
                                   {LVS_REPORT, "LVS_REPORT"}};
const StyleField viewField{viewNames, LVS_TYPEMASK};

GUIINFO listClass(GUIINFO info) {
    registerCommonControls(ICC_LISTVIEW_CLASSES);
    // The image lists belong to their holders, so the list must not destroy them with itself.
    return ofClass(std::move(info), "SysListView32", LVS_SHAREIMAGELISTS);
}

// An item record for the list, whose text points into text.
LVITEMW toRecord(const LISTITEM& item, std::wstring& text) {
    LVITEMW record{};
    record.mask = static_cast<UINT>(item.mask);
    record.iItem = item.item;
    record.iSubItem = item.subItem;
    record.state = static_cast<UINT>(item.state);
    record.stateMask = static_cast<UINT>(item.stateMask);
    text = system::toWide(item.text);
    record.pszText = text.data();
    record.iImage = item.image;
    record.lParam = item.param;
    record.iIndent = item.indent;
    return record;
}

LVCOLUMNW toRecord(const LISTCOLUMN& column, std::wstring& text) {
    LVCOLUMNW record{};
    record.mask = static_cast<UINT>(column.mask);
    record.fmt = static_cast<int>(column.position);
    record.cx = column.width;
    text = system::toWide(column.text);
    record.pszText = text.data();
    record.iSubItem = column.subItem;
    record.iOrder = column.order;
    return record;
}

// The caller's order and the first exception it threw, which must not cross the list's call
// back into the system.
struct SortOrder {
    const std::function<int(LPARAM, LPARAM)>& before;
    std::exception_ptr failure;
};

int CALLBACK compareItems(LPARAM first, LPARAM second, LPARAM order) {
    auto& sorting = *reinterpret_cast<SortOrder*>(order);
    if (sorting.failure) {
        return 0;
    }
    try {
        return sorting.before(first, second);
    } catch (...) {
        sorting.failure = std::current_exception();
        return 0;
    }
}

} // namespace

ListView::ListView(ITEM_ID id, TvGui& owner, TYPE type) : ListView(controlInfo(id, owner)) {
    view(type);
}

ListView::ListView(GUIINFO info) : Control(listClass(std::move(info))) {
    dressControl(*this);
}

ListView::TYPE ListView::view() const {
    return viewField.read<TYPE>(hwnd());
}

LONG_PTR ListView::view(TYPE type) {
    return viewField.write(hwnd(), type);
}

TVGUI_STYLE_PAIR(ListView, ownerDraw, STYLE, LVS_OWNERDRAWFIXED)
TVGUI_STYLE_PAIR(ListView, noHideSelect, STYLE, LVS_SHOWSELALWAYS)
TVGUI_STYLE_PAIR(ListView, singleSelect, STYLE, LVS_SINGLESEL)
TVGUI_STYLE_PAIR(ListView, editLabels, STYLE, LVS_EDITLABELS)
TVGUI_STYLE_PAIR(ListView, noColumnHeader, STYLE, LVS_NOCOLUMNHEADER)

bool ListView::extended(DWORD bits) const {
    return (SendMessageW(hwnd(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & bits) == bits;
}

void ListView::extended(DWORD bits, bool on) {
    SendMessageW(hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, bits, on ? bits : 0);
}

bool ListView::fullRowSelect() const {
    return extended(LVS_EX_FULLROWSELECT);
}

void ListView::fullRowSelect(bool on) {
    extended(LVS_EX_FULLROWSELECT, on);
}

bool ListView::gridLines() const {
    return extended(LVS_EX_GRIDLINES);
}

void ListView::gridLines(bool on) {
    extended(LVS_EX_GRIDLINES, on);
}

bool ListView::checkBoxes() const {
    return extended(LVS_EX_CHECKBOXES);
}

void ListView::checkBoxes(bool on) {
    extended(LVS_EX_CHECKBOXES, on);
}

int ListView::insertColumn(int index, const LISTCOLUMN& column) {
    std::wstring text;
    LVCOLUMNW record = toRecord(column, text);
    return static_cast<int>(SendMessageW(hwnd(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                                         reinterpret_cast<LPARAM>(&record)));
}

bool ListView::setColumn(int index, const LISTCOLUMN& column) {
    std::wstring text;
    LVCOLUMNW record = toRecord(column, text);
    return SendMessageW(hwnd(), LVM_SETCOLUMNW, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&record)) != FALSE;
}

std::optional<LISTCOLUMN> ListView::column(int index, LISTCOLUMN::MASK mask) const {
    LVCOLUMNW record{};
    bool found = false;
    const std::string text = readItemText([&](std::span<wchar_t> buffer) {
        record = LVCOLUMNW{};
        record.mask = static_cast<UINT>(mask);
        buffer[0] = L'\0';
        record.pszText = buffer.data();
        record.cchTextMax = static_cast<int>(buffer.size());
        found = SendMessageW(hwnd(), LVM_GETCOLUMNW, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&record)) != FALSE;
        return found && hasFlags(mask, LISTCOLUMN::MASK::TEXT) ? writtenLength(buffer) : 0;
    });
    if (!found) {
        return std::nullopt;
    }
    return LISTCOLUMN{mask,
                      static_cast<LISTCOLUMN::POSITION>(record.fmt & LVCFMT_JUSTIFYMASK),
                      record.cx,
                      text,
                      record.iSubItem,
                      record.iOrder};
}

bool ListView::deleteColumn(int index) {
    return SendMessageW(hwnd(), LVM_DELETECOLUMN, static_cast<WPARAM>(index), 0) != FALSE;
}

int ListView::columnCount() const {
    const std::unique_ptr<ListHeader> columns = header();
    return columns ? columns->itemCount() : 0;
}

int ListView::columnWidth(int index) const {
    return static_cast<int>(
        SendMessageW(hwnd(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index), 0));
}

bool ListView::columnWidth(int index, int width) {
    return SendMessageW(hwnd(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index),
                        MAKELPARAM(width, 0)) != FALSE;
}

int ListView::itemCount() const {
    return static_cast<int>(SendMessageW(hwnd(), LVM_GETITEMCOUNT, 0, 0));
}

int ListView::insertItem(const LISTITEM& item) {
    std::wstring text;
    LVITEMW record = toRecord(item, text);
    record.iSubItem = 0;
    return static_cast<int>(
        SendMessageW(hwnd(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&record)));
}

bool ListView::setItem(const LISTITEM& item) {
    std::wstring text;
    LVITEMW record = toRecord(item, text);
    return SendMessageW(hwnd(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&record)) != FALSE;
}

std::optional<LISTITEM> ListView::item(int index, int subItem, LISTITEM::MASK mask) const {
    LVITEMW record{};
    bool found = false;
    const std::string text = readItemText([&](std::span<wchar_t> buffer) {
        record = LVITEMW{};
        record.mask = static_cast<UINT>(mask);
        record.iItem = index;
        record.iSubItem = subItem;
        record.stateMask = static_cast<UINT>(-1);
        buffer[0] = L'\0';
        record.pszText = buffer.data();
        record.cchTextMax = static_cast<int>(buffer.size());
        found = SendMessageW(hwnd(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&record)) != FALSE;
        return found && hasFlags(mask, LISTITEM::MASK::TEXT) ? writtenLength(buffer) : 0;
    });
    if (!found) {
        return std::nullopt;
    }
    return LISTITEM{mask,
                    index,
                    subItem,
                    static_cast<LISTITEM_STATE>(record.state),
                    static_cast<LISTITEM_STATE>(record.stateMask),
                    text,
                    record.iImage,
                    record.lParam,
                    record.iIndent};
}

std::string ListView::itemText(int index, int subItem) const {
    return readItemText([&](std::span<wchar_t> buffer) {
        LVITEMW record{};
        record.iSubItem = subItem;
        record.pszText = buffer.data();
        record.cchTextMax = static_cast<int>(buffer.size());
        return static_cast<int>(SendMessageW(hwnd(), LVM_GETITEMTEXTW, static_cast<WPARAM>(index),
                                             reinterpret_cast<LPARAM>(&record)));
    });
}

bool ListView::itemText(int index, int subItem, std::string_view text) {
    std::wstring wide = system::toWide(text);
    LVITEMW record{};
    record.iSubItem = subItem;
    record.pszText = wide.data();
    return SendMessageW(hwnd(), LVM_SETITEMTEXTW, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&record)) != FALSE;
}

LPARAM ListView::itemParam(int index) const {
    const std::optional<LISTITEM> found = item(index, 0, LISTITEM::MASK::PARAM);
    return found ? found->param : 0;
}

bool ListView::deleteItem(int index) {
    return SendMessageW(hwnd(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0) != FALSE;
}

bool ListView::clear() {
    return SendMessageW(hwnd(), LVM_DELETEALLITEMS, 0, 0) != FALSE;
}

LISTITEM_STATE ListView::itemState(int index, LISTITEM_STATE mask) const {
    return static_cast<LISTITEM_STATE>(SendMessageW(
        hwnd(), LVM_GETITEMSTATE, static_cast<WPARAM>(index), static_cast<LPARAM>(mask)));
}

bool ListView::itemState(int index, LISTITEM_STATE state, LISTITEM_STATE mask) {
    LVITEMW record{};
    record.state = static_cast<UINT>(state);
    record.stateMask = static_cast<UINT>(mask);
    return SendMessageW(hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&record)) != FALSE;
}

bool ListView::selectOnly(int index) {
    constexpr LISTITEM_STATE chosen = LISTITEM_STATE::SELECTED | LISTITEM_STATE::FOCUSED;
    return itemState(-1, LISTITEM_STATE::NONE, chosen) && itemState(index, chosen, chosen);
}

int ListView::selectedCount() const {
    return static_cast<int>(SendMessageW(hwnd(), LVM_GETSELECTEDCOUNT, 0, 0));
}

bool ListView::checked(int index) const {
    // The state image 2 is the ticked box, 1 the empty one.
    const UINT image = static_cast<UINT>(itemState(index, LISTITEM_STATE::STATEIMAGEMASK));
    return (image >> 12) == 2;
}

bool ListView::check(int index, bool on) {
    return itemState(index, static_cast<LISTITEM_STATE>(INDEXTOSTATEIMAGEMASK(on ? 2 : 1)),
                     LISTITEM_STATE::STATEIMAGEMASK);
}

int ListView::nextItem(int start, NEXT relation) const {
    return static_cast<int>(SendMessageW(hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(start),
                                         MAKELPARAM(static_cast<UINT>(relation), 0)));
}

int ListView::find(const LISTFIND& what, int start) const {
    const std::wstring text = system::toWide(what.text);
    LVFINDINFOW record{};
    record.flags = static_cast<UINT>(what.flags);
    record.psz = text.c_str();
    record.lParam = what.param;
    return static_cast<int>(SendMessageW(hwnd(), LVM_FINDITEMW, static_cast<WPARAM>(start),
                                         reinterpret_cast<LPARAM>(&record)));
}

LISTHITTEST ListView::hitTest(POINT point) const {
    LVHITTESTINFO record{};
    record.pt = point;
    SendMessageW(hwnd(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&record));
    return LISTHITTEST{record.iItem, record.iSubItem,
                       static_cast<LISTHITTEST::FLAGS>(record.flags)};
}

std::optional<RECT> ListView::itemRect(int index, PART part) const {
    RECT rect{};
    rect.left = static_cast<LONG>(part);
    if (SendMessageW(hwnd(), LVM_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&rect)) == FALSE) {
        return std::nullopt;
    }
    return rect;
}

bool ListView::ensureVisible(int index, bool partialOk) {
    return SendMessageW(hwnd(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index),
                        partialOk ? TRUE : FALSE) != FALSE;
}

bool ListView::editLabel(int index) {
    SetFocus(hwnd());
    return SendMessageW(hwnd(), LVM_EDITLABELW, static_cast<WPARAM>(index), 0) != 0;
}

bool ListView::sort(const std::function<int(LPARAM first, LPARAM second)>& before) {
    SortOrder order{before, nullptr};
    const bool sorted = SendMessageW(hwnd(), LVM_SORTITEMS, reinterpret_cast<WPARAM>(&order),
                                     reinterpret_cast<LPARAM>(&compareItems)) != FALSE;
    if (order.failure) {
        std::rethrow_exception(order.failure);
    }
    return sorted;
}

std::optional<ImageList> ListView::dragImage(int index, POINT& corner) {
    const auto image = reinterpret_cast<HIMAGELIST>(
        SendMessageW(hwnd(), LVM_CREATEDRAGIMAGE, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&corner)));
    if (image == nullptr) {
        return std::nullopt;
    }
    return std::optional<ImageList>(std::in_place, image, true);
}

std::optional<ImageList> ListView::setImageList(const ImageList& list, IMAGE_TYPE type) {
    return shownList(reinterpret_cast<HIMAGELIST>(
        SendMessageW(hwnd(), LVM_SETIMAGELIST, static_cast<WPARAM>(type),
                     reinterpret_cast<LPARAM>(list.get()))));
}

std::optional<ImageList> ListView::imageList(IMAGE_TYPE type) const {
    return shownList(reinterpret_cast<HIMAGELIST>(
        SendMessageW(hwnd(), LVM_GETIMAGELIST, static_cast<WPARAM>(type), 0)));
}

std::unique_ptr<ListView::ListHeader> ListView::header() const {
    const HWND columns = reinterpret_cast<HWND>(SendMessageW(hwnd(), LVM_GETHEADER, 0, 0));
    return columns != nullptr ? std::make_unique<ListHeader>(columns) : nullptr;
}

int ListView::subItem(const CUSTOMDRAW& draw) {
    return reinterpret_cast<const NMLVCUSTOMDRAW&>(draw.record()).iSubItem;
}

void ListView::paintColors(CUSTOMDRAW& draw, COLORREF text, COLORREF back) {
    auto& record = reinterpret_cast<NMLVCUSTOMDRAW&>(draw.record());
    record.clrText = text;
    record.clrTextBk = back;
}

std::optional<std::string> ListView::editedLabel(const NMHDR& header) {
    const auto& record = reinterpret_cast<const NMLVDISPINFOW&>(header);
    if (record.item.pszText == nullptr) {
        return std::nullopt;
    }
    return system::toUtf8(record.item.pszText);
}

} // namespace tavrin::tvgui

#undef TVGUI_STYLE_PAIR
