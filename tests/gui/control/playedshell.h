#pragma once

#include <utility>

#include "gui/control/tasktray.h"

namespace tavrin::gui::test {

// Plays the shell's side of the tray icons with the test's calls for as long as it lives.
class PlayedShell {
public:
    explicit PlayedShell(TaskTray::ShellCalls calls) : kept_(TaskTray::shellCalls()) {
        TaskTray::shellCalls() = std::move(calls);
    }
    ~PlayedShell() { TaskTray::shellCalls() = std::move(kept_); }
    PlayedShell(const PlayedShell&) = delete;
    PlayedShell& operator=(const PlayedShell&) = delete;

private:
    TaskTray::ShellCalls kept_;
};

} // namespace tavrin::gui::test
