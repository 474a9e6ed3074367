#include "gui/window/dialog/inputdialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "dialogtest.h"
#include "gui/window/dialog/browsedialogs.h"
#include "gui/window/dialog/pathplacement.h"
#include "shell/specialfolder.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "testwindow.h"

namespace tavrin::gui::test {
namespace {

using CTRL = InputDialog::CTRL;

struct PlaceCase {
    const wchar_t* text;
    bool editable;
    unsigned start;
    unsigned end;
    const wchar_t* placed;
};

TEST(InputDialog, AChosenPathReplacesTheSelectionOfAnEditableTextElseTheWholeText) {
    const PlaceCase cases[] = {
        {L"abc", true, 1, 2, L"aC:\\xc"}, {L"abc", false, 1, 2, L"C:\\x"},
        {L"abc", true, 1, 1, L"C:\\x"},   {L"abc", true, 0, 3, L"C:\\x"},
        {L"", true, 0, 0, L"C:\\x"},      {L"日本語", true, 1, 2, L"日C:\\x語"},
        {L"abc", true, 2, 9, L"abC:\\x"},
    };
    for (const PlaceCase& given : cases) {
        SCOPED_TRACE(system::toUtf8(given.text) + " " + std::to_string(given.start) + "-" +
                     std::to_string(given.end) + (given.editable ? "" : " read-only"));
        EXPECT_EQ(placePath(given.text, given.editable, given.start, given.end, L"C:\\x"),
                  given.placed);
    }
}

// What a person does to the prompt, one action per tick of a timer inside its modal loop; an
// action that waits for something answers false until it has seen it.
using Action = std::function<bool(HWND dialog)>;

HWND control(HWND dialog, CTRL id) {
    return GetDlgItem(dialog, static_cast<int>(id));
}

std::string editText(HWND dialog) {
    wchar_t text[256] = {};
    GetWindowTextW(control(dialog, CTRL::EDIT), text, 256);
    return system::toUtf8(text);
}

Action type(const char* text) {
    return [text](HWND dialog) {
        SetWindowTextW(control(dialog, CTRL::EDIT), system::toWide(text).c_str());
        return true;
    };
}

Action selectRange(int start, int end) {
    return [start, end](HWND dialog) {
        SendMessageW(control(dialog, CTRL::EDIT), EM_SETSEL, start, end);
        return true;
    };
}

Action press(CTRL id) {
    return [id](HWND dialog) {
        PostMessageW(control(dialog, id), BM_CLICK, 0, 0);
        return true;
    };
}

Action key(WPARAM virtualKey) {
    return [virtualKey](HWND dialog) {
        PostMessageW(control(dialog, CTRL::EDIT), WM_KEYDOWN, virtualKey, 0);
        return true;
    };
}

// Writes down the edit line's text as the person reads it now.
Action look(std::vector<std::string>& seen) {
    return [&seen](HWND dialog) {
        seen.push_back(editText(dialog));
        return true;
    };
}

// Waits for the exception dialog over the prompt, writes down the messages of its chain and
// closes it.
Action closeFailure(std::vector<std::vector<std::string>>& shown) {
    return [&shown](HWND dialog) {
        const HWND failure = FindWindowW(nullptr, L"例外");
        if (failure == nullptr || !IsWindowVisible(failure)) {
            return false;
        }
        EXPECT_EQ(GetWindow(failure, GW_OWNER), dialog);
        wchar_t text[4096] = {};
        GetWindowTextW(GetDlgItem(failure, 12), text, 4096);
        std::vector<std::string>& messages = shown.emplace_back();
        const std::string all = system::toUtf8(text);
        for (std::size_t at = 0; all.compare(at, 5, "-----") != 0 && at < all.size();) {
            const std::size_t end = all.find("\r\n", at);
            messages.push_back(all.substr(at, end - at));
            at = end + 2;
        }
        PostMessageW(failure, WM_COMMAND, MAKEWPARAM(4, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(failure, 4)));
        return true;
    };
}

// Waits for the plain message of a refusal over the prompt, writes down its lines and closes it.
Action closeRefusal(std::vector<std::vector<std::string>>& shown) {
    return [&shown](HWND dialog) {
        const HWND box = FindWindowW(MESSAGE_BOX, nullptr);
        if (box == nullptr || GetWindow(box, GW_OWNER) != dialog) {
            return false;
        }
        std::vector<std::string>& messages = shown.emplace_back();
        std::istringstream lines(textOf(GetDlgItem(box, MESSAGE_TEXT)));
        for (std::string line; std::getline(lines, line, '\n');) {
            messages.push_back(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
        }
        PostMessageW(box, WM_COMMAND, MESSAGE_OK, 0);
        return true;
    };
}

// Plays the actions on the dialog while it runs modally; the person's result.
class Player {
public:
    Player(HWND dialog, std::vector<Action> actions) {
        dialog_ = dialog;
        actions_ = std::move(actions);
        next_ = 0;
        timer_ = SetTimer(nullptr, 0, 40, &Player::tick);
    }
    ~Player() {
        KillTimer(nullptr, timer_);
        EXPECT_EQ(next_, actions_.size()) << "actions left undone";
    }
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

private:
    // An action may run a nested loop (a posted click that shows a failure): the next tick
    // inside it goes on with the following action.
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        if (next_ < actions_.size() && IsWindow(dialog_)) {
            const std::size_t current = next_;
            next_ = current + 1;
            if (!actions_[current](dialog_)) {
                next_ = current;
            }
        }
    }
    static inline HWND dialog_ = nullptr;
    static inline std::vector<Action> actions_;
    static inline std::size_t next_ = 0;
    UINT_PTR timer_;
};

struct Outcome {
    std::vector<std::string> seen;
    std::vector<std::vector<std::string>> failures;
    std::vector<std::string> received;
};

void rejectSlash(const std::string& text) {
    if (text.find('/') != std::string::npos) {
        throw system::InputException("IDに「/」は使えない");
    }
}

struct PromptCase {
    const char* name;
    InputConfig config;
    // The receiver raises this foreign failure the first time it is called.
    const char* receiverFails;
    std::function<std::vector<Action>(Outcome&)> actions;
    bool confirmed;
    const char* finalText;
    Outcome expected;
};

TEST(InputDialog, NoFailureLeavesThePromptAndTheFinalTextOutlivesIt) {
    InputConfig rejecting;
    rejecting.checker = &rejectSlash;
    rejecting.text = "新規";
    InputConfig plain;
    plain.text = "初期";
    InputConfig noCancel = plain;
    noCancel.cancelButton = false;

    const PromptCase cases[] = {
        {"the checker rejects, the user corrects",
         rejecting,
         nullptr,
         [](Outcome& outcome) -> std::vector<Action> {
             return {type("a/b"),        press(CTRL::OK), closeRefusal(outcome.failures),
                     look(outcome.seen), type("ab"),      key(VK_RETURN)};
         },
         true,
         "ab",
         {{"a/b"}, {{"IDに「/」は使えない"}}, {"ab"}}},
        {"the receiver fails in a foreign way, the user cancels",
         plain,
         "書き込めない",
         [](Outcome& outcome) -> std::vector<Action> {
             return {type("x"), key(VK_RETURN), closeFailure(outcome.failures), look(outcome.seen),
                     press(CTRL::CANCEL)};
         },
         false,
         "x",
         {{"x"}, {{"ん？", "書き込めない"}}, {"x"}}},
        {"cancel keeps the typed text",
         plain,
         nullptr,
         [](Outcome&) -> std::vector<Action> {
             return {type("変更"), press(CTRL::CANCEL)};
         },
         false,
         "変更",
         {}},
        {"the receiver takes the text",
         plain,
         nullptr,
         [](Outcome&) -> std::vector<Action> {
             return {type("受理"), press(CTRL::OK)};
         },
         true,
         "受理",
         {{}, {}, {"受理"}}},
        {"Escape closes without a cancel button",
         noCancel,
         nullptr,
         [](Outcome& outcome) -> std::vector<Action> {
             return {[&outcome](HWND dialog) {
                         outcome.seen.push_back(
                             IsWindowEnabled(control(dialog, CTRL::CANCEL)) ? "on" : "off");
                         return true;
                     },
                     key(VK_ESCAPE)};
         },
         false,
         "初期",
         {{"off"}, {}, {}}},
    };
    for (const PromptCase& given : cases) {
        SCOPED_TRACE(given.name);
        tvgui::test::RecordingWindow owner;
        Outcome outcome;
        InputConfig config = given.config;
        bool failed = false;
        config.receiver = [&](const std::string& text) {
            outcome.received.push_back(text);
            if (given.receiverFails != nullptr && !failed) {
                failed = true;
                throw std::runtime_error(given.receiverFails);
            }
        };
        InputDialog dialog(std::move(config), &owner);
        EXPECT_TRUE(dialog.finalText().empty());
        const LoopGuard guard;
        {
            const Player user(dialog.hwnd(), given.actions(outcome));
            EXPECT_EQ(dialog.select(), given.confirmed);
        }
        EXPECT_FALSE(dialog.exists());
        EXPECT_EQ(dialog.finalText(), given.finalText);
        EXPECT_EQ(outcome.seen, given.expected.seen);
        EXPECT_EQ(outcome.failures, given.expected.failures);
        EXPECT_EQ(outcome.received, given.expected.received);
    }
}

TEST(InputDialog, TheControlsFillTheClientAreaApartAtTheWindowsDpi) {
    tvgui::test::RecordingWindow owner;
    InputDialog dialog(InputConfig{}, &owner);
    expectChildrenApart(dialog);
    const SIZE client = dialog.clientSize();
    EXPECT_EQ(client.cx, dialog.scale(256));
    RECT cancel{};
    GetWindowRect(control(dialog.hwnd(), CTRL::CANCEL), &cancel);
    MapWindowPoints(nullptr, dialog.hwnd(), reinterpret_cast<POINT*>(&cancel), 2);
    // The last button closes the bottom row within a pixel of the odd width's division.
    EXPECT_EQ(cancel.bottom, client.cy);
    EXPECT_NEAR(cancel.right, client.cx, 1);
    RECT edit{};
    GetWindowRect(control(dialog.hwnd(), CTRL::EDIT), &edit);
    EXPECT_EQ(edit.bottom - edit.top, dialog.lineHeight());
}

// The system dialogs answered as a person would, with what they were asked written down.
class StandInBrowsing {
public:
    explicit StandInBrowsing(std::wstring answer) : saved_(browseCalls()) {
        browseCalls().openFile = [this, answer](OPENFILENAMEW& request) {
            flags = request.Flags;
            start = request.lpstrInitialDir;
            title = request.lpstrTitle == nullptr ? L"" : request.lpstrTitle;
            const wchar_t* end = request.lpstrFilter;
            while (end[0] != L'\0' || end[1] != L'\0') {
                ++end;
            }
            filter.assign(request.lpstrFilter, end + 2);
            answer.copy(request.lpstrFile, request.nMaxFile - 1);
            return TRUE;
        };
        browseCalls().browseFolder = [this, answer](BROWSEINFOW& request) {
            flags = request.ulFlags;
            start = request.lParam == 0 ? L"" : reinterpret_cast<const wchar_t*>(request.lParam);
            PIDLIST_ABSOLUTE chosen = nullptr;
            SHParseDisplayName(answer.c_str(), nullptr, &chosen, 0, nullptr);
            return chosen;
        };
    }
    ~StandInBrowsing() { browseCalls() = saved_; }
    StandInBrowsing(const StandInBrowsing&) = delete;
    StandInBrowsing& operator=(const StandInBrowsing&) = delete;

    DWORD flags = 0;
    std::wstring start;
    std::wstring title;
    std::wstring filter;

private:
    BrowseCalls saved_;
};

std::wstring windowsFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetWindowsDirectoryW(folder, MAX_PATH);
    return folder;
}

std::wstring thisProgram() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

struct BrowseCase {
    const char* name;
    CTRL button;
    bool editable;
    std::wstring startPath;
    // Where the system dialog is asked to start, and its flags.
    std::wstring start;
    DWORD flags;
    // The chosen path given for the middle letter of "abc": selected, or the whole text.
    bool inPlace;
};

TEST(InputDialog, EachBrowseButtonPutsTheChoiceIntoTheTextByTheRule) {
    const std::wstring documents = shell::specialFolder(shell::SYS_FOLDER::PERSONAL, 0x8100);
    const std::wstring program = thisProgram();
    const std::wstring programFolder = program.substr(0, program.rfind(L'\\') + 1);
    const BrowseCase cases[] = {
        {"file, editable, from a file", CTRL::FILE, true, program, programFolder, 0x281804, true},
        {"file, read-only, nothing to start from", CTRL::FILE, false, L"", documents, 0x281804,
         false},
        {"folder, editable, from a folder", CTRL::FOLDER, true, windowsFolder(), windowsFolder(),
         0x59, true},
        {"folder, read-only, from a file", CTRL::FOLDER, false, program, L"", 0x59, false},
    };
    const std::wstring chosen = windowsFolder();
    for (const BrowseCase& given : cases) {
        SCOPED_TRACE(given.name);
        tvgui::test::RecordingWindow owner;
        const StandInBrowsing system(chosen);
        InputConfig config;
        config.editable = given.editable;
        config.text = "abc";
        config.startPath = system::toUtf8(given.startPath);
        config.fileTitle = "プログラム選択";
        config.filters = {{L"実行", L"*.exe"}, {L"全て", L"*.*"}};
        InputDialog dialog(std::move(config), &owner);
        std::vector<std::string> seen;
        const LoopGuard guard;
        {
            const Player user(dialog.hwnd(),
                              {selectRange(1, 2), press(given.button), look(seen), key(VK_RETURN)});
            EXPECT_TRUE(dialog.select());
        }
        const std::string path = system::toUtf8(chosen);
        EXPECT_EQ(seen, std::vector<std::string>{given.inPlace ? "a" + path + "c" : path});
        EXPECT_EQ(dialog.finalText(), seen.front());
        EXPECT_EQ(system.start, given.start);
        EXPECT_EQ(system.flags, given.flags);
        if (given.button == CTRL::FILE) {
            EXPECT_EQ(system.title, L"プログラム選択");
            EXPECT_EQ(system.filter, std::wstring(L"実行\0*.exe\0全て\0*.*\0\0", 17));
        }
    }
}

// Waits for a system dialog owned by the prompt, writes down its caption and cancels it.
Action cancelSystemDialog(std::vector<std::string>& seen) {
    return [&seen](HWND dialog) {
        for (HWND window = GetTopWindow(nullptr); window != nullptr;
             window = GetWindow(window, GW_HWNDNEXT)) {
            if (GetWindow(window, GW_OWNER) == dialog && IsWindowVisible(window)) {
                wchar_t caption[200] = {};
                GetWindowTextW(window, caption, 200);
                seen.push_back(system::toUtf8(caption));
                PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
                return true;
            }
        }
        return false;
    };
}

TEST(InputDialog, TheSystemDialogsOpenOverThePromptAndCancellingThemKeepsTheText) {
    for (const CTRL button : {CTRL::FILE, CTRL::FOLDER}) {
        SCOPED_TRACE(static_cast<int>(button));
        tvgui::test::RecordingWindow owner;
        InputConfig config;
        config.text = "abc";
        config.fileTitle = "プログラム選択";
        InputDialog dialog(std::move(config), &owner);
        std::vector<std::string> seen;
        const LoopGuard guard;
        {
            const Player user(dialog.hwnd(), {press(button), cancelSystemDialog(seen), look(seen),
                                              key(VK_ESCAPE)});
            EXPECT_FALSE(dialog.select());
        }
        ASSERT_EQ(seen.size(), 2U);
        if (button == CTRL::FILE) {
            EXPECT_EQ(seen.front(), "プログラム選択");
        }
        EXPECT_EQ(seen.back(), "abc");
    }
}

} // namespace
} // namespace tavrin::gui::test
