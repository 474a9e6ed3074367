#pragma once

#include <cstdint>
#include <string_view>

#include "system/raii.h"
#include "system/win32.h"

namespace tavrin::image {

// The two sizes in which every icon is asked for.
enum class ICONSIZE { SMALL = 0, LARGE = 1 };

// Width and height in pixels: 16 for SMALL, 32 for LARGE.
int pixelSize(ICONSIZE size);

// A system icon: values below TAVRIN are stock icon identifiers passed to the system as they
// are (any of them, not only the three named); the six from TAVRIN on are the launcher's own.
// The stock names are the system's own: HAND is the error icon, EXCLAMATION the warning one.
enum class SYSICON : std::uint16_t {
    APPLICATION = 0x7F00,
    HAND = 0x7F01,
    EXCLAMATION = 0x7F03,
    TAVRIN = 0xFF9B,
    URI = 0xFF9C,
    MULTI = 0xFF9D,
    TASKTRAY = 0xFF9E,
    FOLDER = 0xFF9F,
    FILE = 0xFFA0,
};

// An icon handle that is destroyed exactly once when the holder owns it (an icon extracted
// from a file), and never when it does not (a shared stock or resource icon, which the
// system keeps for the whole process). A holder may carry no handle at all.
class Icon : public system::HandleRaii<HICON> {
public:
    Icon() = default;
    Icon(HICON handle, bool owned);
    Icon(Icon&&) noexcept = default;
    Icon& operator=(Icon&&) = default;
    ~Icon() override { releaseAtEnd(); }

    // Whether destroying this holder destroys the handle.
    bool owns() const noexcept { return isAlive(); }

    // An owning copy of the icon; a holder without a handle gives another one without.
    // TavrinException with the system's text when the system refuses the copy.
    Icon duplicate() const;

protected:
    void release() override;
};

// Icon number index (from 0) of the file at path, or the shell's icon for the file when it
// carries no icons of its own. An index outside the file's icons gives its first icon.
// TavrinException "<path>がない" for a missing file, before any shell call.
Icon GetFileIcon(ICONSIZE size, std::wstring_view path, int index);

// A stock icon (shared, not owned), or one of the launcher's own: the file of its name in
// the resource folder when there is one (owned), else the executable's built-in icon. The
// stock and built-in icons are drawn for the DPI given (the size is in 96-DPI pixels); an icon
// file gives the shell's size.
Icon GetSystemIcon(ICONSIZE size, SYSICON icon, int dpi = 96);

// A square, wholly transparent icon of the pixels given (owned): the place of a picture that
// is still being looked up. TavrinException with the system's text when it cannot be made.
Icon blankIcon(int pixels);

} // namespace tavrin::image
