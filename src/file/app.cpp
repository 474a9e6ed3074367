#include "file/app.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "etc/drevak/convert.h"
#include "file/settingrules.h"
#include "shell/execute.h"
#include "system/log.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "system/win32.h"

namespace tavrin::file {
namespace {

using drevak::Binary;
using drevak::Drevak;
using Integer = App::Integer;
using ITEM = App::ITEM;
using utility::colorBytes;
using utility::storedColor;

// Thinner bars and smaller floating windows cannot show a button.
constexpr Integer SMALLEST_SIZE = 16;
// The smallest command font size in points.
constexpr Integer SMALLEST_FONT_SIZE = 7;

using rules::atLeast;
using rules::choice;
using rules::ColorPair;
using rules::flag;
using rules::IntegerList;
using rules::IntegerPair;
using rules::LOWEST;
using rules::Range;
using rules::Text;

struct Setting {
    ITEM item;
    std::string_view address;
    rules::Rule rule;
};

constexpr std::array<Setting, App::ITEM_COUNT> settings{{
    {ITEM::WINDOW, "Window", Range{0, 5, static_cast<Integer>(App::POSITION::FLOAT)}},
    {ITEM::FRONT, "Window/Front", flag(0)},
    {ITEM::LEFT, "Window/Left", atLeast(SMALLEST_SIZE, SMALLEST_SIZE)},
    {ITEM::TOP, "Window/Top", atLeast(SMALLEST_SIZE, SMALLEST_SIZE)},
    {ITEM::RIGHT, "Window/Right", atLeast(SMALLEST_SIZE, SMALLEST_SIZE)},
    {ITEM::BOTTOM, "Window/Bottom", atLeast(SMALLEST_SIZE, SMALLEST_SIZE)},
    {ITEM::POS, "Window/Float/Pos", IntegerPair{0, 0, LOWEST}},
    {ITEM::SIZE, "Window/Float/Size", IntegerPair{SMALLEST_SIZE, SMALLEST_SIZE, SMALLEST_SIZE}},
    {ITEM::FOLDER, "Folder", choice(2)},
    {ITEM::PROGRAM, "Folder/Program", Text{}},
    {ITEM::HISTORY, "Launcher/History", atLeast(0, 16)},
    {ITEM::BUTTON_TEXT, "Launcher/Button/Text", flag(0)},
    {ITEM::BUTTON_LIST, "Launcher/Button/List", flag(0)},
    {ITEM::BUTTON_ICON, "Launcher/Button/Icon", choice(1)},
    {ITEM::MENU_TEXT, "Launcher/Menu/Text", atLeast(0, 0)},
    {ITEM::MENU_ICON, "Launcher/Menu/Icon", choice(1)},
    {ITEM::MENU_DESKTOP, "Launcher/Menu/Desktop", flag(0)},
    // Alt and N.
    {ITEM::COMMAND_KEYS, "Launcher/Command/Keys", IntegerList{1, 78}},
    {ITEM::COMMAND_ICON, "Launcher/Command/Icon", choice(1)},
    {ITEM::FONT_NAME, "Launcher/Command/Font/Name", Text{}},
    // Unset keeps the font's own size.
    {ITEM::FONT_SIZE, "Launcher/Command/Font/Size",
     atLeast(SMALLEST_FONT_SIZE, drevak::UNSET_INTEGER)},
    {ITEM::COLOR_NORMAL, "Launcher/Command/Color/Normal", ColorPair{}},
    {ITEM::COLOR_ID, "Launcher/Command/Color/ID", ColorPair{}},
    {ITEM::COLOR_NAME, "Launcher/Command/Color/Name", ColorPair{}},
    {ITEM::COLOR_TAG, "Launcher/Command/Color/Tag", ColorPair{}},
    {ITEM::TIMER, "Launcher/Command/Timer", atLeast(0, 0)},
    {ITEM::EXECUTE_SHORTCUT, "Execute/Shortcut", flag(1)},
    {ITEM::EXECUTE_DIALOG, "Execute/Dialog", flag(1)},
}};

constexpr std::size_t indexOf(ITEM item) {
    return static_cast<std::size_t>(item);
}

static_assert(indexOf(ITEM::EXECUTE_DIALOG) + 1 == App::ITEM_COUNT);
static_assert(rules::inTableOrder(settings, 0));

ITEM edgeItem(App::POSITION edge) {
    const auto index = static_cast<Integer>(edge);
    if (index < static_cast<Integer>(App::POSITION::LEFT) ||
        index > static_cast<Integer>(App::POSITION::BOTTOM)) {
        throw system::ApplicationDataError("EdgeSize(" + std::to_string(index) + ")");
    }
    return static_cast<ITEM>(indexOf(ITEM::LEFT) + static_cast<std::size_t>(index));
}

ITEM colorItem(App::COMMANDCOLOR kind) {
    switch (kind) {
    case App::COMMANDCOLOR::ID:
        return ITEM::COLOR_ID;
    case App::COMMANDCOLOR::NAME:
        return ITEM::COLOR_NAME;
    case App::COMMANDCOLOR::TAG:
        return ITEM::COLOR_TAG;
    case App::COMMANDCOLOR::NORMAL:
        return ITEM::COLOR_NORMAL;
    }
    throw system::ApplicationDataError("COMMANDCOLOR(" + std::to_string(static_cast<int>(kind)) +
                                       ")");
}

} // namespace

App::App(Drevak& root) : Data(ITEM_COUNT) {
    for (const Setting& setting : settings) {
        Drevak& held = root.CreatePath(drevak::Convert::splitAddress(setting.address));
        bind(indexOf(setting.item), held);
        rules::repair(held, setting.rule);
    }
    repairFloatingPlace();
    if (!ButtonText() && ButtonList()) {
        system::WriteLog("ボタン型テキスト表示設定が不正");
        ButtonList(false);
    }
}

// Each value may be right on its own and still run past the largest Integer when the window's
// far edge is worked out: such a place is taken back to its default, the size the user chose
// kept.
void App::repairFloatingPlace() {
    const auto [x, y] = FloatPos();
    const auto [width, height] = FloatSize();
    if (x > rules::HIGHEST - width || y > rules::HIGHEST - height) {
        system::WriteLog("フロート位置が範囲外: %s, %s", x, y);
        FloatPos(0, 0);
    }
}

App::POSITION App::Position() const {
    return static_cast<POSITION>(integer(ITEM::WINDOW));
}
void App::Position(POSITION position) {
    integer(ITEM::WINDOW, static_cast<Integer>(position));
}

bool App::Front() const {
    return flag(ITEM::FRONT);
}
void App::Front(bool front) {
    flag(ITEM::FRONT, front);
}

App::Integer App::EdgeSize(POSITION edge) const {
    return integer(edgeItem(edge));
}
void App::EdgeSize(POSITION edge, Integer size) {
    integer(edgeItem(edge), size);
}

App::Pair App::FloatSize() const {
    return pair(ITEM::SIZE);
}
void App::FloatSize(Integer width, Integer height) {
    node(ITEM::SIZE) =
        std::vector<Integer>{std::max(width, SMALLEST_SIZE), std::max(height, SMALLEST_SIZE)};
}

bool App::FloatSizeChosen() const {
    return FloatSize() != Pair{SMALLEST_SIZE, SMALLEST_SIZE};
}

App::Pair App::FloatPos() const {
    return pair(ITEM::POS);
}
void App::FloatPos(Integer x, Integer y) {
    node(ITEM::POS) = std::vector<Integer>{x, y};
}

App::Integer App::Folder() const {
    return integer(ITEM::FOLDER);
}
void App::Folder(Integer folder) {
    integer(ITEM::FOLDER, folder);
}

std::string App::Program() const {
    return stringField(indexOf(ITEM::PROGRAM));
}
void App::Program(std::wstring_view program) {
    node(ITEM::PROGRAM) = system::toUtf8(program);
}

bool App::namesItem(std::string_view id) const {
    return !id.empty() && Program() == id;
}

void App::itemRenamed(std::string_view from, std::string_view to) {
    if (namesItem(from)) {
        node(ITEM::PROGRAM) = std::string(to);
    }
}

void App::itemDeleted(std::string_view id) {
    if (!namesItem(id)) {
        return;
    }
    node(ITEM::PROGRAM) = std::string();
    if (Folder() == static_cast<Integer>(shell::FOLDER::PROGRAM)) {
        Folder(static_cast<Integer>(shell::FOLDER::OPEN));
    }
}

App::Integer App::History() const {
    return integer(ITEM::HISTORY);
}

bool App::ButtonText() const {
    return flag(ITEM::BUTTON_TEXT);
}
void App::ButtonText(bool text) {
    flag(ITEM::BUTTON_TEXT, text);
}

bool App::ButtonList() const {
    return flag(ITEM::BUTTON_LIST);
}
void App::ButtonList(bool list) {
    flag(ITEM::BUTTON_LIST, list);
}

App::Integer App::ButtonIcon() const {
    return integer(ITEM::BUTTON_ICON);
}
void App::ButtonIcon(Integer icon) {
    integer(ITEM::BUTTON_ICON, icon);
}

App::Integer App::MenuText() const {
    return integer(ITEM::MENU_TEXT);
}
void App::MenuText(Integer text) {
    integer(ITEM::MENU_TEXT, text);
}

App::Integer App::MenuIcon() const {
    return integer(ITEM::MENU_ICON);
}
void App::MenuIcon(Integer icon) {
    integer(ITEM::MENU_ICON, icon);
}

bool App::MenuDesktop() const {
    return flag(ITEM::MENU_DESKTOP);
}
void App::MenuDesktop(bool desktop) {
    flag(ITEM::MENU_DESKTOP, desktop);
}

std::vector<App::Integer> App::CommandKeys() const {
    return node(ITEM::COMMAND_KEYS).GetIntegers();
}
void App::CommandKeys(std::vector<Integer> keys) {
    node(ITEM::COMMAND_KEYS) = std::move(keys);
}

App::Integer App::CommandIcon() const {
    return integer(ITEM::COMMAND_ICON);
}
void App::CommandIcon(Integer icon) {
    integer(ITEM::COMMAND_ICON, icon);
}

tvgui::Font App::CommandFont() const {
    tvgui::Font font;
    const std::string face = stringField(indexOf(ITEM::FONT_NAME));
    // A stored face that no font can carry leaves the default face, as other bad settings
    // leave their defaults.
    if (!face.empty() && tvgui::Font::faceNameFits(face)) {
        font.faceName(face);
    }
    const Integer size = integer(ITEM::FONT_SIZE);
    if (size >= SMALLEST_FONT_SIZE) {
        font.pointSize(static_cast<int>(size));
    }
    return font;
}
void App::CommandFont(const tvgui::Font* font) {
    if (font == nullptr) {
        node(ITEM::FONT_NAME) = std::string();
        integer(ITEM::FONT_SIZE, drevak::UNSET_INTEGER);
        return;
    }
    const Integer size = font->pointSize();
    node(ITEM::FONT_NAME) = font->faceName();
    integer(ITEM::FONT_SIZE, size >= SMALLEST_FONT_SIZE ? size : drevak::UNSET_INTEGER);
}

App::ColorPair App::CommandColor(COMMANDCOLOR kind) const {
    const std::vector<Binary>& pair = node(colorItem(kind)).GetBinaries();
    // Building leaves two elements; a missing one, as another writer may leave, is unset.
    const auto element = [&pair](std::size_t at) { return at < pair.size() ? pair[at] : Binary{}; };
    return {storedColor(element(0), GetSysColor(COLOR_WINDOWTEXT)),
            storedColor(element(1), GetSysColor(COLOR_WINDOW))};
}
void App::CommandColor(COMMANDCOLOR kind, std::optional<ColorValue> text,
                       std::optional<ColorValue> background) {
    const auto element = [](std::optional<ColorValue> color) {
        return color ? colorBytes(*color) : Binary{};
    };
    node(colorItem(kind)) = std::vector<Binary>{element(text), element(background)};
}

App::Integer App::Timer() const {
    return integer(ITEM::TIMER);
}
void App::Timer(Integer timer) {
    integer(ITEM::TIMER, timer);
}

bool App::ExecuteShortcut() const {
    return flag(ITEM::EXECUTE_SHORTCUT);
}
void App::ExecuteShortcut(bool shortcut) {
    flag(ITEM::EXECUTE_SHORTCUT, shortcut);
}

bool App::ExecuteDialog() const {
    return flag(ITEM::EXECUTE_DIALOG);
}
void App::ExecuteDialog(bool dialog) {
    flag(ITEM::EXECUTE_DIALOG, dialog);
}

App::Pair App::pair(ITEM item) const {
    const std::vector<Integer>& values = node(item).GetIntegers();
    if (values.size() != 2) {
        throw system::ApplicationDataError("TSVLength = " + std::to_string(values.size()));
    }
    return {values[0], values[1]};
}

} // namespace tavrin::file
