#pragma once

#include <memory>
#include <string_view>
#include <type_traits>

#include "system/raii.h"
#include "system/win32.h"

namespace tavrin::shell {

// The clipboard formats written by the program (the system's CF_ numbers).
enum class CLIPDATA : UINT {
    UNICODETEXT = CF_UNICODETEXT,
};

// The clipboard held open by one window; it is closed again when the holder is done.
//
// The system gives clipboard data only to an open clipboard with an owner window: opened
// without one, it refuses every SetClipboardData after EmptyClipboard. Callers with a window
// (the launcher window, a dialog) pass it; without one (nullptr) the holder makes a hidden
// message-only window of its own, which lives as long as the holder. The data stays on the
// clipboard when either window is gone.
class ClipBoard : public system::Raii {
public:
    explicit ClipBoard(HWND owner = nullptr);
    ~ClipBoard() override { releaseAtEnd(); }

    // Opens the clipboard for the owner window, closing it first when already open; false
    // when another window holds it or the owner window is gone.
    bool open();
    // Empties the clipboard and gives it the data; what SetClipboardData answers (nullptr
    // when refused, and then the handle is still the caller's). ClipBoardException
    // "開いていない？" unless open.
    HANDLE setData(HANDLE data, CLIPDATA format);
    // Opens, gives the movable memory block, closes. The block belongs to the system once
    // this answers true; otherwise it is freed here. False when the clipboard cannot be opened
    // or refuses the block; ClipBoardException "クリップボード" when it cannot be closed.
    bool put(HGLOBAL block, CLIPDATA format);

    HWND owner() const noexcept { return owner_; }

protected:
    // ClipBoardException "クリップボード" when the clipboard cannot be closed; the holder then
    // counts it as closed, since the system refuses only a clipboard this thread has not open.
    void release() override;

private:
    struct WindowDestroyer {
        void operator()(HWND window) const noexcept;
    };

    std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer> ownWindow_;
    HWND owner_;
};

// The clipboard as the place the launcher copies its items' texts to.
class TextClipBoard : public ClipBoard {
public:
    using ClipBoard::ClipBoard;

    // Puts the UTF-8 text on the clipboard as Unicode text, replacing what was there. False
    // when memory is short or the clipboard cannot be opened or refuses the text;
    // ClipBoardException "クリップボード" when it cannot be closed.
    bool setText(std::string_view text);
};

} // namespace tavrin::shell
