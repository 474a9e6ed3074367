#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "etc/drevak/drevak.h"
#include "file/data.h"
#include "file/itemnaming.h"
#include "tvgui/draw/font.h"
#include "utility/colorvalue.h"

namespace tavrin::file {

// The user's settings, one node each in the settings document. Building the record repairs
// the document: every missing node is created and every node of the wrong type or out of
// range gets its default, so a missing, empty or damaged file yields a complete set.
class App final : public Data, public ItemNaming {
public:
    using Integer = drevak::Integer;
    using Pair = std::pair<Integer, Integer>;
    using ColorValue = utility::ColorValue;

    // The settings, in the order of the node table.
    enum class ITEM : std::size_t {
        WINDOW,
        FRONT,
        LEFT,
        TOP,
        RIGHT,
        BOTTOM,
        POS,
        SIZE,
        FOLDER,
        PROGRAM,
        HISTORY,
        BUTTON_TEXT,
        BUTTON_LIST,
        BUTTON_ICON,
        MENU_TEXT,
        MENU_ICON,
        MENU_DESKTOP,
        COMMAND_KEYS,
        COMMAND_ICON,
        FONT_NAME,
        FONT_SIZE,
        COLOR_NORMAL,
        COLOR_ID,
        COLOR_NAME,
        COLOR_TAG,
        TIMER,
        EXECUTE_SHORTCUT,
        EXECUTE_DIALOG,
    };
    static constexpr std::size_t ITEM_COUNT = 28;

    // Where the launcher window stands: the four docked edges, in the order of their
    // thickness settings, then floating and hidden.
    enum class POSITION : Integer { LEFT, TOP, RIGHT, BOTTOM, FLOAT, HIDDEN };

    // The colour pairs of the command list: its rows by the key they matched by, then its edit
    // line.
    enum class COMMANDCOLOR { ID, NAME, TAG, NORMAL };

    struct ColorPair {
        ColorValue text;
        ColorValue background;
    };

    // Builds the node table under the settings document's root, repairing as it goes. A list
    // mode set without text mode is logged and switched off: list mode needs text mode.
    explicit App(drevak::Drevak& root);

    using Data::node;
    drevak::Drevak& node(ITEM item) const { return field(static_cast<std::size_t>(item)); }

    POSITION Position() const;
    void Position(POSITION position);
    bool Front() const;
    void Front(bool front);
    // The thickness at a docked edge; raises ApplicationDataError for FLOAT and HIDDEN.
    Integer EdgeSize(POSITION edge) const;
    void EdgeSize(POSITION edge, Integer size);
    // Width and height.
    Pair FloatSize() const;
    // Each raised to at least the smallest floating size.
    void FloatSize(Integer width, Integer height);
    // Whether a user chose the floating size: the default is the smallest size, smaller than
    // any window that can be dragged, so while it stands nobody has sized the window yet.
    bool FloatSizeChosen() const;
    // Left and top.
    Pair FloatPos() const;
    void FloatPos(Integer x, Integer y);
    Integer Folder() const;
    void Folder(Integer folder);
    std::string Program() const;
    void Program(std::wstring_view program);
    // The folder program names an item. Once it is deleted, folders that it opened open as
    // by default.
    bool namesItem(std::string_view id) const override;
    void itemRenamed(std::string_view from, std::string_view to) override;
    void itemDeleted(std::string_view id) override;
    Integer History() const;
    bool ButtonText() const;
    void ButtonText(bool text);
    bool ButtonList() const;
    void ButtonList(bool list);
    Integer ButtonIcon() const;
    void ButtonIcon(Integer icon);
    Integer MenuText() const;
    void MenuText(Integer text);
    Integer MenuIcon() const;
    void MenuIcon(Integer icon);
    bool MenuDesktop() const;
    void MenuDesktop(bool desktop);
    // The hot key's modifier flags, then its virtual-key code.
    std::vector<Integer> CommandKeys() const;
    void CommandKeys(std::vector<Integer> keys);
    Integer CommandIcon() const;
    void CommandIcon(Integer icon);
    // A new font of the toolkit's default kind, given the stored face when one is stored and
    // the stored size in points when one is stored.
    tvgui::Font CommandFont() const;
    // The font's face and size in points; with no font, an empty face and the size unset. A
    // size below the smallest the setting takes is stored unset, as building would store it.
    void CommandFont(const tvgui::Font* font);
    // An unset colour is the system's window-text colour for the text and its window colour
    // for the background.
    ColorPair CommandColor(COMMANDCOLOR kind) const;
    // A colour not given is stored unset.
    void CommandColor(COMMANDCOLOR kind, std::optional<ColorValue> text,
                      std::optional<ColorValue> background);
    Integer Timer() const;
    void Timer(Integer timer);
    bool ExecuteShortcut() const;
    void ExecuteShortcut(bool shortcut);
    bool ExecuteDialog() const;
    void ExecuteDialog(bool dialog);

private:
    Integer integer(ITEM item) const { return node(item).GetInteger(); }
    void integer(ITEM item, Integer value) { node(item) = value; }
    bool flag(ITEM item) const { return boolField(static_cast<std::size_t>(item)); }
    void flag(ITEM item, bool value) { node(item) = Integer{value ? 1 : 0}; }
    Pair pair(ITEM item) const;
    void repairFloatingPlace();
};

} // namespace tavrin::file
