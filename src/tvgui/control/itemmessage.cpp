#include "tvgui/control/itemmessage.h"

#include <cwchar>

#include "system/unicode.h"

namespace tavrin::tvgui {

std::string readItemText(const std::function<int(std::span<wchar_t> buffer)>& read) {
    std::wstring buffer(256, L'\0');
    for (;;) {
        const int written = read(buffer);
        // A text that fills the buffer may have been cut: try again with twice the room.
        if (written < static_cast<int>(buffer.size()) - 1) {
            buffer.resize(static_cast<std::size_t>(written < 0 ? 0 : written));
            return system::toUtf8(buffer);
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

int writtenLength(std::span<const wchar_t> buffer) {
    return static_cast<int>(wcsnlen(buffer.data(), buffer.size()));
}

std::optional<ImageList> shownList(HIMAGELIST handle) {
    if (handle == nullptr) {
        return std::nullopt;
    }
    return std::optional<ImageList>(std::in_place, handle, false);
}

} // namespace tavrin::tvgui
