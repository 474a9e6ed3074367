#include "tvgui/control/excombobox.h"

#include <span>

#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "tvgui/control/controlsetup.h"
#include "tvgui/control/itemmessage.h"

namespace tavrin::tvgui {

namespace {

GUIINFO exInfo(GUIINFO info) {
    registerCommonControls(ICC_USEREX_CLASSES);
    return ofClass(std::move(info), "ComboBoxEx32", 0);
}

[[noreturn]] void refused(const char* operation) {
    throw system::ComboBoxException(std::string("拡張コンボボックス") + operation + "失敗");
}

// The record of the item; it points into wide, which must outlive it.
COMBOBOXEXITEMW record(const COMBOBOXITEM& item, std::wstring& wide) {
    COMBOBOXEXITEMW native{};
    native.mask = static_cast<UINT>(item.mask);
    native.iItem = item.index;
    wide = system::toWide(item.text);
    native.pszText = wide.data();
    native.iImage = item.image;
    native.iSelectedImage = item.selectedImage;
    native.iOverlay = item.overlay;
    native.iIndent = item.indent;
    native.lParam = item.data;
    return native;
}

} // namespace

ExComboBox::ExComboBox(ITEM_ID id, TvGui& owner, TYPE type)
    : ComboBox(exInfo(controlInfo(id, owner, static_cast<DWORD>(type)))) {
    SendMessageW(hwnd(), CCM_SETUNICODEFORMAT, 1, 0);
}

int ExComboBox::add(std::string_view text) {
    return insert(-1, text);
}

int ExComboBox::insert(int index, std::string_view text) {
    COMBOBOXITEM item;
    item.mask = COMBOBOXITEM_MASK::TEXT;
    item.index = index;
    item.text = text;
    return insertItem(item);
}

std::optional<std::string> ExComboBox::itemText(int index) const {
    return item(index, COMBOBOXITEM_MASK::TEXT).text;
}

std::optional<LPARAM> ExComboBox::itemData(int index) const {
    return item(index, COMBOBOXITEM_MASK::LPARAM).data;
}

bool ExComboBox::itemData(int index, LPARAM data) {
    COMBOBOXITEM changed;
    changed.mask = COMBOBOXITEM_MASK::LPARAM;
    changed.index = index;
    changed.data = data;
    setItem(changed);
    return true;
}

int ExComboBox::insertItem(const COMBOBOXITEM& item) {
    std::wstring wide;
    const COMBOBOXEXITEMW native = record(item, wide);
    const LRESULT at = SendMessageW(hwnd(), CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&native));
    if (at < 0) {
        refused("項目挿入");
    }
    return static_cast<int>(at);
}

COMBOBOXITEM ExComboBox::item(int index, COMBOBOXITEM_MASK wanted) const {
    if (index < 0) {
        refused("項目取得");
    }
    COMBOBOXEXITEMW native{};
    bool answered = false;
    // The control cuts a text to the buffer it is given, so the read is repeated with a
    // larger one until the text fits.
    const std::string text = readItemText([&](std::span<wchar_t> buffer) {
        native = COMBOBOXEXITEMW{};
        native.mask = static_cast<UINT>(wanted);
        native.iItem = index;
        native.pszText = buffer.data();
        native.cchTextMax = static_cast<int>(buffer.size());
        answered = SendMessageW(hwnd(), CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&native)) !=
                   FALSE;
        return answered && (native.mask & CBEIF_TEXT) != 0 ? writtenLength(buffer) : 0;
    });
    if (!answered) {
        refused("項目取得");
    }
    COMBOBOXITEM item;
    item.mask = wanted;
    item.index = native.iItem;
    item.text = text;
    item.image = native.iImage;
    item.selectedImage = native.iSelectedImage;
    item.overlay = native.iOverlay;
    item.indent = native.iIndent;
    item.data = native.lParam;
    return item;
}

void ExComboBox::setItem(const COMBOBOXITEM& item) {
    std::wstring wide;
    const COMBOBOXEXITEMW native = record(item, wide);
    if (SendMessageW(hwnd(), CBEM_SETITEMW, 0, reinterpret_cast<LPARAM>(&native)) == FALSE) {
        refused("項目設定");
    }
}

std::optional<ImageList> ExComboBox::setImageList(const ImageList& images) {
    return shownList(reinterpret_cast<HIMAGELIST>(
        SendMessageW(hwnd(), CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.get()))));
}

ExComboBox::OriginalComboBox ExComboBox::originalComboBox() const {
    const auto inner = reinterpret_cast<HWND>(SendMessageW(hwnd(), CBEM_GETCOMBOCONTROL, 0, 0));
    if (inner == nullptr) {
        refused("内部コンボボックス取得");
    }
    return OriginalComboBox(inner);
}

HWND ExComboBox::editChild() const {
    return reinterpret_cast<HWND>(SendMessageW(hwnd(), CBEM_GETEDITCONTROL, 0, 0));
}

HWND ExComboBox::listChild() const {
    return originalComboBox().list().hwnd();
}

} // namespace tavrin::tvgui
