#pragma once

#include <string_view>
#include <utility>

#include "tvgui/control/interfaces.h"
#include "tvgui/window/control.h"

namespace tavrin::tvgui {

// The edit part of edit boxes and combo boxes. Positions count UTF-16 units, as the control
// does.
class IEditBox {
public:
    virtual UINT textLimit() const = 0;
    virtual void limitText(UINT units) = 0;
    // The start and the end of the selection.
    virtual std::pair<DWORD, DWORD> selection() const = 0;
    virtual void select(int start, int end) = 0;
    virtual void replaceSelection(std::string_view text) = 0;
    virtual bool readOnly() const = 0;
    // True when the control took the change.
    virtual bool readOnly(bool on) = 0;

protected:
    ~IEditBox() = default;
};

// A control of the system's "EDIT" class.
class EditBox : public Control, public IHorizonAlign, public IEditBox, public INoHideSelect {
public:
    enum class EVENT : WORD {
        SETFOCUS = EN_SETFOCUS,
        KILLFOCUS = EN_KILLFOCUS,
        CHANGE = EN_CHANGE,
        UPDATE = EN_UPDATE,
        ERRSPACE = EN_ERRSPACE,
        MAXTEXT = EN_MAXTEXT,
        HSCROLL = EN_HSCROLL,
        VSCROLL = EN_VSCROLL,
    };
    enum class MARGIN : WPARAM { LEFT = EC_LEFTMARGIN, RIGHT = EC_RIGHTMARGIN };

    HORIZON_ALIGN horizonAlign() const override;
    LONG_PTR horizonAlign(HORIZON_ALIGN align) override;
    UINT textLimit() const override;
    void limitText(UINT units) override;
    std::pair<DWORD, DWORD> selection() const override;
    void select(int start, int end) override;
    void replaceSelection(std::string_view text) override;
    bool readOnly() const override;
    bool readOnly(bool on) override;
    bool noHideSelect() const override;
    LONG_PTR noHideSelect(bool on) override;

    // The blank between the frame and the text on one side, in pixels.
    WORD margin(MARGIN side) const;
    void margin(MARGIN side, WORD pixels);

protected:
    explicit EditBox(GUIINFO info);
    // The edit part of a compound control, which keeps it.
    explicit EditBox(HWND existing);
};

// A single line of input that scrolls sideways as it is typed.
class EditLine : public EditBox {
public:
    EditLine(ITEM_ID id, TvGui& owner);

protected:
    explicit EditLine(GUIINFO info);
};

// A single line whose characters are all shown as the password character.
class PassLine : public EditLine {
public:
    PassLine(ITEM_ID id, TvGui& owner);

    wchar_t passwordChar() const;
    void passwordChar(wchar_t shown);
};

class MultiEdit : public EditBox {
public:
    MultiEdit(ITEM_ID id, TvGui& owner);

    // Whether Enter breaks the line instead of pressing the dialog's default button.
    bool wantReturn() const;
    LONG_PTR wantReturn(bool on);
    int lineCount() const;
    // Whether the text read back marks the lines the control wrapped ("\r\r\n").
    void softLineBreaks(bool on);
};

} // namespace tavrin::tvgui
