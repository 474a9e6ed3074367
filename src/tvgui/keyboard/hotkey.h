#pragma once

#include <string_view>

#include "system/controller.h"
#include "system/raii.h"
#include "system/tavrinerrors.h"
#include "system/win32.h"
#include "tvgui/keyboard/keyboard.h"
#include "tvgui/system/type.h"

namespace tavrin::tvgui {

// Another program (or another hot key of this one) holds the combination already. Its text
// begins "ホットキー競合？" and names the combination, so that it can be shown as it is.
class HotKeyConflictException : public system::KeyBoardException {
public:
    using KeyBoardException::KeyBoardException;
    std::string_view className() const noexcept override {
        return "tavrin::tvgui::HotKeyConflictException";
    }
};

// A global hot key registered with the system on one window, which then receives WM_HOTKEY
// with the id. Held from a successful registration until it is unregistered or disposed.
class HotKey : public system::Raii, public system::IController {
public:
    HotKey(HWND window, HOTKEY_ID id, MOD modifiers, KEY key) noexcept;
    // A registration the system will not drop is logged, never thrown from here.
    ~HotKey() override;

    HOTKEY_ID id() const noexcept { return id_; }
    MOD modifiers() const noexcept { return modifiers_; }
    KEY key() const noexcept { return key_; }

    // Registers the combination unless it is registered already. A combination taken
    // elsewhere is no error here: the answer is false and the hot key may be registered
    // again later.
    bool registerKey() noexcept;
    // True when nothing stays registered.
    bool unregisterKey() noexcept;
    bool isRegistered() const noexcept { return isAlive(); }

    // As registerKey, but a refusal raises HotKeyConflictException when the combination is
    // taken and KeyBoardException with the system's text for any other reason.
    void start() override;
    // As unregisterKey; a refusal raises KeyBoardException with the system's text.
    void stop() override;
    bool isRunning() const override { return isRegistered(); }

protected:
    void release() override;

private:
    HWND window_;
    HOTKEY_ID id_;
    MOD modifiers_;
    KEY key_;
};

} // namespace tavrin::tvgui
