#include "tvgui/control/combobox.h"

#include <string>

#include "system/tavrinerrors.h"
#include "system/unicode.h"
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
    return static_cast<TYPE>(GetWindowLongPtrW(hwnd(), GWL_STYLE) & 3);
}

HWND ComboBox::editChild() const {
    const HWND edit = comboInfo(hwnd(), "エディット部取得").hwndItem;
    // A drop-down list may name itself as its edit part.
    return edit == hwnd() ? nullptr : edit;
}

HWND ComboBox::needEdit(const char* operation) const {
    const HWND edit = editChild();
    if (edit == nullptr) {
        throw system::ComboBoxException(std::string("コンボボックス") + operation +
                                        "失敗: エディット部がありません");
    }
    return edit;
}

ComboBox::ComboEdit ComboBox::edit() const {
    return ComboEdit(needEdit("エディット部取得"));
}

HWND ComboBox::listChild() const {
    return comboInfo(hwnd(), "リスト部取得").hwndList;
}

ComboBox::ComboList ComboBox::list() const {
    return ComboList(listChild());
}

UINT ComboBox::textLimit() const {
    return static_cast<UINT>(SendMessageW(needEdit("文字数上限取得"), EM_GETLIMITTEXT, 0, 0));
}

void ComboBox::limitText(UINT units) {
    needEdit("文字数上限設定");
    checked(SendMessageW(hwnd(), CB_LIMITTEXT, units, 0), "文字数上限設定");
}

std::pair<DWORD, DWORD> ComboBox::selection() const {
    needEdit("選択範囲取得");
    DWORD start = 0;
    DWORD end = 0;
    checked(SendMessageW(hwnd(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end)),
            "選択範囲取得");
    return {start, end};
}

void ComboBox::select(int start, int end) {
    needEdit("選択範囲設定");
    checked(SendMessageW(hwnd(), CB_SETEDITSEL, 0, MAKELPARAM(start, end)), "選択範囲設定");
}

void ComboBox::replaceSelection(std::string_view text) {
    const std::wstring wide = system::toWide(text);
    SendMessageW(needEdit("選択範囲置換"), EM_REPLACESEL, TRUE,
                 reinterpret_cast<LPARAM>(wide.c_str()));
}

bool ComboBox::readOnly() const {
    return (GetWindowLongPtrW(needEdit("読み取り専用取得"), GWL_STYLE) & ES_READONLY) != 0;
}

bool ComboBox::readOnly(bool on) {
    return SendMessageW(needEdit("読み取り専用設定"), EM_SETREADONLY, on ? TRUE : FALSE, 0) != 0;
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
