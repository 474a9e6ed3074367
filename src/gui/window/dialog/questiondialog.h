#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "gui/window/dialog/selectdialog.h"

namespace tavrin::gui {

// A question with its details and two answers; select() is true for "はい".
class QuestionDialog final : public SelectDialog {
public:
    enum class CTRL : std::uint16_t { YES = 1, NO = 2, TEXT = 10 };

    QuestionDialog(tvgui::TvGui* owner, std::string_view caption, std::string_view text);
    ~QuestionDialog() override;

    bool OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui& sender) override;

private:
    struct Parts;

    std::unique_ptr<Parts> parts_;
};

} // namespace tavrin::gui
