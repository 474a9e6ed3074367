#pragma once

#include <cstdint>
#include <memory>

#include "gui/window/dialog/selectdialog.h"
#include "gui/window/dialog/versiondocument.h"

namespace tavrin::gui {

// The program's name, version, web and mail addresses with its icon, the system report to
// copy from, and one button that closes it.
class VersionDialog : public tvgui::ModalDialog {
public:
    enum class CTRL : std::uint16_t {
        CLOSE = 1,
        ICON = 10,
        NAME = 11,
        VERSION = 12,
        WEBSITE = 13,
        MAIL = 14,
        TEXT = 15,
    };

    ~VersionDialog() override;

    bool OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui& sender) override;

protected:
    // Makes the window with the texts: a derived class adds no handlers of its own.
    VersionDialog(tvgui::TvGui& owner, const VersionInfo& info);

private:
    struct Parts;

    std::unique_ptr<Parts> parts_;
};

// "バージョン情報": the program's name, version, web and mail addresses from the version
// document compiled into the program.
class TavrinVersion final : public VersionDialog {
public:
    explicit TavrinVersion(tvgui::TvGui& owner);
};

} // namespace tavrin::gui
