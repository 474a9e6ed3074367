#include "tvgui/control/combobox.h"

#include <string>

#include "system/tavrinerrors.h"
#include "tvgui/control/controlsetup.h"

namespace tavrin::tvgui {

namespace {

COMBOBOXINFO comboInfo(HWND combo, const char* operation) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(combo, &info) == FALSE) {
        throw system::ComboBoxException(std::string("コンボボックス") + operation + "失敗");
    }
    return info;
}

} // namespace

ComboBox::ComboBox(ITEM_ID id, TvGui& owner, TYPE type)
    : ComboBox(controlInfo(id, owner, static_cast<DWORD>(type))) {}

ComboBox::ComboBox(GUIINFO info)
    : Control(ofClass(std::move(info), "COMBOBOX", CBS_AUTOHSCROLL | CBS_HASSTRINGS | WS_VSCROLL)) {
    dressControl(*this);
}

ComboBox::ComboBox(HWND existing) : Control(existing) {}

ComboBox::TYPE ComboBox::type() const {
    return static_cast<TYPE>(GetWindowLongPtrW(hwnd(), GWL_STYLE) &
                             (CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST));
}

HWND ComboBox::editChild() const {
    const HWND edit = comboInfo(hwnd(), "エディット部取得").hwndItem;
    // A drop-down list may name itself as its edit part.
    return edit == hwnd() ? nullptr : edit;
}

ComboBox::ComboEdit ComboBox::edit() const {
    return editFor("エディット部取得");
}

HWND ComboBox::listChild() const {
    return comboInfo(hwnd(), "リスト部取得").hwndList;
}

ComboBox::ComboList ComboBox::list() const {
    return ComboList(listChild());
}

// The edit part's own messages serve plain and extended combo boxes alike.
ComboBox::ComboEdit ComboBox::editFor(const char* operation) const {
    const HWND edit = editChild();
    if (edit == nullptr) {
        throw system::ComboBoxException(std::string("コンボボックス") + operation +
                                        "失敗: エディット部がありません");
    }
    return ComboEdit(edit);
}

UINT ComboBox::textLimit() const {
    return editFor("文字数上限取得").textLimit();
}

void ComboBox::limitText(UINT units) {
    editFor("文字数上限設定").limitText(units);
}

std::pair<DWORD, DWORD> ComboBox::selection() const {
    return editFor("選択範囲取得").selection();
}

void ComboBox::select(int start, int end) {
    editFor("選択範囲設定").select(start, end);
}

void ComboBox::replaceSelection(std::string_view text) {
    editFor("選択範囲置換").replaceSelection(text);
}

bool ComboBox::readOnly() const {
    return editFor("読み取り専用取得").readOnly();
}

bool ComboBox::readOnly(bool on) {
    return editFor("読み取り専用設定").readOnly(on);
}

bool ComboBox::droppedDown() const {
    return SendMessageW(hwnd(), CB_GETDROPPEDSTATE, 0, 0) != FALSE;
}

void ComboBox::showDropDown(bool on) {
    SendMessageW(hwnd(), CB_SHOWDROPDOWN, on ? TRUE : FALSE, 0);
}

const ListMessages& ComboBox::listMessages() const {
    static constexpr ListMessages messages{CB_ADDSTRING,    CB_INSERTSTRING, CB_DELETESTRING,
                                           CB_RESETCONTENT, CB_GETCOUNT,     CB_FINDSTRINGEXACT,
                                           CB_GETCURSEL,    CB_SETCURSEL,    CB_GETLBTEXT,
                                           CB_GETLBTEXTLEN, CB_GETITEMDATA,  CB_SETITEMDATA};
    return messages;
}

LRESULT ComboBox::checked(LRESULT answer, const char* operation) const {
    if (answer == CB_ERRSPACE) {
        throw system::ComboBoxException(std::string("コンボボックス") + operation +
                                        "失敗: 領域不足");
    }
    if (answer == CB_ERR) {
        throw system::ComboBoxException(std::string("コンボボックス") + operation + "失敗");
    }
    return answer;
}

} // namespace tavrin::tvgui
