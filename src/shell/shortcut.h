#pragma once

#include <string>
#include <string_view>

#include "shell/com.h"

#include <shobjidl.h>

namespace tavrin::shell {

// How a link is resolved when the user did not ask for it (a file dropped, a program looked
// at): no window, no search of the disk or the network for a moved target, no link tracking,
// and at most a second's wait (the high word, which SLR_NO_UI makes a time-out).
constexpr DWORD QUIET_RESOLVE = DWORD{SLR_NO_UI} | DWORD{SLR_NOSEARCH} | DWORD{SLR_NOTRACK} |
                                DWORD{SLR_NOLINKINFO} | (DWORD{1000} << 16);

// A shell shortcut (.lnk) read and written through the shell's link object. Every call the
// shell refuses raises ShortcutException with the system's message. Texts are read whole, up
// to the longest the shell accepts.
class Shortcut : public Com<IShellLinkW> {
public:
    // The path and number of an icon.
    struct IconLocation {
        std::wstring path;
        int index = 0;
    };

    // A new, empty link. load resolves with resolveFlags (SLR_ values): 0 lets the shell look
    // for a moved target and ask the user, in a window owned by the desktop window.
    explicit Shortcut(DWORD resolveFlags = 0);
    ~Shortcut() override { releaseAtEnd(); }

    // Reads the file, then resolves the link.
    void load(std::wstring_view path);
    void save(std::wstring_view path);

    // The target as the shell's item identifier list; null when the link has none.
    IdList idList() const;

    // The target's file-system path, read through the item identifier list; a link without
    // one gives what the link stores as its path.
    std::wstring path() const;
    void setPath(std::wstring_view path);
    std::wstring workingDirectory() const;
    void setWorkingDirectory(std::wstring_view folder);
    std::wstring arguments() const;
    void setArguments(std::wstring_view arguments);
    IconLocation iconLocation() const;
    void setIconLocation(std::wstring_view path, int index);
    std::wstring description() const;
    void setDescription(std::wstring_view description);
    // The virtual-key code in the low byte, the HOTKEYF_ modifiers in the high byte.
    WORD hotkey() const;
    void setHotkey(WORD hotkey);
    // An SW_ value.
    int showCommand() const;
    void setShowCommand(int show);

protected:
    void release() override;

private:
    Com<IPersistFile> file_;
    DWORD resolveFlags_;
};

} // namespace tavrin::shell
