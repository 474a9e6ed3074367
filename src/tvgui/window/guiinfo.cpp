#include "tvgui/window/guiinfo.h"

#include <cstdio>

#include "tvgui/window/tvgui.h"

namespace tavrin::tvgui {

namespace {

std::string hex8(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

std::string ownerText(const TvGui* owner) {
    if (owner == nullptr) {
        return "null";
    }
    char text[48];
    std::snprintf(text, sizeof text, "%p", static_cast<const void*>(owner->hwnd()));
    return text;
}

} // namespace

std::string GUIINFO::toString() const {
    return "[GUIINFO]  ClassName = " + ClassName + ", ExStyle = " + hex8(ExStyle) +
           ", Style = " + hex8(Style) + ", Owner = " + ownerText(Owner) +
           ", Id = " + std::to_string(Id) + ", EventLoop = " + (EventLoop ? "true" : "false");
}

} // namespace tavrin::tvgui
