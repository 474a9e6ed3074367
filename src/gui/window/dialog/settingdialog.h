#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "etc/drevak/dvkdocument.h"
#include "gui/window/dialog/selectdialog.h"
#include "gui/window/dialog/settinginframe.h"

namespace tavrin::app {
class Application;
}

namespace tavrin::gui {

// Every setting, item and group in one dialog: a tool bar switches between the pages of the
// settings, the items and the groups, which share one copy of each data document. "ok" writes
// the three files together (or none of them) and confirms; "cancel" writes nothing. Enter does
// the page's default action; Escape and the close box ask before they drop any change.
class SettingDialog final : public SelectDialog {
public:
    // The tool bar's commands; the pages' buttons are numbered from TAVRIN in page order.
    enum class COMMAND : std::uint16_t {
        TAVRIN = 1,
        ITEM = 2,
        GROUP = 3,
        SEPARATOR = 6,
        OK = 7,
        CANCEL = 8,
    };
    static constexpr auto CTRL_TOOLBAR = tvgui::ITEM_ID{100};
    static constexpr std::string_view CAPTION = "設定";
    static constexpr std::size_t PAGE_COUNT = 3;

    // desktopMenuAvailable: the hook library is there, so the desktop's menu can be switched on.
    SettingDialog(tvgui::TvGui* owner, app::Application& application, bool desktopMenuAvailable);
    ~SettingDialog() override;

    ISettingInFrame& page(COMMAND page);
    COMMAND currentPage() const noexcept { return current_; }

    bool OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui& sender) override;
    bool OnAccelerator(tvgui::COMMAND_ID id) override;
    bool OnClose() override;

private:
    struct Parts;

    void switchTo(COMMAND next);
    // Leaves the page on show and writes the three documents; true when they were written.
    bool writeAll();
    // Whether the dialog holds anything "ok" would write that the files do not hold yet.
    bool changed() const;
    // Whether the user lets the dialog go without writing: at once when nothing changed.
    bool dropAgreed();

    app::Application& application_;
    drevak::DvkDocument settings_;
    drevak::DvkDocument items_;
    drevak::DvkDocument groups_;
    // The copies as they were taken, in page order.
    std::array<std::string, PAGE_COUNT> taken_;
    COMMAND current_ = COMMAND::TAVRIN;
    std::unique_ptr<Parts> parts_;
};

} // namespace tavrin::gui
