#pragma once

#include <optional>

#include "file/app.h"
#include "system/win32.h"

namespace tavrin::gui {

// The launcher's window menu, opened from the tray icon: where the window stands, whether it
// stays in front, the settings, the help, the version and the end.
class WindowMenu {
public:
    enum ID : UINT {
        NONE = 0,
        WINDOW = 1,
        LEFT = 2,
        TOP = 3,
        RIGHT = 4,
        BOTTOM = 5,
        FLOAT = 6,
        FRONT = 8,
        HIDDEN = 10,
        SETTINGS = 12,
        HELP = 14,
        VERSION = 16,
        EXIT = 18,
        TOOLS = 24,
    };

    // What the menu shows: the window's position and front state, and whether the help file
    // is there.
    struct State {
        file::App::POSITION position;
        bool front;
        bool helpExists;
    };

    // Builds the menu afresh and tracks it at the cursor for owner; the chosen id, NONE when
    // dismissed.
    static ID choose(const State& state, HWND owner);

    // The position an id stands for; none for the ids that are no position.
    static std::optional<file::App::POSITION> position(ID id) noexcept;
    static ID idOf(file::App::POSITION position) noexcept;
};

} // namespace tavrin::gui
