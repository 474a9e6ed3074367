#include "tvgui/control/treeview.h"

#include <cstring>

#include "system/unicode.h"
#include "tvgui/control/controlsetup.h"
#include "tvgui/control/itemmessage.h"
#include "tvgui/window/stylepair.h"

namespace tavrin::tvgui {

namespace {

GUIINFO treeClass(GUIINFO info) {
    registerCommonControls(ICC_TREEVIEW_CLASSES);
    info.ExStyle |= WS_EX_CLIENTEDGE;
    return ofClass(std::move(info), "SysTreeView32",
                   TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
}

// A node record for the tree, whose text points into text.
TVITEMEXW toRecord(const TREEITEM& item, std::wstring& text) {
    TVITEMEXW record{};
    record.mask = static_cast<UINT>(item.mask);
    record.hItem = item.node;
    record.state = static_cast<UINT>(item.state);
    record.stateMask = static_cast<UINT>(item.stateMask);
    text = system::toWide(item.text);
    record.pszText = text.data();
    record.iImage = item.image;
    record.iSelectedImage = item.selectedImage;
    record.cChildren = item.children;
    record.lParam = item.param;
    return record;
}

bool isRoot(HTREEITEM node) {
    return node == nullptr || node == treeNode(TREE_NODE::ROOT);
}

} // namespace

TreeView::TreeView(ITEM_ID id, TvGui& owner) : TreeView(controlInfo(id, owner)) {}

TreeView::TreeView(GUIINFO info) : Control(treeClass(std::move(info))) {
    dressControl(*this);
}

TVGUI_STYLE_PAIR(TreeView, noHideSelect, STYLE, TVS_SHOWSELALWAYS)
TVGUI_STYLE_PAIR(TreeView, editLabels, STYLE, TVS_EDITLABELS)
TVGUI_STYLE_PAIR(TreeView, disableDragDrop, STYLE, TVS_DISABLEDRAGDROP)

HTREEITEM TreeView::insert(const TREEINSERTITEM& insert) {
    std::wstring text;
    TVINSERTSTRUCTW record{};
    record.hParent = insert.parent;
    record.hInsertAfter = insert.after;
    record.itemex = toRecord(insert.item, text);
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(hwnd(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&record)));
}

HTREEITEM TreeView::insert(HTREEITEM parent, std::string_view text, LPARAM param) {
    TREEINSERTITEM record;
    record.parent = isRoot(parent) ? treeNode(TREE_NODE::ROOT) : parent;
    record.item.mask = TREEITEM::MASK::TEXT | TREEITEM::MASK::PARAM;
    record.item.text = text;
    record.item.param = param;
    return insert(record);
}

bool TreeView::remove(HTREEITEM node) {
    return node != nullptr &&
           SendMessageW(hwnd(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node)) != FALSE;
}

bool TreeView::clear() {
    return SendMessageW(hwnd(), TVM_DELETEITEM, 0,
                        reinterpret_cast<LPARAM>(treeNode(TREE_NODE::ROOT))) != FALSE;
}

UINT TreeView::count() const {
    return static_cast<UINT>(SendMessageW(hwnd(), TVM_GETCOUNT, 0, 0));
}

HTREEITEM TreeView::next(HTREEITEM node, NEXT relation) const {
    return reinterpret_cast<HTREEITEM>(SendMessageW(
        hwnd(), TVM_GETNEXTITEM, static_cast<WPARAM>(relation), reinterpret_cast<LPARAM>(node)));
}

bool TreeView::expand(HTREEITEM node, EXPAND action) {
    return SendMessageW(hwnd(), TVM_EXPAND, static_cast<WPARAM>(action),
                        reinterpret_cast<LPARAM>(node)) != FALSE;
}

bool TreeView::expanded(HTREEITEM node) const {
    return hasFlags(itemState(node, TREEITEM::STATE::EXPANDED), TREEITEM::STATE::EXPANDED);
}

bool TreeView::select(HTREEITEM node, SELECT what) {
    return SendMessageW(hwnd(), TVM_SELECTITEM, static_cast<WPARAM>(what),
                        reinterpret_cast<LPARAM>(node)) != FALSE;
}

HTREEITEM TreeView::selection() const {
    return next(nullptr, NEXT::CARET);
}

std::optional<TREEITEM> TreeView::item(HTREEITEM node, TREEITEM::MASK mask) const {
    TVITEMEXW record{};
    bool found = false;
    const std::string text = readItemText([&](std::span<wchar_t> buffer) {
        record = TVITEMEXW{};
        record.mask = static_cast<UINT>(mask | TREEITEM::MASK::HANDLE);
        record.hItem = node;
        record.stateMask = static_cast<UINT>(-1);
        buffer[0] = L'\0';
        record.pszText = buffer.data();
        record.cchTextMax = static_cast<int>(buffer.size());
        found = node != nullptr &&
                SendMessageW(hwnd(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&record)) != FALSE;
        return found && hasFlags(mask, TREEITEM::MASK::TEXT) ? writtenLength(buffer) : 0;
    });
    if (!found) {
        return std::nullopt;
    }
    return TREEITEM{mask,
                    node,
                    static_cast<TREEITEM::STATE>(record.state),
                    static_cast<TREEITEM::STATE>(record.stateMask),
                    text,
                    record.iImage,
                    record.iSelectedImage,
                    record.cChildren,
                    record.lParam};
}

bool TreeView::setItem(const TREEITEM& item) {
    std::wstring text;
    TVITEMEXW record = toRecord(item, text);
    record.mask |= TVIF_HANDLE;
    return item.node != nullptr &&
           SendMessageW(hwnd(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&record)) != FALSE;
}

std::string TreeView::itemText(HTREEITEM node) const {
    const std::optional<TREEITEM> found = item(node, TREEITEM::MASK::TEXT);
    return found ? found->text : std::string();
}

bool TreeView::itemText(HTREEITEM node, std::string_view text) {
    TREEITEM record;
    record.mask = TREEITEM::MASK::TEXT;
    record.node = node;
    record.text = text;
    return setItem(record);
}

LPARAM TreeView::itemParam(HTREEITEM node) const {
    const std::optional<TREEITEM> found = item(node, TREEITEM::MASK::PARAM);
    return found ? found->param : 0;
}

TREEITEM::STATE TreeView::itemState(HTREEITEM node, TREEITEM::STATE mask) const {
    return static_cast<TREEITEM::STATE>(SendMessageW(
        hwnd(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(node), static_cast<LPARAM>(mask)));
}

bool TreeView::within(HTREEITEM node, HTREEITEM ancestor) const {
    for (HTREEITEM step = node; !isRoot(step); step = next(step, NEXT::PARENT)) {
        if (step == ancestor) {
            return true;
        }
    }
    return false;
}

HTREEITEM TreeView::moveNode(HTREEITEM node, HTREEITEM parent, HTREEITEM after) {
    if (node == nullptr || within(parent, node)) {
        return nullptr;
    }
    const HTREEITEM moved = copyBelow(node, parent, after);
    // The owner hears of the old nodes' deletion as of any other: the numbers it gave them
    // now belong to the copies.
    if (moved != nullptr) {
        remove(node);
    }
    return moved;
}

HTREEITEM TreeView::copyBelow(HTREEITEM node, HTREEITEM parent, HTREEITEM after) {
    std::optional<TREEITEM> original =
        item(node, TREEITEM::MASK::TEXT | TREEITEM::MASK::IMAGE | TREEITEM::MASK::SELECTEDIMAGE |
                       TREEITEM::MASK::PARAM | TREEITEM::MASK::STATE | TREEITEM::MASK::CHILDREN);
    if (!original) {
        return nullptr;
    }
    const bool wasExpanded = hasFlags(original->state, TREEITEM::STATE::EXPANDED);
    // Expansion is made again once the children are back, or the copy would show a button
    // over nothing.
    original->stateMask = TREEITEM::STATE::BOLD | TREEITEM::STATE::CUT |
                          TREEITEM::STATE::OVERLAYMASK | TREEITEM::STATE::STATEIMAGEMASK;
    original->state = original->state & original->stateMask;
    const HTREEITEM copy =
        insert(TREEINSERTITEM{isRoot(parent) ? treeNode(TREE_NODE::ROOT) : parent,
                              after == nullptr ? treeNode(TREE_NODE::LAST) : after, *original});
    if (copy == nullptr) {
        return nullptr;
    }
    for (HTREEITEM child = next(node, NEXT::CHILD); child != nullptr;
         child = next(child, NEXT::NEXT)) {
        copyBelow(child, copy, treeNode(TREE_NODE::LAST));
    }
    if (wasExpanded) {
        expand(copy, EXPAND::EXPAND);
    }
    return copy;
}

TREEHITTEST TreeView::hitTest(POINT point) const {
    TVHITTESTINFO record{};
    record.pt = point;
    SendMessageW(hwnd(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&record));
    return TREEHITTEST{record.hItem, static_cast<TREEHITTEST::FLAGS>(record.flags)};
}

std::optional<RECT> TreeView::itemRect(HTREEITEM node, bool textOnly) const {
    // The message takes the node in the rectangle it fills.
    RECT rect{};
    static_assert(sizeof(RECT) >= sizeof(HTREEITEM));
    std::memcpy(&rect, &node, sizeof(node));
    if (node == nullptr || SendMessageW(hwnd(), TVM_GETITEMRECT, textOnly ? TRUE : FALSE,
                                        reinterpret_cast<LPARAM>(&rect)) == FALSE) {
        return std::nullopt;
    }
    return rect;
}

bool TreeView::ensureVisible(HTREEITEM node) {
    SendMessageW(hwnd(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(node));
    return itemRect(node, false).has_value();
}

bool TreeView::editLabel(HTREEITEM node) {
    SetFocus(hwnd());
    return SendMessageW(hwnd(), TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(node)) != 0;
}

bool TreeView::endEditLabel(bool cancel) {
    return SendMessageW(hwnd(), TVM_ENDEDITLABELNOW, cancel ? TRUE : FALSE, 0) != FALSE;
}

std::optional<ImageList> TreeView::setImageList(const ImageList& list, IMAGE_TYPE type) {
    return shownList(reinterpret_cast<HIMAGELIST>(
        SendMessageW(hwnd(), TVM_SETIMAGELIST, static_cast<WPARAM>(type),
                     reinterpret_cast<LPARAM>(list.get()))));
}

std::optional<ImageList> TreeView::imageList(IMAGE_TYPE type) const {
    return shownList(reinterpret_cast<HIMAGELIST>(
        SendMessageW(hwnd(), TVM_GETIMAGELIST, static_cast<WPARAM>(type), 0)));
}

std::optional<ImageList> TreeView::dragImage(HTREEITEM node) {
    const auto image = reinterpret_cast<HIMAGELIST>(
        SendMessageW(hwnd(), TVM_CREATEDRAGIMAGE, 0, reinterpret_cast<LPARAM>(node)));
    if (image == nullptr) {
        return std::nullopt;
    }
    return std::optional<ImageList>(std::in_place, image, true);
}

std::optional<std::string> TreeView::editedLabel(const NMHDR& header) {
    const auto& record = reinterpret_cast<const NMTVDISPINFOW&>(header);
    if (record.item.pszText == nullptr) {
        return std::nullopt;
    }
    return system::toUtf8(record.item.pszText);
}

} // namespace tavrin::tvgui

#undef TVGUI_STYLE_PAIR
