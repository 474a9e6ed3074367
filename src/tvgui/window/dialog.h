#pragma once

#include <memory>

#include "tvgui/keyboard/accelerator.h"
#include "tvgui/window/messageloop.h"
#include "tvgui/window/tvwindow.h"

namespace tavrin::tvgui {

class Control;

// A dialog window built from toolkit controls. Enter clicks its default button and Escape
// closes it, through an accelerator table installed when it is created.
class Dialog : public TvWindow {
public:
    enum class WINDOWTYPE : DWORD { POPUP = WS_POPUP, CHILD = WS_CHILD };
    // The commands of the default accelerators.
    enum class ACCELERATOR_DEFKEY : std::uint16_t { ENTER = 0xFFFF, ESCAPE = 0xFFFE };

    ~Dialog() override;

    DIALOG_ID dialogId() const noexcept { return id_; }

    // Enables or disables the owner while it exists; enabling also brings it to the front.
    virtual void enableOwner(bool on);
    // Turns the dialog into a pane embedded in its owner, without caption or frame.
    virtual void makeChild();
    virtual const Accelerator* accelerator() const noexcept { return accelerator_.get(); }
    // Installs a table for this dialog's message loop; null removes it.
    virtual void setAccelerator(std::unique_ptr<Accelerator> accelerator);
    virtual Control* defaultButton() const noexcept { return defaultButton_; }
    // The push button that Enter clicks (not owned; null for none).
    virtual void setDefaultButton(Control* button) noexcept { defaultButton_ = button; }

    void OnCreate() override;
    bool OnAccelerator(COMMAND_ID id) override;
    void OnDestroy() override;

protected:
    Dialog(DIALOG_ID id, DWORD exStyle, DWORD style, TvGui* owner);

    TvGui* owner() const noexcept { return owner_; }

private:
    DIALOG_ID id_;
    TvGui* owner_;
    std::unique_ptr<Accelerator> accelerator_;
    Control* defaultButton_ = nullptr;
};

// A dialog that keeps its owner disabled and runs its own message loop until it ends.
class ModalDialog : public Dialog {
public:
    // Ends the dialog's loop (the innermost running loop) with code.
    virtual void end(int code);
    // Shows the dialog over its owner and returns when its loop ends: 0, or -1 when the
    // system fails to deliver messages. The owner is enabled again however the loop ends.
    virtual int showModal();

    // While the dialog is modal, its owner is enabled first: the system activates the next
    // enabled window when the dialog goes, and that must be the owner, not another program.
    bool destroy() override;
    void OnDestroy() override;

protected:
    using Dialog::Dialog;

private:
    bool modal_ = false;
};

// A dialog that lives beside its owner in the owner's message loop; while active, that loop
// lets it navigate by keyboard (under its id).
class ModelessDialog : public Dialog {
public:
    // A dialog that goes with its object still open leaves no entry behind.
    ~ModelessDialog() override;

    void OnCreate() override;
    void OnActivate(WINDOW_ACTIVE state, bool minimized, HWND other) override;
    void OnDestroy() override;

protected:
    using Dialog::Dialog;
};

} // namespace tavrin::tvgui
