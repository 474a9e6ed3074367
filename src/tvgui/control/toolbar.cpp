#include "tvgui/control/toolbar.h"

#include "system/unicode.h"
#include "tvgui/control/controlsetup.h"
#include "tvgui/window/stylepair.h"

namespace tavrin::tvgui {

namespace {

// The record grew from 20 bytes: pointer-wide fields and their padding.
#ifdef _WIN64
static_assert(sizeof(TBBUTTON) == 32);
#endif

struct ImageListMessages {
    UINT set;
    UINT get;
};

constexpr ImageListMessages imageListMessages(ToolBar::IMAGE_TYPE type) {
    switch (type) {
    case ToolBar::IMAGE_TYPE::HOT:
        return {TB_SETHOTIMAGELIST, TB_GETHOTIMAGELIST};
    case ToolBar::IMAGE_TYPE::DISABLED:
        return {TB_SETDISABLEDIMAGELIST, TB_GETDISABLEDIMAGELIST};
    case ToolBar::IMAGE_TYPE::NORMAL:
        break;
    }
    return {TB_SETIMAGELIST, TB_GETIMAGELIST};
}

GUIINFO ofToolBarClass(GUIINFO info) {
    registerCommonControls(ICC_BAR_CLASSES);
    return ofClass(std::move(info), "ToolbarWindow32", 0);
}

std::unique_ptr<ImageList> borrowed(LRESULT handle) {
    if (handle == 0) {
        return nullptr;
    }
    return std::make_unique<ImageList>(reinterpret_cast<HIMAGELIST>(handle), false);
}

} // namespace

ToolBar::ToolBar(ITEM_ID id, TvGui& owner, DWORD style) : ToolBar(controlInfo(id, owner, style)) {}

ToolBar::ToolBar(GUIINFO info) : Control(ofToolBarClass(std::move(info))) {
    dressControl(*this);
    setButtonStructSize();
}

TVGUI_STYLE_PAIR(ToolBar, flat, STYLE, TBSTYLE_FLAT)
TVGUI_STYLE_PAIR(ToolBar, wrapable, STYLE, TBSTYLE_WRAPABLE)
TVGUI_STYLE_PAIR(ToolBar, toolTips, STYLE, TBSTYLE_TOOLTIPS)

#undef TVGUI_STYLE_PAIR

void ToolBar::setButtonStructSize() {
    SendMessageW(hwnd(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

void ToolBar::setList(bool on) {
    // Through the window style, so that the style and the bar's own copy of it, which the
    // bar takes from the style-changed message, stay one.
    setStyleBit(GWL::STYLE, TBSTYLE_LIST, on);
}

bool ToolBar::isList() const {
    return styleBit(GWL::STYLE, TBSTYLE_LIST);
}

int ToolBar::buttonCount() const {
    return static_cast<int>(SendMessageW(hwnd(), TB_BUTTONCOUNT, 0, 0));
}

bool ToolBar::deleteButton(int index) {
    return SendMessageW(hwnd(), TB_DELETEBUTTON, static_cast<WPARAM>(index), 0) != FALSE;
}

void ToolBar::clear() {
    while (buttonCount() > 0 && deleteButton(0)) {
    }
}

bool ToolBar::insertButton(int index, const TBBUTTON& button) {
    return SendMessageW(hwnd(), TB_INSERTBUTTONW, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&button)) != FALSE;
}

bool ToolBar::insertButton(int index, const TOOLBUTTON& button) {
    std::wstring text = system::toWide(button.text);
    TBBUTTON record{};
    record.iBitmap = button.image;
    record.idCommand = button.command;
    record.fsState = static_cast<BYTE>(button.state);
    record.fsStyle = static_cast<BYTE>(button.style);
    record.dwData = button.data;
    // No string at all rather than an empty one: the bar would make room for it.
    record.iString = text.empty() ? -1 : reinterpret_cast<INT_PTR>(text.c_str());
    return insertButton(index, record);
}

bool ToolBar::button(int index, TBBUTTON& button) const {
    return SendMessageW(hwnd(), TB_GETBUTTON, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&button)) != FALSE;
}

std::optional<TOOLBUTTON> ToolBar::button(int index) const {
    TBBUTTON record{};
    if (!button(index, record)) {
        return std::nullopt;
    }
    return TOOLBUTTON{record.iBitmap,
                      record.idCommand,
                      static_cast<TOOLBUTTON::STATE>(record.fsState),
                      static_cast<TOOLBUTTON::STYLE>(record.fsStyle),
                      record.dwData,
                      buttonText(record.idCommand)};
}

std::string ToolBar::buttonText(int command) const {
    const LRESULT length = SendMessageW(hwnd(), TB_GETBUTTONTEXTW, static_cast<WPARAM>(command), 0);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(hwnd(), TB_GETBUTTONTEXTW, static_cast<WPARAM>(command),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return system::toUtf8(text);
}

void ToolBar::autoSize() {
    SendMessageW(hwnd(), TB_AUTOSIZE, 0, 0);
}

bool ToolBar::setButtonSize(SIZE extent) {
    return SendMessageW(hwnd(), TB_SETBUTTONSIZE, 0, MAKELPARAM(extent.cx, extent.cy)) != FALSE;
}

std::optional<POINT> ToolBar::buttonBottomRight(int command) const {
    const std::optional<RECT> rect = buttonRect(command);
    if (!rect) {
        return std::nullopt;
    }
    return POINT{rect->right, rect->bottom};
}

SIZE ToolBar::buttonSize() const {
    const auto packed = static_cast<DWORD>(SendMessageW(hwnd(), TB_GETBUTTONSIZE, 0, 0));
    return SIZE{LOWORD(packed), HIWORD(packed)};
}

bool ToolBar::setButtonWidth(int minimum, int maximum) {
    return SendMessageW(hwnd(), TB_SETBUTTONWIDTH, 0, MAKELPARAM(minimum, maximum)) != FALSE;
}

std::optional<RECT> ToolBar::buttonRect(int command) const {
    RECT rect{};
    if (SendMessageW(hwnd(), TB_GETRECT, static_cast<WPARAM>(command),
                     reinterpret_cast<LPARAM>(&rect)) == FALSE) {
        return std::nullopt;
    }
    return rect;
}

int ToolBar::addBitmap(int count, const TBADDBITMAP& bitmap) {
    return static_cast<int>(SendMessageW(hwnd(), TB_ADDBITMAP, static_cast<WPARAM>(count),
                                         reinterpret_cast<LPARAM>(&bitmap)));
}

int ToolBar::addStandardBitmap(SYSTEM_IMAGE id) {
    // The bar knows the number of images of its own sets.
    return addBitmap(0, TBADDBITMAP{HINST_COMMCTRL, static_cast<UINT_PTR>(id)});
}

int ToolBar::rows() const {
    return static_cast<int>(SendMessageW(hwnd(), TB_GETROWS, 0, 0));
}

ToolBar::EXTENDED ToolBar::setExtendedStyle(EXTENDED flags) {
    return static_cast<EXTENDED>(
        SendMessageW(hwnd(), TB_SETEXTENDEDSTYLE, 0, static_cast<LPARAM>(flags)));
}

ToolBar::EXTENDED ToolBar::extendedStyle() const {
    return static_cast<EXTENDED>(SendMessageW(hwnd(), TB_GETEXTENDEDSTYLE, 0, 0));
}

std::unique_ptr<ImageList> ToolBar::setImageList(IMAGE_TYPE type, const ImageList& list,
                                                 int index) {
    return borrowed(SendMessageW(hwnd(), imageListMessages(type).set, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(list.get())));
}

std::unique_ptr<ImageList> ToolBar::imageList(IMAGE_TYPE type) const {
    return borrowed(SendMessageW(hwnd(), imageListMessages(type).get, 0, 0));
}

int ToolBar::commandToIndex(int command) const {
    return static_cast<int>(
        SendMessageW(hwnd(), TB_COMMANDTOINDEX, static_cast<WPARAM>(command), 0));
}

bool ToolBar::hideButton(int command, bool hide) {
    return SendMessageW(hwnd(), TB_HIDEBUTTON, static_cast<WPARAM>(command),
                        MAKELPARAM(hide ? TRUE : FALSE, 0)) != FALSE;
}

int ToolBar::hotItem() const {
    return static_cast<int>(SendMessageW(hwnd(), TB_GETHOTITEM, 0, 0));
}

int ToolBar::setHotItem(int index) {
    return static_cast<int>(SendMessageW(hwnd(), TB_SETHOTITEM, static_cast<WPARAM>(index), 0));
}

void ToolBar::setToolTip(const TvGui& tip) {
    SendMessageW(hwnd(), TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tip.hwnd()), 0);
}

std::shared_ptr<TvGui> ToolBar::toolTip() const {
    return guiFromHandle(reinterpret_cast<HWND>(SendMessageW(hwnd(), TB_GETTOOLTIPS, 0, 0)));
}

} // namespace tavrin::tvgui
