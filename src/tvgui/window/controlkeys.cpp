#include "tvgui/window/controlkeys.h"

#include <cwchar>
#include <initializer_list>

namespace tavrin::tvgui {

namespace {

bool isOfClass(HWND window, const wchar_t* name) {
    wchar_t found[32]{};
    return GetClassNameW(window, found, 32) > 0 && _wcsicmp(found, name) == 0;
}

// The edit of an editable combo box holds the focus while its list is open.
bool dropsAList(HWND window) {
    for (HWND candidate : {window, GetParent(window)}) {
        if (candidate != nullptr && isOfClass(candidate, L"ComboBox")) {
            return SendMessageW(candidate, CB_GETDROPPEDSTATE, 0, 0) != 0;
        }
    }
    return false;
}

bool isMultiLineEdit(HWND window) {
    return isOfClass(window, L"Edit") && (GetWindowLongPtrW(window, GWL_STYLE) & ES_MULTILINE) != 0;
}

// A multi-line edit asks for every key, yet without ES_WANTRETURN it means Enter for the
// default button; and it would answer Escape by closing its parent on its own.
bool multiLineEditWants(HWND edit, WPARAM key) {
    return key == VK_RETURN && (GetWindowLongPtrW(edit, GWL_STYLE) & ES_WANTRETURN) != 0;
}

} // namespace

bool controlWantsDialogKey(MSG& message) {
    if (message.message != WM_KEYDOWN ||
        (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE) || message.hwnd == nullptr ||
        (GetWindowLongPtrW(message.hwnd, GWL_STYLE) & WS_CHILD) == 0) {
        return false;
    }
    if (dropsAList(message.hwnd)) {
        return true;
    }
    if (isMultiLineEdit(message.hwnd)) {
        return multiLineEditWants(message.hwnd, message.wParam);
    }
    // A single-line edit answers for itself: a plain one leaves both keys to the dialog, the
    // label edit of a tree or list view takes them to end its edit.
    const LRESULT code = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam,
                                      reinterpret_cast<LPARAM>(&message));
    return (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

} // namespace tavrin::tvgui
