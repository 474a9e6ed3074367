#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "etc/drevak/dvkdocument.h"
#include "file/app.h"
#include "gui/window/dialog/selectdialog.h"
#include "gui/window/dialog/settinginframe.h"
#include "tvgui/draw/font.h"

namespace tavrin::gui {

// The application settings page of the settings dialog. It shows the settings of the shared
// settings copy and, when left, writes back only what the user changed through the setters
// of the settings record over that copy: a setting the page does not show, the header
// comment and the window's own positions stay as they were.
class TavrinDialog final : public SelectDialog, public ISettingInFrame {
public:
    // The controls' ids, in creation order.
    enum class CTRL : std::uint16_t {
        WINDOW_BOX = 100,
        POSITION,
        FRONT,
        FOLDER_BOX,
        FOLDER_DEFAULT,
        FOLDER_EXPLORER,
        FOLDER_ITEM,
        PROGRAM,
        BUTTON_BOX,
        BUTTON_16,
        BUTTON_32,
        BUTTON_TEXT,
        BUTTON_LIST,
        MENU_BOX,
        MENU_16,
        MENU_32,
        MENU_TEXT_LABEL,
        MENU_TEXT,
        MENU_TEXT_ARROWS,
        MENU_DESKTOP,
        COMMAND_BOX,
        COMMAND_16,
        COMMAND_32,
        TIMER_LABEL,
        TIMER,
        TIMER_ARROWS,
        FONT,
        KEYS_LABEL,
        KEYS,
        COLORS,
        COLOR_RESET,
    };
    static constexpr std::string_view DESKTOP_CAPTION = "デスクトップで有効にする";
    static constexpr std::string_view DESKTOP_UNAVAILABLE = " (フックDLLなし)";

    // desktopMenuAvailable: whether the hook library the desktop menu needs is there.
    TavrinDialog(tvgui::TvGui* owner, drevak::DvkDocument& settings, drevak::DvkDocument& items,
                 bool desktopMenuAvailable);
    ~TavrinDialog() override;

    tvgui::Dialog& pageWindow() noexcept override { return *this; }
    void enterPage() override;
    bool leavePage() override;
    bool edited() const override;
    const drevak::DvkDocument& document() const noexcept override { return settings_; }

    // Opens the system's font dialog on the page's font; TavrinException when it fails.
    void chooseCommandFont();

    bool OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui& sender) override;
    LRESULT OnNotify(NMHDR& header, tvgui::ITEM_ID id) override;

private:
    struct Parts;
    // What the page showed when entered, to tell what the user changed.
    struct Shown {
        std::string program;
        drevak::Integer menuText = 0;
        drevak::Integer timer = 0;
        std::uint16_t keys = 0;
    };

    void fillPrograms();
    void showProgramChoice();
    void showFont(const tvgui::Font& font);
    // Puts the controls into the settings record over the shared copy or over a scratch
    // copy of it; InputException, with nothing written, when a value is refused.
    void write(file::App& settings) const;

    drevak::DvkDocument& settings_;
    drevak::DvkDocument& items_;
    bool desktopMenuAvailable_;
    file::App app_;
    Shown shown_;
    std::vector<std::string> programs_;
    // The font the user chose on the page; none while the stored one stands.
    std::optional<tvgui::Font> chosenFont_;
    std::unique_ptr<Parts> parts_;
};

} // namespace tavrin::gui
