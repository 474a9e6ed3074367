#include "tvgui/control/tooltip.h"

#include "system/unicode.h"
#include "tvgui/control/controlsetup.h"
#include "tvgui/window/stylepair.h"

namespace tavrin::tvgui {

namespace {

GUIINFO tipInfo(TvGui& owner) {
    GUIINFO info;
    info.Owner = &owner;
    info.ExStyle = WS_EX_CONTROLPARENT;
    info.Style = WS_POPUP | WS_CLIPCHILDREN;
    return info;
}

GUIINFO ofTipClass(GUIINFO info) {
    registerCommonControls(ICC_BAR_CLASSES);
    if (info.ClassName.empty()) {
        info.ClassName = "tooltips_class32";
    }
    info.Style |= TTS_ALWAYSTIP;
    return info;
}

// The record that names a tool; the text pointer, when wanted, is the caller's to set.
TOOLINFOW toolInfo(const TvGui& window, std::uintptr_t id) {
    TOOLINFOW info{};
    info.cbSize = sizeof(TOOLINFOW);
    info.hwnd = window.hwnd();
    info.uId = id;
    return info;
}

} // namespace

ToolTip::ToolTip(TvGui& owner) : ToolTip(tipInfo(owner)) {}

ToolTip::ToolTip(GUIINFO info) {
    bind(create(ofTipClass(std::move(info))));
}

ToolTip::~ToolTip() {
    if (getGuiObject(hwnd()) == this && exists()) {
        destroy();
    }
}

TVGUI_STYLE_PAIR(ToolTip, alwaysTip, STYLE, TTS_ALWAYSTIP)

#undef TVGUI_STYLE_PAIR

bool ToolTip::addTool(const TvGui& window, std::uintptr_t id, const RECT& rect,
                      std::string_view text, TOOL_FLAG flags) {
    std::wstring wide = system::toWide(text);
    TOOLINFOW info = toolInfo(window, id);
    info.uFlags = static_cast<UINT>(flags);
    info.rect = rect;
    info.lpszText = wide.data();
    return SendMessageW(hwnd(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void ToolTip::activate(bool on) {
    SendMessageW(hwnd(), TTM_ACTIVATE, on ? TRUE : FALSE, 0);
}

void ToolTip::deleteTool(const TvGui& window, std::uintptr_t id) {
    TOOLINFOW info = toolInfo(window, id);
    SendMessageW(hwnd(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTip::updateTipText(const TvGui& window, std::uintptr_t id, std::string_view text) {
    std::wstring wide = system::toWide(text);
    TOOLINFOW info = toolInfo(window, id);
    info.lpszText = wide.data();
    SendMessageW(hwnd(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

bool ToolTip::hasTool(const TvGui& window, std::uintptr_t id) const {
    TOOLINFOW info = toolInfo(window, id);
    return SendMessageW(hwnd(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

std::string ToolTip::toolText(const TvGui& window, std::uintptr_t id) const {
    // The tip gives no length beforehand; its own tips are cut at this size anyway.
    std::wstring text(INFOTIPSIZE, L'\0');
    TOOLINFOW info = toolInfo(window, id);
    info.lpszText = text.data();
    SendMessageW(hwnd(), TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&info));
    text.resize(text.find(L'\0'));
    return system::toUtf8(text);
}

int ToolTip::toolCount() const {
    return static_cast<int>(SendMessageW(hwnd(), TTM_GETTOOLCOUNT, 0, 0));
}

} // namespace tavrin::tvgui
