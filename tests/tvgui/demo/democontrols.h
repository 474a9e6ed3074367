#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tvgui/window/control.h"

namespace tavrin::tvgui::demo {

// A child control of one of the system's classes ("BUTTON", "STATIC", "EDIT"), made, bound
// and announced to its owner by Control; the owner tells it apart by its id.
class SystemControl : public Control {
public:
    SystemControl(TvGui& owner, std::string_view className, ITEM_ID id, DWORD style = 0)
        : Control(infoOf(owner, className, id, style)) {}

private:
    static GUIINFO infoOf(TvGui& owner, std::string_view className, ITEM_ID id, DWORD style) {
        GUIINFO info;
        info.ClassName = std::string(className);
        info.Style = style;
        info.Owner = &owner;
        info.Id = static_cast<std::uintptr_t>(id);
        return info;
    }
};

// A control of the toolkit's own class, whose messages reach the handlers. The most derived
// class calls createControl() at the end of its constructor.
class CustomControl : public TvControl {
protected:
    CustomControl(TvGui& owner, ITEM_ID id) : TvControl(infoOf(owner, id)) {}

private:
    static GUIINFO infoOf(TvGui& owner, ITEM_ID id) {
        GUIINFO info;
        info.Owner = &owner;
        info.Id = static_cast<std::uintptr_t>(id);
        return info;
    }
};

} // namespace tavrin::tvgui::demo
