#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "image/icon.h"
#include "system/raii.h"
#include "system/win32.h"

// After the Windows headers, on which it builds.
#include <shellapi.h>

namespace tavrin::tvgui {
class TvGui;
}

namespace tavrin::gui {

// The toolkit's holder of task-tray icons.
class TaskTray : public system::Raii {
public:
    enum class NIM : DWORD { ADD = NIM_ADD, MODIFY = NIM_MODIFY, DELETE_ = NIM_DELETE };

    // Adds the record's icon. With retry: up to attempts + 1 tries, each NIM_ADD and, when
    // the shell timed out, NIM_MODIFY, waiting `wait` ms between tries; TaskTrayException
    // with the system's text for any other failure, "タスクトレイ登録失敗" when every try
    // timed out. Without retry: one NIM_ADD, its success returned.
    static bool add(NOTIFYICONDATAW& record, bool retry, DWORD wait, int attempts);

    // The message the shell broadcasts when its task bar is made again (after a crash of
    // the shell): the owner adds its icon again.
    static UINT taskbarCreatedMessage();

    // The calls that reach the shell and the clock. The program keeps the system's; a test
    // puts its own in their place to play a shell that times out or refuses.
    struct ShellCalls {
        std::function<BOOL(NIM command, NOTIFYICONDATAW& record)> notify;
        std::function<void(DWORD milliseconds)> sleep;
    };
    static ShellCalls& shellCalls();

protected:
    TaskTray() = default;
};

// The launcher's one tray icon: the program's tray icon, whose mouse messages reach the owner
// as callbackMessage.
class TavrinTaskTray final : public TaskTray {
public:
    TavrinTaskTray(tvgui::TvGui& owner, UINT callbackMessage);
    ~TavrinTaskTray() override { releaseAtEnd(); }

    // Adds the icon with retries (500 ms apart, 5 more tries); TaskTrayException when the
    // shell will not take it.
    void addIcon();
    // The text shown over the icon, cut to what the shell holds: the shown icon takes it at
    // once, one not shown yet when it is added.
    void setTip(std::string_view text);

protected:
    // Removes every icon from the tray and frees it.
    void release() override;

private:
    NOTIFYICONDATAW record(UINT id) const;

    std::vector<image::Icon> icons_;
    std::wstring tip_;
    UINT callbackMessage_;
    tvgui::TvGui& owner_;
};

} // namespace tavrin::gui
