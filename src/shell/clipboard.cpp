#include "shell/clipboard.h"

#include <cstring>
#include <string>

#include "system/scopeguard.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"

namespace tavrin::shell {

using system::ClipBoardException;

namespace {

// A window that only exists to own the clipboard: message-only, of a class every process
// has, so nothing needs registering.
HWND makeOwnerWindow() {
    return CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                           nullptr);
}

} // namespace

void ClipBoard::WindowDestroyer::operator()(HWND window) const noexcept {
    DestroyWindow(window);
}

ClipBoard::ClipBoard(HWND owner) : owner_(owner) {
    if (owner_ == nullptr) {
        ownWindow_.reset(makeOwnerWindow());
        owner_ = ownWindow_.get();
    }
}

bool ClipBoard::open() {
    dispose();
    alive = OpenClipboard(owner_) != FALSE;
    return alive;
}

HANDLE ClipBoard::setData(HANDLE data, CLIPDATA format) {
    if (!alive) {
        throw ClipBoardException("開いていない？");
    }
    if (!EmptyClipboard()) {
        return nullptr;
    }
    return SetClipboardData(static_cast<UINT>(format), data);
}

bool ClipBoard::put(HGLOBAL block, CLIPDATA format) {
    // Until the clipboard takes the block, nobody but this call will free it.
    system::ScopeGuard freeBlock([block] { GlobalFree(block); });
    if (!open()) {
        return false;
    }
    // Closes when anything below raises; the ordinary close raises its own failure.
    system::ScopeGuard close([this] { releaseAtEnd(); });
    const bool taken = setData(block, format) != nullptr;
    if (taken) {
        freeBlock.dismiss();
    }
    dispose();
    return taken;
}

void ClipBoard::release() {
    if (!CloseClipboard()) {
        // Refused only when this thread has not got it open: there is nothing left to close,
        // and a holder that still thought it open could never open it again.
        alive = false;
        throw ClipBoardException("クリップボード");
    }
}

bool TextClipBoard::setText(std::string_view text) {
    const std::wstring wide = system::toWide(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (block == nullptr) {
        return false;
    }
    void* memory = GlobalLock(block);
    if (memory == nullptr) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(memory, wide.c_str(), bytes);
    GlobalUnlock(block);
    return put(block, CLIPDATA::UNICODETEXT);
}

} // namespace tavrin::shell
