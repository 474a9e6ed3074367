#include "gui/window/dialog/tavrindialog.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include "file/items/documentitemlist.h"
#include "gui/control/windowposcombobox.h"
#include "gui/window/dialog/choosedialogs.h"
#include "gui/window/dialog/commandcolorlist.h"
#include "gui/window/dialog/dialoglayout.h"
#include "gui/window/dialog/dropdowncell.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "tvgui/control/editbox.h"
#include "tvgui/control/group.h"
#include "tvgui/control/groupbox.h"
#include "tvgui/control/hotkeycontrol.h"
#include "tvgui/control/statc.h"
#include "tvgui/control/updown.h"
#include "tvgui/keyboard/combination.h"
#include "tvgui/layout/dual.h"

namespace tavrin::gui {
namespace {

using tvgui::DIRECTION;
using CTRL = TavrinDialog::CTRL;
using Integer = drevak::Integer;
using COMMANDCOLOR = file::App::COMMANDCOLOR;

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

// The largest count the number settings take: what the arrows can count to.
constexpr Integer COUNT_LIMIT = std::numeric_limits<int>::max();

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

SIZE pageClient() {
    return {MARGIN * 4 + LEFT_WIDTH + COMMAND_WIDTH,
            MARGIN + std::max(leftHeight(), COMMAND_HEIGHT + MARGIN)};
}

constexpr tvgui::ITEM_ID id(CTRL control) {
    return itemId(control);
}

// A count typed into a number box: digits with the arrows' thousands separators; none for
// anything else.
std::optional<Integer> typedCount(const std::string& text) {
    std::string digits;
    std::ranges::copy_if(text, std::back_inserter(digits), [](char c) { return c != ','; });
    Integer count = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size() ||
        count < 0) {
        return std::nullopt;
    }
    return count;
}

std::string fontText(const tvgui::Font& font) {
    return font.faceName() + " " + std::to_string(font.pointSize()) + "pt";
}

CommandColorList::Color storedColor(const drevak::Binary& element) {
    if (element.size() < 3) {
        return std::nullopt;
    }
    return utility::storedColor(element, 0);
}

CommandColorList::Pairs storedPairs(const file::App& app) {
    CommandColorList::Pairs pairs{};
    const std::array<file::App::ITEM, 3> items{
        file::App::ITEM::COLOR_ID, file::App::ITEM::COLOR_NAME, file::App::ITEM::COLOR_TAG};
    for (std::size_t row = 0; row < pairs.size(); ++row) {
        const std::vector<drevak::Binary>& stored = app.node(items[row]).GetBinaries();
        const auto element = [&stored](std::size_t at) {
            return at < stored.size() ? storedColor(stored[at]) : std::nullopt;
        };
        pairs[row] = {element(0), element(1)};
    }
    return pairs;
}

} // namespace

struct TavrinDialog::Parts {
    explicit Parts(TavrinDialog& dialog)
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
          command16(id(CTRL::COMMAND_16), dialog, AUTO),
          command32(id(CTRL::COMMAND_32), dialog, AUTO),
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
        const auto radios = [](tvgui::RadioGroup& group,
                               std::initializer_list<tvgui::Radio*> members,
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

    // A row of cells of fixed widths; a width of -1 takes the rest.
    tvgui::Line& row(std::initializer_list<std::pair<tvgui::Placeable*, std::int32_t>> cells) {
        auto& line = static_cast<tvgui::Line&>(
            *layouts.emplace_back(std::make_unique<tvgui::Line>(DIRECTION::HORIZON)));
        line.spacing = {0, 0, CELL_GAP, 0};
        for (const auto& [gui, width] : cells) {
            addCell(line, *gui, width);
        }
        return line;
    }
    tvgui::Layout& dropDown(tvgui::TvGui& list) {
        return *layouts.emplace_back(std::make_unique<DropDownCell>(list));
    }
    // The box's rows one above the other, each with its height, laid out inside its frame.
    void box(tvgui::GroupBox& frame,
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

    void layOut(TavrinDialog& dialog) {
        constexpr std::int32_t rest = -1;
        box(windowBox, {{&dropDown(position), ROW}, {&row({{&front, rest}}), ROW}});
        box(folderBox, {{&row({{&folderDefault, RADIO_WIDTH},
                               {&folderExplorer, RADIO_WIDTH},
                               {&folderItem, rest}}),
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
        box(commandBox, {{&row({{&command16, RADIO_WIDTH}, {&command32, rest}}), ROW},
                         {&row({{&timerLabel, CAPTION_WIDTH},
                                {&timer, NUMBER_WIDTH},
                                {&timerArrows, ARROWS_WIDTH}}),
                          ROW},
                         {&row({{&font, rest}}), ROW},
                         {&row({{&keysLabel, CAPTION_WIDTH}, {&keys, rest}}), ROW},
                         {&row({{&colors, rest}}), COLORS_HEIGHT},
                         {&row({{&colorReset, RESET_WIDTH}}), ROW}});
        left.spacing = {0, 0, 0, MARGIN};
        const std::array<tvgui::GroupBox*, LEFT_ROWS.size()> frames{&windowBox, &folderBox,
                                                                    &buttonBox, &menuBox};
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

    static constexpr tvgui::Radio::AUTO AUTO = tvgui::Radio::AUTO::NONE;

    tvgui::GroupBox windowBox;
    WindowPosComboBox position;
    tvgui::CheckBox front;
    tvgui::GroupBox folderBox;
    tvgui::Radio folderDefault;
    tvgui::Radio folderExplorer;
    tvgui::Radio folderItem;
    tvgui::ComboBox program;
    tvgui::GroupBox buttonBox;
    tvgui::Radio button16;
    tvgui::Radio button32;
    tvgui::CheckBox buttonText;
    tvgui::CheckBox buttonList;
    tvgui::GroupBox menuBox;
    tvgui::Radio menu16;
    tvgui::Radio menu32;
    tvgui::TextLabel menuTextLabel;
    tvgui::EditLine menuText;
    tvgui::UpDown menuTextArrows;
    tvgui::CheckBox menuDesktop;
    tvgui::GroupBox commandBox;
    tvgui::Radio command16;
    tvgui::Radio command32;
    tvgui::TextLabel timerLabel;
    tvgui::EditLine timer;
    tvgui::UpDown timerArrows;
    tvgui::Push font;
    tvgui::TextLabel keysLabel;
    tvgui::control::HotKey keys;
    CommandColorList colors;
    tvgui::Push colorReset;
    tvgui::RadioGroup folder;
    tvgui::RadioGroup buttonIcon;
    tvgui::RadioGroup menuIcon;
    tvgui::RadioGroup commandIcon;
    std::vector<std::unique_ptr<tvgui::Layout>> layouts;
    tvgui::Line left{DIRECTION::VERTICAL};
    tvgui::Line right{DIRECTION::VERTICAL};
    tvgui::Dual page{DIRECTION::HORIZON};
};

TavrinDialog::TavrinDialog(tvgui::TvGui* owner, drevak::DvkDocument& settings,
                           drevak::DvkDocument& items, bool desktopMenuAvailable)
    : SelectDialog(tvgui::DIALOG_ID::SETTING, WS_EX_DLGMODALFRAME, WS_CAPTION | WS_SYSMENU, owner),
      settings_(settings), items_(items), desktopMenuAvailable_(desktopMenuAvailable),
      app_(settings) {
    createWindow();
    parts_ = std::make_unique<Parts>(*this);
    // Without the hook library the setting cannot work; the stored choice stays for when
    // the library is back.
    parts_->menuDesktop.setText(desktopMenuAvailable_ ? std::string(DESKTOP_CAPTION)
                                                      : std::string(DESKTOP_CAPTION) +
                                                            std::string(DESKTOP_UNAVAILABLE));
    parts_->menuDesktop.enable(desktopMenuAvailable_);
    fitClient(*this, pageClient());
    enterPage();
}

// The controls go before the dialog's window, which would otherwise take them along.
TavrinDialog::~TavrinDialog() = default;

void TavrinDialog::fillPrograms() {
    programs_.clear();
    parts_->program.clear();
    const file::items::ItemList listed = file::items::documentItemList(items_.childOrNew("Item"));
    for (const file::items::ItemKeys& item : listed.items()) {
        programs_.push_back(item.id);
        parts_->program.add(item.id);
    }
}

void TavrinDialog::showFont(const tvgui::Font& font) {
    parts_->font.setText(fontText(font));
}

void TavrinDialog::enterPage() {
    Parts& parts = *parts_;
    const auto checkBox = [](tvgui::CheckBox& box, bool on) {
        box.check(on ? tvgui::Toggle::CHECK::CHECKED : tvgui::Toggle::CHECK::UNCHECKED);
    };
    // The settings record keeps every choice among its buttons.
    const auto radio = [](tvgui::RadioGroup& group, Integer value) {
        group.checkIndex(static_cast<std::size_t>(std::max<Integer>(value, 0)));
    };
    parts.position.windowPos(app_.Position());
    checkBox(parts.front, app_.Front());
    radio(parts.folder, app_.Folder());
    fillPrograms();
    shown_.program = app_.Program();
    const auto found = std::ranges::find(programs_, shown_.program);
    parts.program.selectIndex(
        found == programs_.end() ? -1 : static_cast<int>(found - programs_.begin()));
    radio(parts.buttonIcon, app_.ButtonIcon());
    checkBox(parts.buttonText, app_.ButtonText());
    checkBox(parts.buttonList, app_.ButtonList());
    radio(parts.menuIcon, app_.MenuIcon());
    shown_.menuText = app_.MenuText();
    parts.menuText.setText(std::to_string(shown_.menuText));
    checkBox(parts.menuDesktop, app_.MenuDesktop());
    radio(parts.commandIcon, app_.CommandIcon());
    shown_.timer = app_.Timer();
    parts.timer.setText(std::to_string(shown_.timer));
    chosenFont_.reset();
    showFont(app_.CommandFont());
    const std::vector<Integer> keys = app_.CommandKeys();
    const auto modifiers = static_cast<tvgui::MOD>(keys.empty() ? 0 : keys[0] & 0xFF);
    const auto key = static_cast<std::uint16_t>(keys.size() < 2 ? 0 : keys[1] & 0xFF);
    parts.keys.setCombination(static_cast<std::uint16_t>(
        key << 8 | static_cast<std::uint8_t>(tvgui::hotKeyFlags(modifiers))));
    shown_.keys = parts.keys.combination();
    parts.colors.load(storedPairs(app_));
}

void TavrinDialog::write() {
    Parts& parts = *parts_;
    const auto count = [](const tvgui::EditLine& box, std::string_view caption, Integer shown) {
        const std::optional<Integer> typed = typedCount(box.text());
        if (typed && *typed == shown) {
            return shown;
        }
        if (!typed || *typed > COUNT_LIMIT) {
            throw system::TavrinException("「" + std::string(caption) +
                                          "」には0から2147483647までの整数を入れる: " + box.text());
        }
        return *typed;
    };
    const Integer menuText = count(parts.menuText, "文字列長", shown_.menuText);
    const Integer timer = count(parts.timer, "消滅時間", shown_.timer);
    const Integer folder = static_cast<Integer>(parts.folder.checkedIndex().value_or(0));
    const std::optional<int> programIndex = parts.program.selectedIndex();
    const std::string program = programIndex && *programIndex >= 0
                                    ? programs_.at(static_cast<std::size_t>(*programIndex))
                                    : std::string();
    constexpr Integer FOLDER_ITEM = 2;
    if (folder == FOLDER_ITEM && program.empty()) {
        throw system::TavrinException("フォルダ表示を「アイテム」にするには、開くアイテムを選ぶ");
    }
    const auto checked = [](const tvgui::CheckBox& box) { return box.checked(); };
    const auto radio = [](const tvgui::RadioGroup& group) {
        return static_cast<Integer>(group.checkedIndex().value_or(0));
    };

    app_.Position(parts.position.windowPos());
    app_.Front(checked(parts.front));
    app_.Folder(folder);
    // An item not registered now is kept while the user does not choose another.
    if (program != shown_.program && !program.empty()) {
        app_.Program(system::toWide(program));
    }
    app_.ButtonIcon(radio(parts.buttonIcon));
    app_.ButtonText(checked(parts.buttonText));
    // List mode needs text mode, as the settings record itself insists.
    app_.ButtonList(checked(parts.buttonList) && checked(parts.buttonText));
    app_.MenuIcon(radio(parts.menuIcon));
    app_.MenuText(menuText);
    if (desktopMenuAvailable_) {
        app_.MenuDesktop(checked(parts.menuDesktop));
    }
    app_.CommandIcon(radio(parts.commandIcon));
    app_.Timer(timer);
    if (chosenFont_) {
        app_.CommandFont(&*chosenFont_);
    }
    // A Windows key the box cannot show stays while the user leaves the combination alone.
    if (const std::uint16_t shown = parts.keys.combination(); shown != shown_.keys) {
        const std::vector<Integer> stored = app_.CommandKeys();
        const auto unshown = static_cast<tvgui::MOD>(stored.empty() ? 0 : stored[0] & 0xFF);
        const tvgui::MOD modifiers =
            tvgui::modFlags(static_cast<tvgui::HOTKEY>(shown & 0xFF), unshown);
        app_.CommandKeys({static_cast<Integer>(modifiers), static_cast<Integer>(shown >> 8)});
    }
    const CommandColorList::Pairs stored = storedPairs(app_);
    const std::array<COMMANDCOLOR, 3> kinds{COMMANDCOLOR::ID, COMMANDCOLOR::NAME,
                                            COMMANDCOLOR::TAG};
    for (std::size_t row = 0; row < kinds.size(); ++row) {
        const CommandColorList::Pair& pair = parts.colors.pairs()[row];
        if (pair != stored[row]) {
            app_.CommandColor(kinds[row], pair.text, pair.background);
        }
    }
}

bool TavrinDialog::leavePage() {
    try {
        write();
        enterPage();
        return true;
    } catch (const system::TavrinException& failure) {
        ExceptionDialog::show(this, failure);
        return false;
    }
}

void TavrinDialog::chooseCommandFont() {
    const tvgui::Font current =
        chosenFont_ ? tvgui::Font(chosenFont_->record()) : app_.CommandFont();
    if (const std::optional<LOGFONTW> chosen = chooseFont(hwnd(), current.record())) {
        chosenFont_.emplace(*chosen);
        showFont(*chosenFont_);
    }
}

bool TavrinDialog::OnCommand(tvgui::ITEM_ID id, tvgui::MESSAGETYPE type, tvgui::TvGui&) {
    if (static_cast<WORD>(type) != BN_CLICKED) {
        return false;
    }
    Parts& parts = *parts_;
    for (tvgui::RadioGroup* group :
         {&parts.folder, &parts.buttonIcon, &parts.menuIcon, &parts.commandIcon}) {
        if (group->check(id)) {
            return true;
        }
    }
    switch (static_cast<CTRL>(id)) {
    case CTRL::FONT:
        try {
            chooseCommandFont();
        } catch (const system::TavrinException& failure) {
            ExceptionDialog::show(this, failure);
        }
        return true;
    case CTRL::COLOR_RESET:
        if (const std::optional<std::size_t> row = parts.colors.selectedRow()) {
            parts.colors.reset(*row);
        }
        return true;
    default:
        return false;
    }
}

LRESULT TavrinDialog::OnNotify(NMHDR& header, tvgui::ITEM_ID id) {
    if (static_cast<CTRL>(id) == CTRL::COLORS) {
        return parts_->colors.notified(header).value_or(0);
    }
    return 0;
}

} // namespace tavrin::gui
