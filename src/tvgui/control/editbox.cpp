#include "tvgui/control/editbox.h"

#include <string>

#include "system/unicode.h"
#include "tvgui/control/controlsetup.h"
#include "tvgui/control/stylefield.h"
#include "tvgui/window/stylepair.h"

namespace tavrin::tvgui {

namespace {

constexpr StyleName alignNames[] = {
    {ES_LEFT, "ES_LEFT"}, {ES_CENTER, "ES_CENTER"}, {ES_RIGHT, "ES_RIGHT"}};
const StyleField alignField{alignNames};

GUIINFO adding(GUIINFO info, DWORD style) {
    info.Style |= style;
    return info;
}

GUIINFO editInfo(GUIINFO info) {
    info.ExStyle |= WS_EX_CLIENTEDGE;
    return ofClass(std::move(info), "EDIT", ES_NOHIDESEL);
}

} // namespace

EditBox::EditBox(GUIINFO info) : Control(editInfo(std::move(info))) {
    dressControl(*this);
}

EditBox::EditBox(HWND existing) : Control(existing) {}

HORIZON_ALIGN EditBox::horizonAlign() const {
    return alignField.read<HORIZON_ALIGN>(hwnd());
}

LONG_PTR EditBox::horizonAlign(HORIZON_ALIGN align) {
    return alignField.write(hwnd(), align);
}

UINT EditBox::textLimit() const {
    return static_cast<UINT>(SendMessageW(hwnd(), EM_GETLIMITTEXT, 0, 0));
}

void EditBox::limitText(UINT units) {
    SendMessageW(hwnd(), EM_SETLIMITTEXT, units, 0);
}

std::pair<DWORD, DWORD> EditBox::selection() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

void EditBox::select(int start, int end) {
    SendMessageW(hwnd(), EM_SETSEL, static_cast<WPARAM>(start), end);
}

void EditBox::replaceSelection(std::string_view text) {
    const std::wstring wide = system::toWide(text);
    SendMessageW(hwnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool EditBox::readOnly() const {
    return styleBit(GWL::STYLE, ES_READONLY);
}

bool EditBox::readOnly(bool on) {
    // The control keeps its own copy of the flag: only the message reaches it.
    return SendMessageW(hwnd(), EM_SETREADONLY, on ? TRUE : FALSE, 0) != 0;
}

TVGUI_STYLE_PAIR(EditBox, noHideSelect, STYLE, ES_NOHIDESEL)

WORD EditBox::margin(MARGIN side) const {
    const auto both = static_cast<DWORD>(SendMessageW(hwnd(), EM_GETMARGINS, 0, 0));
    return side == MARGIN::LEFT ? LOWORD(both) : HIWORD(both);
}

void EditBox::margin(MARGIN side, WORD pixels) {
    SendMessageW(hwnd(), EM_SETMARGINS, static_cast<WPARAM>(side), MAKELPARAM(pixels, pixels));
}

EditLine::EditLine(ITEM_ID id, TvGui& owner) : EditLine(controlInfo(id, owner)) {}

EditLine::EditLine(GUIINFO info) : EditBox(adding(std::move(info), ES_AUTOHSCROLL)) {}

PassLine::PassLine(ITEM_ID id, TvGui& owner) : EditLine(controlInfo(id, owner, ES_PASSWORD)) {}

wchar_t PassLine::passwordChar() const {
    return static_cast<wchar_t>(SendMessageW(hwnd(), EM_GETPASSWORDCHAR, 0, 0));
}

void PassLine::passwordChar(wchar_t shown) {
    SendMessageW(hwnd(), EM_SETPASSWORDCHAR, shown, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

MultiEdit::MultiEdit(ITEM_ID id, TvGui& owner)
    : EditBox(controlInfo(id, owner, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL)) {}

TVGUI_STYLE_PAIR(MultiEdit, wantReturn, STYLE, ES_WANTRETURN)

int MultiEdit::lineCount() const {
    return static_cast<int>(SendMessageW(hwnd(), EM_GETLINECOUNT, 0, 0));
}

void MultiEdit::softLineBreaks(bool on) {
    SendMessageW(hwnd(), EM_FMTLINES, on ? TRUE : FALSE, 0);
}

} // namespace tavrin::tvgui

#undef TVGUI_STYLE_PAIR
