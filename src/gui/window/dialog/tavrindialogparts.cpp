#include "gui/window/dialog/tavrindialogparts.h"

#include <algorithm>
#include <array>

#include "gui/window/dialog/dialoglayout.h"
#include "gui/window/dialog/dropdowncell.h"

namespace tavrin::gui {
namespace {

using tvgui::DIRECTION;
using CTRL = TavrinDialog::CTRL;

constexpr tvgui::ITEM_ID id(CTRL control) {
    return itemId(control);
}

// In 96-DPI pixels.
constexpr std::int32_t ROW = 22;
constexpr std::int32_t LEFT_WIDTH = 300;
constexpr std::int32_t COMMAND_WIDTH = 300;
// What a group box takes around its rows: the caption above, the frame and a little air.
constexpr std::int32_t BOX_FRAME = 26;
constexpr std::int32_t BOX_INSET = 6;
constexpr std::int32_t RADIO_WIDTH = 84;
constexpr std::int32_t CAPTION_WIDTH = 72;
constexpr std::int32_t NUMBER_WIDTH = 96;
constexpr std::int32_t ARROWS_WIDTH = 18;
constexpr std::int32_t COLORS_HEIGHT = 86;
constexpr std::int32_t RESET_WIDTH = 120;
// Rows of each box, the colour list counted apart.
constexpr std::array<std::int32_t, 4> LEFT_ROWS{2, 2, 2, 3};
constexpr std::int32_t COMMAND_ROWS = 5;

constexpr std::int32_t boxHeight(std::int32_t rows, std::int32_t extra = 0) {
    return rows * (ROW + CELL_GAP) + extra + BOX_FRAME;
}

constexpr std::int32_t COMMAND_HEIGHT = boxHeight(COMMAND_ROWS, COLORS_HEIGHT + CELL_GAP);

// Each box with the gap below it.
constexpr std::int32_t leftHeight() {
    std::int32_t height = 0;
    for (const std::int32_t rows : LEFT_ROWS) {
        height += boxHeight(rows) + MARGIN;
    }
    return height;
}

} // namespace

SIZE tavrinPageClient() {
    return {MARGIN * 4 + LEFT_WIDTH + COMMAND_WIDTH,
            MARGIN + std::max(leftHeight(), COMMAND_HEIGHT + MARGIN)};
}

TavrinDialog::Parts::Parts(TavrinDialog& dialog)
    : windowBox(id(CTRL::WINDOW_BOX), dialog), position(id(CTRL::POSITION), dialog),
      front(id(CTRL::FRONT), dialog), folderBox(id(CTRL::FOLDER_BOX), dialog),
      folderDefault(id(CTRL::FOLDER_DEFAULT), dialog, AUTO),
      folderExplorer(id(CTRL::FOLDER_EXPLORER), dialog, AUTO),
      folderItem(id(CTRL::FOLDER_ITEM), dialog, AUTO),
      program(id(CTRL::PROGRAM), dialog, tvgui::ComboBox::TYPE::DROPDOWNLIST),
      buttonBox(id(CTRL::BUTTON_BOX), dialog), button16(id(CTRL::BUTTON_16), dialog, AUTO),
      button32(id(CTRL::BUTTON_32), dialog, AUTO), buttonText(id(CTRL::BUTTON_TEXT), dialog),
      buttonList(id(CTRL::BUTTON_LIST), dialog), menuBox(id(CTRL::MENU_BOX), dialog),
      menu16(id(CTRL::MENU_16), dialog, AUTO), menu32(id(CTRL::MENU_32), dialog, AUTO),
      menuTextLabel(id(CTRL::MENU_TEXT_LABEL), dialog, "文字列長"),
      menuText(id(CTRL::MENU_TEXT), dialog), menuTextArrows(id(CTRL::MENU_TEXT_ARROWS), dialog),
      menuDesktop(id(CTRL::MENU_DESKTOP), dialog), commandBox(id(CTRL::COMMAND_BOX), dialog),
      command16(id(CTRL::COMMAND_16), dialog, AUTO), command32(id(CTRL::COMMAND_32), dialog, AUTO),
      timerLabel(id(CTRL::TIMER_LABEL), dialog, "消滅時間"), timer(id(CTRL::TIMER), dialog),
      timerArrows(id(CTRL::TIMER_ARROWS), dialog), font(id(CTRL::FONT), dialog),
      keysLabel(id(CTRL::KEYS_LABEL), dialog, "ホットキー"), keys(id(CTRL::KEYS), dialog),
      colors(id(CTRL::COLORS), dialog), colorReset(id(CTRL::COLOR_RESET), dialog) {
    windowBox.setText("ウィンドウ表示");
    front.setText("最前面表示");
    folderBox.setText("フォルダ表示");
    buttonBox.setText("ボタン型");
    buttonText.setText("テキスト");
    buttonList.setText("リスト表示");
    menuBox.setText("メニュー型");
    commandBox.setText("コマンド型");
    colorReset.setText("既定色に戻す");
    for (tvgui::TextLabel* label : {&menuTextLabel, &timerLabel, &keysLabel}) {
        label->middle(true);
    }
    const auto radios = [](tvgui::RadioGroup& group, std::initializer_list<tvgui::Radio*> members,
                           std::initializer_list<const char*> texts) {
        auto text = texts.begin();
        for (tvgui::Radio* member : members) {
            member->setText(*text++);
            group.add(*member);
        }
    };
    radios(folder, {&folderDefault, &folderExplorer, &folderItem},
           {"デフォルト", "Explorer", "アイテム"});
    radios(buttonIcon, {&button16, &button32}, {"16px", "32px"});
    radios(menuIcon, {&menu16, &menu32}, {"16px", "32px"});
    radios(commandIcon, {&command16, &command32}, {"16px", "32px"});
    for (tvgui::UpDown* arrows : {&menuTextArrows, &timerArrows}) {
        arrows->setRange(0, static_cast<int>(COUNT_LIMIT));
    }
    layOut(dialog);
}

tvgui::Line&
TavrinDialog::Parts::row(std::initializer_list<std::pair<tvgui::Placeable*, std::int32_t>> cells) {
    auto& line = static_cast<tvgui::Line&>(
        *layouts.emplace_back(std::make_unique<tvgui::Line>(DIRECTION::HORIZON)));
    line.spacing = {0, 0, CELL_GAP, 0};
    for (const auto& [gui, width] : cells) {
        addCell(line, *gui, width);
    }
    return line;
}

tvgui::Layout& TavrinDialog::Parts::dropDown(tvgui::TvGui& list) {
    return *layouts.emplace_back(std::make_unique<DropDownCell>(list));
}

void TavrinDialog::Parts::box(tvgui::GroupBox& frame,
                              std::initializer_list<std::pair<tvgui::Layout*, std::int32_t>> rows) {
    auto& column = static_cast<tvgui::Line&>(
        *layouts.emplace_back(std::make_unique<tvgui::Line>(DIRECTION::VERTICAL)));
    column.margin = {BOX_INSET, 0, BOX_INSET, 0};
    column.spacing = {0, 0, 0, CELL_GAP};
    for (const auto& [line, height] : rows) {
        addCell(column, *line, height);
    }
    frame.groupLayout().setRootLayout(&column);
}

void TavrinDialog::Parts::layOut(TavrinDialog& dialog) {
    constexpr std::int32_t rest = -1;
    box(windowBox, {{&dropDown(position), ROW}, {&row({{&front, rest}}), ROW}});
    box(folderBox,
        {{&row(
              {{&folderDefault, RADIO_WIDTH}, {&folderExplorer, RADIO_WIDTH}, {&folderItem, rest}}),
          ROW},
         {&dropDown(program), ROW}});
    box(buttonBox, {{&row({{&button16, RADIO_WIDTH}, {&button32, rest}}), ROW},
                    {&row({{&buttonText, RADIO_WIDTH}, {&buttonList, rest}}), ROW}});
    box(menuBox, {{&row({{&menu16, RADIO_WIDTH}, {&menu32, rest}}), ROW},
                  {&row({{&menuTextLabel, CAPTION_WIDTH},
                         {&menuText, NUMBER_WIDTH},
                         {&menuTextArrows, ARROWS_WIDTH}}),
                   ROW},
                  {&row({{&menuDesktop, rest}}), ROW}});
    box(commandBox,
        {{&row({{&command16, RADIO_WIDTH}, {&command32, rest}}), ROW},
         {&row(
              {{&timerLabel, CAPTION_WIDTH}, {&timer, NUMBER_WIDTH}, {&timerArrows, ARROWS_WIDTH}}),
          ROW},
         {&row({{&font, rest}}), ROW},
         {&row({{&keysLabel, CAPTION_WIDTH}, {&keys, rest}}), ROW},
         {&row({{&colors, rest}}), COLORS_HEIGHT},
         {&row({{&colorReset, RESET_WIDTH}}), ROW}});
    left.spacing = {0, 0, 0, MARGIN};
    const std::array<tvgui::GroupBox*, LEFT_ROWS.size()> frames{&windowBox, &folderBox, &buttonBox,
                                                                &menuBox};
    for (std::size_t at = 0; at < frames.size(); ++at) {
        addCell(left, *frames[at], boxHeight(LEFT_ROWS[at]));
    }
    right.spacing = left.spacing;
    addCell(right, commandBox, COMMAND_HEIGHT);
    // The boxes' gaps below them make the bottom margin.
    page.margin = {MARGIN, MARGIN, MARGIN, 0};
    page.rule().setAbsolute(LEFT_WIDTH);
    page.setGap(MARGIN * 2);
    page.setLayout(0, left);
    page.setLayout(1, right);
    dialog.layoutManager()->setRootLayout(&page);
}

} // namespace tavrin::gui
