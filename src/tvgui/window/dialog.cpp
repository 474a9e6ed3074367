#include "tvgui/window/dialog.h"

#include "system/scopeguard.h"
#include "tvgui/window/control.h"

namespace tavrin::tvgui {

Dialog::Dialog(DIALOG_ID id, DWORD exStyle, DWORD style, TvGui* owner)
    : TvWindow(exStyle, style, owner), id_(id), owner_(owner) {}

Dialog::~Dialog() {
    // A dialog destroyed with its object still has its table in this thread's loop.
    removeAcceleratorEntry(*this);
}

void Dialog::enableOwner(bool on) {
    if (owner_ == nullptr || !owner_->exists()) {
        return;
    }
    owner_->enable(on);
    if (on) {
        owner_->setForeground();
        SendMessageW(owner_->hwnd(), WM_NULL, 0, 0);
    }
}

void Dialog::makeChild() {
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(WS_POPUP)) | WS_CHILD);
    SetParent(hwnd(), owner_ != nullptr ? owner_->hwnd() : nullptr);
    caption(false);
    // The owner places the pane by its window rectangle, which must be its client area: no
    // frame may take a border's width off the page laid out for it.
    SetWindowLongPtrW(hwnd(), GWL_STYLE,
                      GetWindowLongPtrW(hwnd(), GWL_STYLE) & ~static_cast<LONG_PTR>(WS_THICKFRAME));
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE,
                      GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) &
                          ~static_cast<LONG_PTR>(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE |
                                                 WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
    refreshFrame();
}

void Dialog::setAccelerator(std::unique_ptr<Accelerator> accelerator) {
    if (accelerator) {
        setAcceleratorEntry(*this, hwnd(), *accelerator);
    } else {
        removeAcceleratorEntry(*this);
    }
    accelerator_ = std::move(accelerator);
}

void Dialog::OnCreate() {
    setAccelerator(std::make_unique<Accelerator>(defaultDialogAccelerator()));
}

bool Dialog::OnAccelerator(COMMAND_ID id) {
    switch (static_cast<ACCELERATOR_DEFKEY>(id)) {
    case ACCELERATOR_DEFKEY::ENTER:
        if (defaultButton_ == nullptr) {
            return false;
        }
        SendMessageW(defaultButton_->hwnd(), BM_CLICK, 0, 0);
        return true;
    case ACCELERATOR_DEFKEY::ESCAPE:
        return destroy();
    }
    return false;
}

void Dialog::OnDestroy() {
    TvWindow::OnDestroy();
    if (exists()) {
        setAccelerator(nullptr);
    }
    defaultButton_ = nullptr;
}

void ModalDialog::end(int code) {
    PostQuitMessage(code);
}

int ModalDialog::showModal() {
    enableOwner(false);
    modal_ = true;
    // The owner's own handlers keep their failures: nothing is lost when this one is dropped.
    const system::ScopeGuard ownerBack([this] {
        modal_ = false;
        enableOwner(true);
    });
    if (owner() != nullptr && owner()->exists()) {
        center(CENTER::WINDOW, owner());
    } else {
        center(CENTER::WORKAREA);
    }
    show(SHOW::SHOWNORMAL);
    BOOL snap = FALSE;
    if (defaultButton() != nullptr && SystemParametersInfoW(SPI_GETSNAPTODEFBUTTON, 0, &snap, 0) &&
        snap) {
        const RECT button = defaultButton()->windowRect();
        SetCursorPos(button.left + (button.right - button.left) / 2,
                     button.top + (button.bottom - button.top) / 2);
    }
    return runMessageLoop(*this, dialogId());
}

bool ModalDialog::destroy() {
    if (modal_) {
        enableOwner(true);
    }
    return Dialog::destroy();
}

void ModalDialog::OnDestroy() {
    Dialog::OnDestroy();
    end(0);
}

ModelessDialog::~ModelessDialog() {
    if (exists()) {
        removeModelessEntry(dialogId());
    }
}

void ModelessDialog::OnCreate() {
    Dialog::OnCreate();
    setModelessEntry(dialogId(), hwnd());
}

void ModelessDialog::OnActivate(WINDOW_ACTIVE state, bool, HWND) {
    if (hasModelessEntry(dialogId())) {
        setModelessEntry(dialogId(), state == WINDOW_ACTIVE::ACTIVE ? hwnd() : nullptr);
    }
}

void ModelessDialog::OnDestroy() {
    setModelessEntry(dialogId(), nullptr);
    removeModelessEntry(dialogId());
    Dialog::OnDestroy();
}

} // namespace tavrin::tvgui
