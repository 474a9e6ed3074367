#include "gui/window/dialog/tavrindialog.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "file/datafile.h"
#include "file/items/documentitemlist.h"
#include "gui/window/dialog/choosedialogs.h"
#include "gui/window/dialog/dialoglayout.h"
#include "gui/window/dialog/guardedaction.h"
#include "gui/window/dialog/tavrindialogparts.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "tvgui/keyboard/combination.h"

namespace tavrin::gui {
namespace {

using CTRL = TavrinDialog::CTRL;
using Integer = drevak::Integer;
using COMMANDCOLOR = file::App::COMMANDCOLOR;

// The folder setting that opens folders with an item.
constexpr std::size_t FOLDER_ITEM = 2;

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
    fitClient(*this, tavrinPageClient());
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

void TavrinDialog::showProgramChoice() {
    // The item is kept while another way of opening folders is chosen, but only offered with
    // the item's way.
    parts_->program.enable(parts_->folder.checkedIndex() == FOLDER_ITEM);
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
    showProgramChoice();
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

void TavrinDialog::write(file::App& settings) const {
    Parts& parts = *parts_;
    const auto count = [](const tvgui::EditLine& box, std::string_view caption, Integer shown) {
        const std::optional<Integer> typed = typedCount(box.text());
        if (typed && *typed == shown) {
            return shown;
        }
        if (!typed || *typed > COUNT_LIMIT) {
            throw system::InputException("「" + std::string(caption) +
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
    if (folder == static_cast<Integer>(FOLDER_ITEM) && program.empty()) {
        throw system::InputException("フォルダ表示を「アイテム」にするには、開くアイテムを選ぶ");
    }
    const auto checked = [](const tvgui::CheckBox& box) { return box.checked(); };
    const auto radio = [](const tvgui::RadioGroup& group) {
        return static_cast<Integer>(group.checkedIndex().value_or(0));
    };

    settings.Position(parts.position.windowPos());
    settings.Front(checked(parts.front));
    settings.Folder(folder);
    // An item not registered now is kept while the user does not choose another.
    if (program != shown_.program && !program.empty()) {
        settings.Program(system::toWide(program));
    }
    settings.ButtonIcon(radio(parts.buttonIcon));
    settings.ButtonText(checked(parts.buttonText));
    // List mode needs text mode, as the settings record itself insists.
    settings.ButtonList(checked(parts.buttonList) && checked(parts.buttonText));
    settings.MenuIcon(radio(parts.menuIcon));
    settings.MenuText(menuText);
    if (desktopMenuAvailable_) {
        settings.MenuDesktop(checked(parts.menuDesktop));
    }
    settings.CommandIcon(radio(parts.commandIcon));
    settings.Timer(timer);
    if (chosenFont_) {
        settings.CommandFont(&*chosenFont_);
    }
    // A Windows key the box cannot show stays while the user leaves the combination alone.
    if (const std::uint16_t shown = parts.keys.combination(); shown != shown_.keys) {
        const std::vector<Integer> stored = settings.CommandKeys();
        const auto unshown = static_cast<tvgui::MOD>(stored.empty() ? 0 : stored[0] & 0xFF);
        const tvgui::MOD modifiers =
            tvgui::modFlags(static_cast<tvgui::HOTKEY>(shown & 0xFF), unshown);
        settings.CommandKeys({static_cast<Integer>(modifiers), static_cast<Integer>(shown >> 8)});
    }
    const CommandColorList::Pairs stored = storedPairs(settings);
    const std::array<COMMANDCOLOR, 3> kinds{COMMANDCOLOR::ID, COMMANDCOLOR::NAME,
                                            COMMANDCOLOR::TAG};
    for (std::size_t row = 0; row < kinds.size(); ++row) {
        const CommandColorList::Pair& pair = parts.colors.pairs()[row];
        if (pair != stored[row]) {
            settings.CommandColor(kinds[row], pair.text, pair.background);
        }
    }
}

bool TavrinDialog::leavePage() {
    bool left = false;
    guarded(*this, [&] {
        write(app_);
        enterPage();
        left = true;
    });
    return left;
}

bool TavrinDialog::edited() const {
    drevak::DvkDocument left = file::copyDocument(settings_);
    file::App settings(left);
    try {
        write(settings);
    } catch (const system::InputException&) {
        return true;
    }
    return left.toString() != settings_.toString();
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
            showProgramChoice();
            return true;
        }
    }
    switch (static_cast<CTRL>(id)) {
    case CTRL::FONT:
        guarded(*this, [this] { chooseCommandFont(); });
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
