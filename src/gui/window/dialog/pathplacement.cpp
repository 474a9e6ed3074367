#include "gui/window/dialog/pathplacement.h"

#include <algorithm>

namespace tavrin::gui {

std::wstring placePath(std::wstring_view text, bool editable, unsigned start, unsigned end,
                       std::wstring_view path) {
    const std::size_t from = std::min<std::size_t>(start, text.size());
    const std::size_t to = std::min<std::size_t>(end, text.size());
    if (!editable || from >= to) {
        return std::wstring(path);
    }
    std::wstring placed(text.substr(0, from));
    placed += path;
    placed += text.substr(to);
    return placed;
}

} // namespace tavrin::gui
