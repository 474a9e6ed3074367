#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tvgui/window/guiinfo.h"
#include "tvgui/window/window.h"

// After the Windows headers, on which it builds.
#include <commctrl.h>

namespace tavrin::tvgui {

// A pop-up of the system's "tooltips_class32" class that names the tools of other windows:
// a rectangle of a window (or a whole window), each with its text. A tool is named by its
// window and an id of the caller's choice.
class ToolTip : public Window {
public:
    // How a tool behaves; several combine with |.
    enum class TOOL_FLAG : UINT {
        NONE = 0,
        IDISHWND = TTF_IDISHWND,
        CENTERTIP = TTF_CENTERTIP,
        RTLREADING = TTF_RTLREADING,
        // The tip hooks the tool's window to see its mouse messages itself.
        SUBCLASS = TTF_SUBCLASS,
        TRACK = TTF_TRACK,
        ABSOLUTE = TTF_ABSOLUTE,
        TRANSPARENT_ = TTF_TRANSPARENT,
        PARSELINKS = TTF_PARSELINKS,
    };

    // Owned by owner's window: WS_POPUP | WS_CLIPCHILDREN | TTS_ALWAYSTIP, a control parent.
    explicit ToolTip(TvGui& owner);
    ~ToolTip() override;

    // Whether the tip shows even while its owner is not the active window.
    bool alwaysTip() const;
    LONG_PTR alwaysTip(bool on);

    // Off, the tip shown goes and none shows until it is on again.
    void activate(bool on);

    // A tool over rect (in window's client coordinates) of window; false when refused.
    bool addTool(const TvGui& window, std::uintptr_t id, const RECT& rect, std::string_view text,
                 TOOL_FLAG flags = TOOL_FLAG::SUBCLASS);
    // Nothing happens for a tool the tip does not have.
    void deleteTool(const TvGui& window, std::uintptr_t id);
    void updateTipText(const TvGui& window, std::uintptr_t id, std::string_view text);
    bool hasTool(const TvGui& window, std::uintptr_t id) const;
    // The text of the tool; empty when there is none.
    std::string toolText(const TvGui& window, std::uintptr_t id) const;
    int toolCount() const;

protected:
    // For a class of its own: the record's class (the system's when empty) with the style
    // of a tip added.
    explicit ToolTip(GUIINFO info);
};

constexpr ToolTip::TOOL_FLAG operator|(ToolTip::TOOL_FLAG left, ToolTip::TOOL_FLAG right) {
    return static_cast<ToolTip::TOOL_FLAG>(static_cast<UINT>(left) | static_cast<UINT>(right));
}

} // namespace tavrin::tvgui
