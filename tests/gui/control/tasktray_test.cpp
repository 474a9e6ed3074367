// The tray's add rules against a played shell, and the launcher's tray against Wine's.
#include <gtest/gtest.h>

#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "gui/control/tasktray.h"
#include "playedshell.h"
#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "tvgui/window/tvwindow.h"

namespace tavrin::gui {
namespace {

using NIM = TaskTray::NIM;

using test::PlayedShell;

struct Answer {
    bool success;
    DWORD error;
};
constexpr Answer ok{true, 0};
constexpr Answer timedOut{false, ERROR_TIMEOUT};
constexpr Answer refused{false, ERROR_ACCESS_DENIED};

template <typename T> std::vector<T> repeated(const std::vector<T>& part, int times) {
    std::vector<T> all;
    for (int time = 0; time < times; ++time) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST(TaskTrayTest, AddRetriesOnlyWhileTheShellTimesOut) {
    struct Case {
        const char* name;
        bool retry;
        std::vector<Answer> answers;
        std::vector<std::string> calls;
        std::optional<bool> result;
        // The failure's message when it throws.
        std::string failure;
    };
    const int attempts = 5;
    const Case cases[] = {
        {"added at once", true, {ok}, {"ADD"}, true, ""},
        {"timed out but there", true, {timedOut, ok}, {"ADD", "MODIFY"}, true, ""},
        {"added on the second try",
         true,
         {timedOut, refused, ok},
         {"ADD", "MODIFY", "sleep 250", "ADD"},
         true,
         ""},
        {"every try timed out", true, repeated<Answer>({timedOut, timedOut}, attempts + 1),
         repeated<std::string>({"ADD", "MODIFY", "sleep 250"}, attempts + 1), std::nullopt,
         "タスクトレイ登録失敗"},
        {"refused",
         true,
         {refused},
         {"ADD"},
         std::nullopt,
         system::systemMessage(ERROR_ACCESS_DENIED)},
        {"refused after a time-out",
         true,
         {timedOut, timedOut, refused},
         {"ADD", "MODIFY", "sleep 250", "ADD"},
         std::nullopt,
         system::systemMessage(ERROR_ACCESS_DENIED)},
        {"no retry, timed out", false, {timedOut}, {"ADD"}, false, ""},
    };
    for (const Case& check : cases) {
        SCOPED_TRACE(check.name);
        std::vector<std::string> calls;
        std::size_t next = 0;
        const PlayedShell shell({[&](NIM command, NOTIFYICONDATAW&) {
                                     calls.push_back(command == NIM::ADD ? "ADD" : "MODIFY");
                                     // A shell asked more often than the case plays fails hard.
                                     const Answer answer = next < check.answers.size()
                                                               ? check.answers[next++]
                                                               : Answer{false, ERROR_GEN_FAILURE};
                                     SetLastError(answer.error);
                                     return answer.success ? TRUE : FALSE;
                                 },
                                 [&](DWORD milliseconds) {
                                     calls.push_back("sleep " + std::to_string(milliseconds));
                                 }});
        NOTIFYICONDATAW record{};
        std::optional<bool> result;
        std::string failure;
        try {
            result = TaskTray::add(record, check.retry, 250, attempts);
        } catch (const system::TaskTrayException& thrown) {
            failure = thrown.what();
        }
        EXPECT_EQ(result, check.result);
        EXPECT_EQ(failure, check.failure);
        EXPECT_EQ(calls, check.calls);
        EXPECT_EQ(next, check.answers.size());
    }
}

class TrayOwner final : public tvgui::TvWindow {
public:
    TrayOwner() : TvWindow(0, WS_POPUP, nullptr) { createWindow(); }
};

// Wine's shell takes a new icon and lets it go with success, though no tray shows it.
TEST(TavrinTaskTrayTest, AddsAndRemovesTheProgramsIconThroughTheShell) {
    TrayOwner owner;
    struct Sent {
        NIM command;
        NOTIFYICONDATAW record;
        BOOL answer;
    };
    std::vector<Sent> sent;
    const TaskTray::ShellCalls system = TaskTray::shellCalls();
    const PlayedShell shell({[&](NIM command, NOTIFYICONDATAW& record) {
                                 const BOOL answer = system.notify(command, record);
                                 sent.push_back({command, record, answer});
                                 return answer;
                             },
                             system.sleep});
    constexpr UINT callback = 0x8002;
    {
        TavrinTaskTray tray(owner, callback);
        tray.addIcon();
        tray.setTip("Tavrin - 試験 / 一");
        ASSERT_EQ(sent.size(), 2u);
        EXPECT_EQ(sent[0].command, NIM::ADD);
        EXPECT_TRUE(sent[0].answer);
        EXPECT_EQ(sent[1].command, NIM::MODIFY);
        EXPECT_STREQ(sent[1].record.szTip, L"Tavrin - 試験 / 一");
        EXPECT_TRUE(tray.isAlive());
    }
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[2].command, NIM::DELETE_);
    EXPECT_TRUE(sent[2].answer);
    for (const Sent& call : sent) {
        const NOTIFYICONDATAW& record = call.record;
        EXPECT_EQ(record.cbSize, sizeof(NOTIFYICONDATAW));
        EXPECT_EQ(record.hWnd, owner.hwnd());
        EXPECT_EQ(record.uID, 0u);
        EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_EQ(record.uCallbackMessage, callback);
        EXPECT_NE(record.hIcon, nullptr);
    }
}

} // namespace
} // namespace tavrin::gui
