#include "tvgui/control/listbox.h"

#include "system/unicode.h"
#include "tvgui/control/controlsetup.h"
#include "tvgui/window/stylepair.h"

namespace tavrin::tvgui {

namespace {

// The answer both families give for a missing item or a refused string.
constexpr LRESULT failed = -1;

LPARAM wideText(const std::wstring& text) {
    return reinterpret_cast<LPARAM>(text.c_str());
}

std::optional<int> found(LRESULT answer) {
    return answer < 0 ? std::nullopt : std::optional<int>(static_cast<int>(answer));
}

} // namespace

int IListBox::add(std::string_view text) {
    const std::wstring wide = system::toWide(text);
    return static_cast<int>(
        checked(SendMessageW(listWindow(), listMessages().add, 0, wideText(wide)), "追加"));
}

int IListBox::insert(int index, std::string_view text) {
    const std::wstring wide = system::toWide(text);
    return static_cast<int>(checked(SendMessageW(listWindow(), listMessages().insert,
                                                 static_cast<WPARAM>(index), wideText(wide)),
                                    "挿入"));
}

int IListBox::remove(int index) {
    return static_cast<int>(checked(
        SendMessageW(listWindow(), listMessages().remove, static_cast<WPARAM>(index), 0), "削除"));
}

void IListBox::clear() {
    SendMessageW(listWindow(), listMessages().reset, 0, 0);
}

int IListBox::count() const {
    return static_cast<int>(
        checked(SendMessageW(listWindow(), listMessages().count, 0, 0), "項目数取得"));
}

std::optional<int> IListBox::find(std::string_view text, int after) const {
    const std::wstring wide = system::toWide(text);
    return found(SendMessageW(listWindow(), listMessages().findExact, static_cast<WPARAM>(after),
                              wideText(wide)));
}

std::optional<int> IListBox::selectedIndex() const {
    return found(SendMessageW(listWindow(), listMessages().getCurrent, 0, 0));
}

bool IListBox::selectIndex(int index) {
    const LRESULT answer =
        SendMessageW(listWindow(), listMessages().setCurrent, static_cast<WPARAM>(index), 0);
    // Clearing the selection answers as a failure would.
    return index < 0 || checked(answer, "選択") != failed;
}

std::optional<std::string> IListBox::itemText(int index) const {
    const LRESULT length = checked(
        SendMessageW(listWindow(), listMessages().getTextLength, static_cast<WPARAM>(index), 0),
        "項目文字列長取得");
    if (length < 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        checked(SendMessageW(listWindow(), listMessages().getText, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(wide.data())),
                "項目文字列取得");
    if (copied < 0) {
        return std::nullopt;
    }
    wide.resize(static_cast<std::size_t>(copied));
    return system::toUtf8(wide);
}

std::optional<LPARAM> IListBox::itemData(int index) const {
    // Data equal to the failure value cannot be told from a missing item by the answer alone.
    if (index < 0 || index >= count()) {
        checked(failed, "項目データ取得");
        return std::nullopt;
    }
    return SendMessageW(listWindow(), listMessages().getData, static_cast<WPARAM>(index), 0);
}

bool IListBox::itemData(int index, LPARAM data) {
    return checked(
               SendMessageW(listWindow(), listMessages().setData, static_cast<WPARAM>(index), data),
               "項目データ設定") != failed;
}

std::vector<std::string> IListBox::texts() const {
    std::vector<std::string> all;
    const int items = count();
    for (int index = 0; index < items; ++index) {
        all.push_back(itemText(index).value_or(std::string()));
    }
    return all;
}

ListBox::ListBox(ITEM_ID id, TvGui& owner, TYPE type, SELECT select)
    : Control(ofClass(controlInfo(id, owner, static_cast<DWORD>(type) | static_cast<DWORD>(select)),
                      "LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT)) {
    dressControl(*this);
}

ListBox::ListBox(HWND existing) : Control(existing) {}

TVGUI_STYLE_PAIR(ListBox, notify, STYLE, LBS_NOTIFY)
TVGUI_STYLE_PAIR(ListBox, ownerDraw, STYLE, LBS_OWNERDRAWFIXED)

const ListMessages& ListBox::listMessages() const {
    static constexpr ListMessages messages{LB_ADDSTRING,    LB_INSERTSTRING, LB_DELETESTRING,
                                           LB_RESETCONTENT, LB_GETCOUNT,     LB_FINDSTRINGEXACT,
                                           LB_GETCURSEL,    LB_SETCURSEL,    LB_GETTEXT,
                                           LB_GETTEXTLEN,   LB_GETITEMDATA,  LB_SETITEMDATA};
    return messages;
}

LRESULT ListBox::checked(LRESULT answer, const char*) const {
    // LB_ERRSPACE (-2) as well as LB_ERR reads as a failure in the result.
    return answer < 0 ? failed : answer;
}

bool ListBox::multiSelect() const {
    return (GetWindowLongPtrW(hwnd(), GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0;
}

std::optional<int> ListBox::selectedIndex() const {
    if (!multiSelect()) {
        return IListBox::selectedIndex();
    }
    const std::vector<int> all = selectedIndexes();
    return all.empty() ? std::nullopt : std::optional<int>(all.front());
}

bool ListBox::selectIndex(int index) {
    if (!multiSelect()) {
        return IListBox::selectIndex(index);
    }
    if (index >= count()) {
        return false;
    }
    selectItem(-1, false);
    if (index < 0) {
        return true;
    }
    SendMessageW(hwnd(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    return selectItem(index, true);
}

std::vector<int> ListBox::selectedIndexes() const {
    if (!multiSelect()) {
        const std::optional<int> one = IListBox::selectedIndex();
        return one ? std::vector<int>{*one} : std::vector<int>{};
    }
    const LRESULT selected = SendMessageW(hwnd(), LB_GETSELCOUNT, 0, 0);
    std::vector<int> all(static_cast<std::size_t>(selected < 0 ? 0 : selected));
    const LRESULT copied = SendMessageW(hwnd(), LB_GETSELITEMS, static_cast<WPARAM>(all.size()),
                                        reinterpret_cast<LPARAM>(all.data()));
    all.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return all;
}

bool ListBox::selectItem(int index, bool on) {
    return multiSelect() &&
           SendMessageW(hwnd(), LB_SETSEL, on ? TRUE : FALSE, static_cast<LPARAM>(index)) != LB_ERR;
}

} // namespace tavrin::tvgui

#undef TVGUI_STYLE_PAIR
