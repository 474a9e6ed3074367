#pragma once

#include <string_view>
#include <utility>

#include "tvgui/control/editbox.h"
#include "tvgui/control/listbox.h"

namespace tavrin::tvgui {

// A control of the system's "COMBOBOX" class: an edit part over a list. Operations the
// control refuses raise ComboBoxException naming the operation.
class ComboBox : public Control, public IEditBox, public IListBox {
public:
    enum class TYPE : DWORD {
        SIMPLE = CBS_SIMPLE,
        DROPDOWN = CBS_DROPDOWN,
        // A drop-down list without an edit part: only the items can be chosen.
        DROPDOWNLIST = CBS_DROPDOWNLIST,
    };
    enum class EVENT : WORD {
        ERRSPACE = static_cast<WORD>(CBN_ERRSPACE),
        SELCHANGE = CBN_SELCHANGE,
        DBLCLK = CBN_DBLCLK,
        SETFOCUS = CBN_SETFOCUS,
        KILLFOCUS = CBN_KILLFOCUS,
        EDITCHANGE = CBN_EDITCHANGE,
        EDITUPDATE = CBN_EDITUPDATE,
        DROPDOWN = CBN_DROPDOWN,
        CLOSEUP = CBN_CLOSEUP,
        SELENDOK = CBN_SELENDOK,
        SELENDCANCEL = CBN_SELENDCANCEL,
    };

    // The edit child, which the combo box owns: the wrapper never destroys it.
    class ComboEdit final : public EditBox {
        friend class ComboBox;
        explicit ComboEdit(HWND edit) : EditBox(edit) {}
    };
    // The list child, which the combo box owns.
    class ComboList final : public ListBox {
        friend class ComboBox;
        explicit ComboList(HWND list) : ListBox(list) {}
    };

    ComboBox(ITEM_ID id, TvGui& owner, TYPE type);

    TYPE type() const;
    // The edit part; ComboBoxException for a drop-down list, which has none.
    ComboEdit edit() const;
    ComboList list() const;

    // The edit part's operations raise ComboBoxException for a drop-down list.
    UINT textLimit() const override;
    void limitText(UINT units) override;
    std::pair<DWORD, DWORD> selection() const override;
    void select(int start, int end) override;
    void replaceSelection(std::string_view text) override;
    bool readOnly() const override;
    bool readOnly(bool on) override;

    bool droppedDown() const;
    void showDropDown(bool on);

protected:
    explicit ComboBox(GUIINFO info);
    // A combo box inside a compound control, which keeps it.
    explicit ComboBox(HWND existing);

    // The edit child, or null when the control has none.
    virtual HWND editChild() const;
    virtual HWND listChild() const;
    HWND listWindow() const override { return hwnd(); }
    const ListMessages& listMessages() const override;
    LRESULT checked(LRESULT answer, const char* operation) const override;

private:
    ComboEdit editFor(const char* operation) const;
};

} // namespace tavrin::tvgui
