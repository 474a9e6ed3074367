#include "tvgui/keyboard/hotkey.h"

#include <string>

#include "system/log.h"
#include "system/systemmessage.h"
#include "tvgui/keyboard/combination.h"

namespace tavrin::tvgui {

HotKey::HotKey(HWND window, HOTKEY_ID id, MOD modifiers, KEY key) noexcept
    : window_(window), id_(id), modifiers_(modifiers), key_(key) {}

HotKey::~HotKey() {
    releaseAtEnd(system::logRefusedRelease);
}

bool HotKey::registerKey() noexcept {
    if (!alive) {
        alive = RegisterHotKey(window_, static_cast<int>(id_), static_cast<UINT>(modifiers_),
                               static_cast<UINT>(key_)) != FALSE;
    }
    return alive;
}

bool HotKey::unregisterKey() noexcept {
    if (alive && UnregisterHotKey(window_, static_cast<int>(id_)) != FALSE) {
        alive = false;
    }
    return !alive;
}

void HotKey::start() {
    if (registerKey()) {
        return;
    }
    const DWORD code = GetLastError();
    const std::string reason = hotKeyText(modifiers_, key_) + ":" + system::systemMessage(code);
    if (code == ERROR_HOTKEY_ALREADY_REGISTERED) {
        throw HotKeyConflictException("ホットキー競合？" + reason);
    }
    throw system::KeyBoardException("RegisterHotKey失敗:" + reason);
}

void HotKey::stop() {
    if (!unregisterKey()) {
        throw system::KeyBoardException("UnregisterHotKey失敗:" + hotKeyText(modifiers_, key_) +
                                        ":" + system::systemMessage(GetLastError()));
    }
}

void HotKey::release() {
    if (!UnregisterHotKey(window_, static_cast<int>(id_))) {
        raiseReleaseFailure("ホットキー");
    }
}

} // namespace tavrin::tvgui
