#include "gui/window/dialog/execdialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogtest.h"
#include "gui/control/limitedcombobox.h"
#include "launcherfixture.h"
#include "system/unicode.h"

namespace tavrin::gui::test {
namespace {

using file::fixture::utf8;
using testing::ElementsAreArray;
using testing::EndsWith;
using testing::HasSubstr;
using CTRL = ExecDialog::CTRL;
using Strings = std::vector<std::string>;

// What a user does in the open dialog, done from a timer inside its modal loop.
class InLoop {
public:
    explicit InLoop(std::function<void()> act) {
        act_ = std::move(act);
        timer_ = SetTimer(nullptr, 0, 50, &InLoop::fire);
    }
    ~InLoop() { KillTimer(nullptr, timer_); }
    InLoop(const InLoop&) = delete;
    InLoop& operator=(const InLoop&) = delete;

private:
    static void CALLBACK fire(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        if (act_) {
            std::exchange(act_, nullptr)();
        }
    }
    static inline std::function<void()> act_;
    UINT_PTR timer_;
};

// The combo box of the id (the options box shares its id with its button).
HWND boxOf(const ExecDialog& dialog, CTRL id) {
    for (HWND child = GetWindow(dialog.hwnd(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16]{};
        GetClassNameW(child, name, 16);
        if (GetDlgCtrlID(child) == static_cast<int>(id) && lstrcmpiW(name, L"ComboBox") == 0) {
            return child;
        }
    }
    return nullptr;
}

void setText(HWND window, const std::string& text) {
    SetWindowTextW(window, system::toWide(text).c_str());
}

void pressKey(const ExecDialog& dialog, WORD key) {
    SetForegroundWindow(dialog.hwnd());
    SetFocus(GetDlgItem(dialog.hwnd(), static_cast<int>(CTRL::ADDRESS)));
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000000);
}

std::string withoutBackslash(std::string path) {
    while (path.size() > 3 && path.back() == '\\') {
        path.pop_back();
    }
    return path;
}

class ExecDialogTest : public LauncherTest {
protected:
    ExecDialogTest() {
        start();
        work = utf8(scratch.root() / L"作業") + "\\";
        std::filesystem::create_directories(scratch.root() / L"作業");
        std::filesystem::create_directories(scratch.root() / L"w2");
        std::filesystem::create_directories(scratch.root() / L"w3");
    }

    ExecDialog::Services services() {
        return {[this](HWND, const std::string& start) {
                    browsed.push_back(start);
                    return chosen;
                },
                [this](HWND, const std::string& start) {
                    browsed.push_back(start);
                    return chosen;
                },
                [this](tvgui::TvGui& owner, const std::exception& failure) {
                    shown.push_back(failure.what());
                    stayed = owner.exists();
                }};
    }

    std::string work;
    std::optional<std::string> chosen;
    Strings browsed;
    Strings shown;
    bool stayed = false;
};

// The dialog starts the probe with what the user left in it: the work folder, the options
// and the show code, overriding only what changed; the histories take what was typed, moved
// to the front, cut at History, none with History 0; Escape starts nothing.
TEST_F(ExecDialogTest, StartsWithWhatTheUserLeftAndKeepsTheHistories) {
    const std::string w2 = utf8(scratch.root() / L"w2");
    const std::string w3 = utf8(scratch.root() / L"w3");
    const struct {
        const char* what;
        int history;
        std::optional<std::string> dropped;
        std::optional<std::string> folder;
        std::optional<std::string> option;
        int show;
        WORD key;
        std::optional<std::string> startedIn;
        std::string arguments;
        Strings folders;
        Strings options;
    } rows[]{
        {"untouched", 16, {}, {}, {}, 0, VK_RETURN, work, " -n", {"a", w2, w3}, {"-a"}},
        {"w3 moves up", 16, {}, w3, "-x", 3, VK_RETURN, w3, " -x", {w3, "a", w2}, {"-x", "-a"}},
        {"cut at 3", 3, {}, w2 + "\\", {}, 0, 0, w2, " -n", {w2 + "\\", "a", w2}, {"-a"}},
        {"no history", 0, {}, w2, " -y", 7, 0, w2, " -y", {"a", w2, w3}, {"-a"}},
        {"dropped",
         16,
         "C:\\d.txt",
         {},
         {},
         0,
         0,
         work,
         " C:\\d.txt",
         {"a", w2, w3},
         {"C:\\d.txt", "-a"}},
        {"escape", 16, {}, w2, "-z", 0, VK_ESCAPE, {}, "", {"a", w2, w3}, {"-a"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        // The settings have no setter for it: the settings dialog writes the document.
        application->appDocument().GetChild("Launcher/History") = drevak::Integer{row.history};
        file::Item& probe = item("probe");
        probe.setWorkFolder(work);
        probe.setOption("-n");
        probe.setShow(1);
        probe.setHistoryWorkFolders({"a", w2, w3});
        probe.setHistoryOptions({"-a"});
        file::fixture::ProbeRecords started;
        ExecDialog dialog(probe, *application, window.get(), row.dropped, services());
        EXPECT_EQ(dialog.text(), "probe");
        const LoopGuard guard;
        const InLoop user([&] {
            if (row.folder) {
                setText(boxOf(dialog, CTRL::WORK_FOLDER), *row.folder);
            }
            if (row.option) {
                setText(boxOf(dialog, CTRL::OPTION), *row.option);
            }
            if (row.show != 0) {
                controlOf<ShowComboBox>(dialog, CTRL::SHOW).value(row.show);
            }
            if (row.key != 0) {
                pressKey(dialog, row.key);
            } else {
                SendMessageW(GetDlgItem(dialog.hwnd(), static_cast<int>(CTRL::EXECUTE)), BM_CLICK,
                             0, 0);
            }
        });
        EXPECT_EQ(dialog.select(), row.startedIn.has_value());
        const auto records = started.wait(row.startedIn ? 1 : 0);
        ASSERT_EQ(records.size(), row.startedIn ? 1u : 0u);
        if (row.startedIn) {
            EXPECT_EQ(withoutBackslash(records[0].folder), withoutBackslash(*row.startedIn));
            EXPECT_THAT(records[0].command, EndsWith(row.arguments));
            EXPECT_EQ(records[0].show, row.show != 0 ? row.show : 1);
        }
        EXPECT_THAT(probe.historyWorkFolders(), ElementsAreArray(row.folders));
        EXPECT_THAT(probe.historyOptions(), ElementsAreArray(row.options));
        EXPECT_TRUE(shown.empty());
    }
}

// A start that fails, or an item with nothing to start, is shown over the dialog, which
// stays for another try; nothing is started and no history written.
TEST_F(ExecDialogTest, FailedStartKeepsTheDialogAndWritesNoHistory) {
    const std::filesystem::path vanishing =
        file::fixture::copyProbe(scratch.root() / L"vanishing", L"vanish.exe");
    item("edit").setFileAddress(utf8(vanishing));
    const struct {
        const char* id;
        bool removeFirst;
        const char* message;
    } rows[]{
        {"gone", false, "あれれ"},
        // Its file goes while the dialog is open: the start itself fails.
        {"edit", true, "実行例外"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        shown.clear();
        stayed = false;
        file::Item& chosenItem = item(row.id);
        chosenItem.setHistoryWorkFolders({"a"});
        file::fixture::ProbeRecords started;
        ExecDialog dialog(chosenItem, *application, window.get(), std::nullopt, services());
        const LoopGuard guard;
        const InLoop user([&] {
            if (row.removeFirst) {
                std::filesystem::remove(vanishing);
            }
            setText(boxOf(dialog, CTRL::WORK_FOLDER), work);
            setText(boxOf(dialog, CTRL::OPTION), "-typed");
            SendMessageW(GetDlgItem(dialog.hwnd(), static_cast<int>(CTRL::EXECUTE)), BM_CLICK, 0,
                         0);
            EXPECT_TRUE(dialog.exists());
            dialog.destroy();
        });
        EXPECT_FALSE(dialog.select());
        EXPECT_TRUE(started.wait(0).empty());
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_THAT(shown[0], HasSubstr(row.message));
        EXPECT_TRUE(stayed);
        EXPECT_THAT(chosenItem.historyWorkFolders(), ElementsAreArray(Strings{"a"}));
        EXPECT_TRUE(chosenItem.historyOptions().empty());
    }
}

// The buttons browse from the box's text and put the choice in the box; a cancelled browse
// leaves it. Only the width can be changed: edges and corners answer as the client area or
// the side edges, and every control lies whole and apart in the client area.
TEST_F(ExecDialogTest, BrowsingFillsTheBoxesAndOnlyTheWidthChanges) {
    file::Item& probe = item("probe");
    probe.setWorkFolder(work);
    probe.setOption("-n");
    const struct {
        CTRL button;
        CTRL box;
        std::optional<std::string> choice;
        std::string expected;
    } rows[]{
        {CTRL::WORK_FOLDER_BROWSE, CTRL::WORK_FOLDER, "C:\\chosen\\", "C:\\chosen\\"},
        {CTRL::OPTION, CTRL::OPTION, "C:\\f.txt", "C:\\f.txt"},
        {CTRL::OPTION, CTRL::OPTION, std::nullopt, "C:\\f.txt"},
    };
    ExecDialog dialog(probe, *application, window.get(), std::nullopt, services());
    for (const auto& row : rows) {
        chosen = row.choice;
        browsed.clear();
        const HWND box = boxOf(dialog, row.box);
        wchar_t start[MAX_PATH]{};
        GetWindowTextW(box, start, MAX_PATH);
        click(dialog, row.button, false);
        ASSERT_EQ(browsed.size(), 1u);
        EXPECT_EQ(browsed[0], system::toUtf8(start));
        wchar_t after[MAX_PATH]{};
        GetWindowTextW(box, after, MAX_PATH);
        EXPECT_EQ(system::toUtf8(after), row.expected);
    }

    dialog.show(tvgui::SHOW::SHOWNORMAL);
    expectChildrenApart(dialog);
    const RECT outer = dialog.windowRect();
    const LONG midX = (outer.left + outer.right) / 2;
    const LONG midY = (outer.top + outer.bottom) / 2;
    const struct {
        POINT at;
        LRESULT expected;
    } edges[]{
        {{midX, outer.top + 1}, HTCLIENT},         {{midX, outer.bottom - 1}, HTCLIENT},
        {{outer.left + 1, midY}, HTLEFT},          {{outer.right - 1, midY}, HTRIGHT},
        {{outer.left + 1, outer.top + 1}, HTLEFT}, {{outer.right - 1, outer.bottom - 1}, HTRIGHT},
    };
    for (const auto& edge : edges) {
        SCOPED_TRACE(testing::Message() << edge.at.x << "," << edge.at.y);
        EXPECT_EQ(SendMessageW(dialog.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(edge.at.x, edge.at.y)),
                  edge.expected);
    }
}

} // namespace
} // namespace tavrin::gui::test
