#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "../file/app_defaults.h"
#include "gui/control/emptybarhint.h"
#include "hooktestsupport.h"
#include "launcherdriver.h"
#include "launchprobe_fixture.h"
#include "logfiles.h"
#include "shell/shortcut.h"
#include "system/unicode.h"
#include "system/win32.h"
#include "tavrin/singleinstance.h"
#include "testfiles.h"

namespace tavrin::systemtest {
namespace {

std::wstring builtProgram() {
    return winePath(TAVRIN_EXE);
}

// A copy of tavrin.exe alone in an empty folder, as a user would unpack it.
class TavrinExeTest : public testing::Test {
protected:
    TavrinExeTest()
        : program(temp.path() / L"tavrin.exe"),
          data(temp.path() / L"data" / environment(L"USERNAME")) {
        EXPECT_TRUE(CopyFileW(builtProgram().c_str(), program.c_str(), TRUE));
    }

    // Runs the program with the arguments to its end and returns its exit code, as runLauncher
    // runs it; the texts it showed are kept in shown.
    DWORD run(std::wstring_view arguments = {},
              const std::function<void(DWORD processId, HWND launcher)>& drive = {}) {
        const LauncherRun ran = runLauncher(program, arguments, temp.path(), shown, drive);
        if (!ran.started) {
            ADD_FAILURE() << "cannot start tavrin.exe: " << GetLastError();
        } else if (!ran.ended) {
            ADD_FAILURE() << "tavrin.exe did not end";
        }
        return ran.exitCode;
    }

    // The log files written into "<TAVRIN>\log\"; none when the folder does not exist.
    std::vector<std::filesystem::path> logFiles() const {
        return std::filesystem::exists(temp.path() / L"log") ? filesIn(temp.path() / L"log")
                                                             : std::vector<std::filesystem::path>{};
    }

    TempFolder temp;
    std::filesystem::path program;
    std::filesystem::path data;
    std::vector<std::string> shown;

    void answerMessageBoxes(DWORD processId, std::set<HWND>& answered) {
        answerShown(processId, answered, shown);
    }
};

const std::string logOn = std::string(byteOrderMark) + "setting/log:1\r\n";

// The messages of the one log file, which must be named by the mask, without the entries
// the windows write as they are destroyed.
std::vector<LogEntry> onlyLogEntries(const std::vector<std::filesystem::path>& files) {
    if (files.size() != 1) {
        ADD_FAILURE() << files.size() << " log files";
        return {};
    }
    EXPECT_TRUE(std::regex_match(utf8(files.front().filename()), std::regex(logFileNamePattern)))
        << utf8(files.front().filename());
    const std::string log = readBytes(files.front());
    EXPECT_TRUE(log.starts_with("<")) << "no byte-order mark in a log";
    std::vector<LogEntry> entries = logEntries(log);
    std::erase_if(entries,
                  [](const LogEntry& entry) { return entry.message.ends_with(".TvGuiDestroy()"); });
    return entries;
}

TEST_F(TavrinExeTest, FirstRunWritesTheDataFilesAndASecondRunReadsThemBack) {
    ASSERT_EQ(run(), 0u);
    EXPECT_TRUE(readBytes(data / L"app.dvk").starts_with(byteOrderMark));
    EXPECT_EQ(readBytes(data / L"items.dvk"), byteOrderMark);
    const std::string groups = readBytes(data / L"groups.dvk");
    EXPECT_EQ(groups, byteOrderMark + std::string("Group$\r\nGroup/<Menu>$\r\n"));

    writeBytes(data / L"items.dvk",
               readBytes(data / L"items.dvk") + "TavrinTest/b:2\r\nTavrinTest/a\\手で足した\n");
    ASSERT_EQ(run(), 0u);
    const std::string items = readBytes(data / L"items.dvk");
    EXPECT_TRUE(items.starts_with(byteOrderMark));
    const std::size_t first = items.find("TavrinTest/a\\手で足した\r\n");
    const std::size_t second = items.find("TavrinTest/b:2\r\n");
    ASSERT_NE(first, std::string::npos) << items;
    ASSERT_NE(second, std::string::npos) << items;
    EXPECT_LT(first, second);
    EXPECT_EQ(readBytes(data / L"groups.dvk"), groups);
}

// A first start from an empty data folder: a window the user sees in the work area, wide enough
// for the hint of the empty bar. A program dropped on the bar, then a shortcut and the same
// program again on the title strip, become buttons (the second program with an ID of its own)
// that start them; the default settings stay as they were written.
TEST_F(TavrinExeTest, FirstStartShowsTheHintAndDroppedFilesBecomeButtonsThatStart) {
    const file::fixture::ProbeRecords probes;
    const std::filesystem::path probe =
        file::fixture::copyProbe(temp.path() / L"bin", L"probe.exe");
    const std::filesystem::path link = temp.path() / L"bin" / L"道具.lnk";
    shell::Shortcut shortcut;
    shortcut.setPath(probe.wstring());
    shortcut.setArguments(L"from link");
    shortcut.save(link.wstring());
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    std::vector<file::fixture::ProbeRecord> started;
    const DWORD exitCode = run({}, [&](DWORD, HWND launcher) {
        // The bar once it shows count buttons, the last one's arrow in sight, in the work area.
        const auto shows = [&](int count) {
            RECT bar{};
            EXPECT_TRUE(waitFor([&] {
                GetWindowRect(toolBarOf(launcher), &bar);
                const RECT last = buttonOnScreen(toolBarOf(launcher), count).value_or(bar);
                return buttonCount(toolBarOf(launcher)) == count && last.right <= bar.right;
            })) << count;
            EXPECT_TRUE(bar.left > area.left && bar.top >= area.top && bar.right <= area.right &&
                        bar.bottom <= area.bottom)
                << bar.left << "," << bar.top << " " << bar.right << "," << bar.bottom;
            return bar;
        };
        const RECT empty = shows(0);
        EXPECT_GE(empty.right - empty.left,
                  gui::EmptyBarHint::extent(static_cast<int>(GetDpiForWindow(launcher))).cx);
        const POINT middle{(empty.left + empty.right) / 2, (empty.top + empty.bottom) / 2};
        ASSERT_EQ(WindowFromPoint(middle), toolBarOf(launcher)) << "the bar is covered";
        ASSERT_TRUE(dropFilesAt(middle, {probe.wstring()}));
        // The title strip stands left of the bar.
        const RECT one = shows(1);
        ASSERT_TRUE(dropFilesAt({one.left - 2, (one.top + one.bottom) / 2},
                                {link.wstring(), probe.wstring()}));
        shows(3);
        clickButton(toolBarOf(launcher), 1);
        probes.wait(1);
        clickButton(toolBarOf(launcher), 2);
        started = probes.wait(2);
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(shown.empty());
    ASSERT_EQ(started.size(), 2u);
    EXPECT_TRUE(started[0].command.ends_with("probe.exe\"")) << started[0].command;
    EXPECT_TRUE(started[1].command.ends_with(" from link")) << started[1].command;
    EXPECT_EQ(readBytes(data / L"app.dvk"),
              byteOrderMark + std::string(file::fixture::defaultSettingsText));
    EXPECT_NE(readBytes(data / L"items.dvk").find("Item/道具\\道具\r\n"), std::string::npos);
    EXPECT_NE(
        readBytes(data / L"groups.dvk").find("Group/Main Group/Sub Group$probe\t道具\tprobe_2\r\n"),
        std::string::npos);
}

// A save writes an empty group as a line that the next load drops.
TEST_F(TavrinExeTest, EmptyGroupsWrittenByTheLastRunDoNotStopTheNextStart) {
    std::filesystem::create_directories(data);
    const std::string groups = std::string(byteOrderMark) + "Group$空\r\n"
                                                            "Group/<Menu>$Nothing\r\n"
                                                            "Group/<Menu>/Nothing$\r\n"
                                                            "Group/空$\r\n";
    writeBytes(data / L"groups.dvk", groups);
    ASSERT_EQ(run(), 0u);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(readBytes(data / L"groups.dvk"), std::string(byteOrderMark) +
                                                   "Group$空\r\n"
                                                   "Group/<Menu>$Nothing\r\n");
}

TEST_F(TavrinExeTest, FirstRunWritesTheDefaultSettingsThatASecondRunLeavesByteForByte) {
    ASSERT_EQ(run(), 0u);
    const std::string written = readBytes(data / L"app.dvk");
    EXPECT_EQ(written, byteOrderMark + std::string(file::fixture::defaultSettingsText));
    ASSERT_EQ(run(), 0u);
    EXPECT_EQ(readBytes(data / L"app.dvk"), written);
}

TEST_F(TavrinExeTest, DamagedSettingsStartNormallyAndAreWrittenBackRepaired) {
    writeBytes(temp.path() / L"static.dvk", logOn);
    std::filesystem::create_directories(data);
    writeBytes(data / L"app.dvk", "no type character here\n"
                                  ";a comment before an empty line\n"
                                  "\n"
                                  "Window:9\n"
                                  "Window/Left:10\n"
                                  "Window/Top\\wide\n"
                                  "Window/Float/Pos=5\n"
                                  "Window/Float/Size=10\t300\n"
                                  "Folder:3\n"
                                  "Folder/Program:1\n"
                                  "Launcher/History:many\n"
                                  "Launcher/Button/Text:0\n"
                                  "Launcher/Button/List:1\n"
                                  "Launcher/Command/Keys=1\n"
                                  "Launcher/Command/Font/Size:6\n"
                                  "Launcher/Command/Color/ID!123456\n"
                                  "Launcher/Command/Color/Tag!ABCDEF\t*\n"
                                  "Launcher/Command/Timer=1\t2\t\t3\n"
                                  "Execute/Dialog:0\n"
                                  "//:1\n");
    ASSERT_EQ(run(), 0u);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(readBytes(data / L"app.dvk"),
              byteOrderMark +
                  file::fixture::defaultSettingsWith(
                      {{"Execute/Dialog:1", "Execute/Dialog:0"},
                       {"Launcher/Command/Color/Tag!*\t*", "Launcher/Command/Color/Tag!ABCDEF\t*"},
                       {"Window/Float/Size=16\t16", "Window/Float/Size=16\t300"}}));

    const std::vector<LogEntry> entries = onlyLogEntries(logFiles());
    const auto conflict = std::find_if(entries.begin(), entries.end(), [](const LogEntry& entry) {
        return entry.message == "ボタン型テキスト表示設定が不正";
    });
    ASSERT_NE(conflict, entries.end());
    EXPECT_EQ(conflict->file, "src/file/app.cpp");
    EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                            [](const LogEntry& entry) {
                                return entry.message.find("ボタン型") != std::string::npos;
                            }),
              1);
}

TEST_F(TavrinExeTest, FolderProgramNamingNoItemIsLoggedAndTurnedOff) {
    writeBytes(temp.path() / L"static.dvk", logOn);
    std::filesystem::create_directories(data);
    writeBytes(data / L"app.dvk", "Folder:2\r\nFolder/Program\\どこにもない\r\n");
    ASSERT_EQ(run(), 0u);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(readBytes(data / L"app.dvk"),
              byteOrderMark + file::fixture::defaultSettingsWith(
                                  {{"Folder/Program\\\\e", "Folder/Program\\どこにもない"}}));

    const std::vector<LogEntry> entries = onlyLogEntries(logFiles());
    const auto logged = std::find_if(entries.begin(), entries.end(), [](const LogEntry& entry) {
        return entry.message.starts_with("folder program not usable");
    });
    ASSERT_NE(logged, entries.end());
    EXPECT_NE(logged->message.find("どこにもない\r\n"), std::string::npos) << logged->message;
    EXPECT_EQ(logged->file, "src/app/application.cpp");
}

TEST_F(TavrinExeTest, LockedDataFileIsLeftAloneWhileTheOthersAreWritten) {
    std::filesystem::create_directories(data);
    writeBytes(data / L"groups.dvk", "Group$a\r\n");
    const HANDLE locked = CreateFileW((data / L"groups.dvk").c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    const DWORD exitCode = run();
    CloseHandle(locked);

    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(readBytes(data / L"groups.dvk"), "Group$a\r\n");
    EXPECT_TRUE(readBytes(data / L"app.dvk").starts_with(byteOrderMark));
    EXPECT_TRUE(readBytes(data / L"items.dvk").starts_with(byteOrderMark));
}

TEST_F(TavrinExeTest, StaticConfigurationBesideTheProgramMovesTheDataFolder) {
    writeBytes(temp.path() / L"static.dvk", "folder/data\\<TAVRIN>\\\\個人\r\n"
                                            "file/data/items\\もの.dvk\r\n");
    ASSERT_EQ(run(), 0u);
    EXPECT_EQ(readBytes(temp.path() / L"個人" / L"もの.dvk"), byteOrderMark);
    EXPECT_EQ(readBytes(temp.path() / L"個人" / L"app.dvk"),
              byteOrderMark + std::string(file::fixture::defaultSettingsText));
    EXPECT_FALSE(std::filesystem::exists(temp.path() / L"data"));
}

TEST_F(TavrinExeTest, LogSwitchedOnWritesOneFileFromStartToEnd) {
    writeBytes(temp.path() / L"static.dvk", logOn);
    ASSERT_EQ(run(L"\"二 語\" x"), 0u);
    EXPECT_TRUE(shown.empty());
    const std::vector<LogEntry> entries = onlyLogEntries(logFiles());
    ASSERT_EQ(entries.size(), 3u);

    const std::string& start = entries[0].message;
    ASSERT_TRUE(start.starts_with("Log Start.\r\n")) << start;
    std::vector<std::string> report;
    for (std::size_t at = 12, end; at <= start.size(); at = end + 2) {
        end = std::min(start.find("\r\n", at), start.size());
        report.push_back(start.substr(at, end - at));
    }
    ASSERT_EQ(report.size(), 46u) << start;
    EXPECT_EQ(report[0], "[OS]");
    EXPECT_EQ(report[6], "[MEMORY]");
    EXPECT_EQ(report[13], "[CPU]");
    EXPECT_EQ(report[36], "[COMPILER]");
    EXPECT_EQ(report[40], "[COMPILE]");
    EXPECT_TRUE(report[1].starts_with("Window: ")) << report[1];
    EXPECT_TRUE(std::regex_match(report[45], std::regex("CoverageVersion: (true|false)")));

    EXPECT_EQ(entries[1].message, "args -> [\"" + utf8(program) + "\", \"二 語\", \"x\"]");
    EXPECT_EQ(entries[1].file, "src/tavrin/main.cpp");
    EXPECT_EQ(entries[2].message, "Log End.");
    EXPECT_TRUE(readBytes(data / L"app.dvk").starts_with(byteOrderMark));
}

TEST_F(TavrinExeTest, LogSwitchedOffMakesNoFolderAndNoFile) {
    ASSERT_EQ(run(), 0u);
    EXPECT_FALSE(std::filesystem::exists(temp.path() / L"log"));
    writeBytes(temp.path() / L"static.dvk", std::string(byteOrderMark) + "setting/log:0\r\n");
    ASSERT_EQ(run(), 0u);
    EXPECT_FALSE(std::filesystem::exists(temp.path() / L"log"));
    EXPECT_TRUE(shown.empty());
}

TEST_F(TavrinExeTest, DataFileKeptFromBeingSavedIsLoggedAtLoadAndAtSave) {
    writeBytes(temp.path() / L"static.dvk", logOn);
    std::filesystem::create_directories(data);
    writeBytes(data / L"groups.dvk", "Group$a\r\n");
    const HANDLE locked = CreateFileW((data / L"groups.dvk").c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    const DWORD exitCode = run();
    CloseHandle(locked);
    EXPECT_EQ(exitCode, 0u);

    const std::vector<std::string> messages = logMessages(onlyLogEntries(logFiles()));
    ASSERT_EQ(messages.size(), 5u);
    const std::string groups = utf8(data / L"groups.dvk");
    const std::string notLoaded = "not loaded, so it will not be saved: " + groups + "\r\n";
    EXPECT_TRUE(messages[1].starts_with(notLoaded)) << messages[1];
    EXPECT_GT(messages[1].size(), notLoaded.size()) << "no reason given";
    EXPECT_TRUE(messages[2].starts_with("args -> ")) << messages[2];
    EXPECT_TRUE(messages[3].starts_with("not saved: " + groups + "\r\n")) << messages[3];
    EXPECT_EQ(messages[4], "Log End.");
}

// An editor's UTF-16 file is read and written back as UTF-8; bytes that are no text are
// never rewritten, and the user is told before anything else, with the log off.
TEST_F(TavrinExeTest, UnicodeFilesLoadAndFilesThatAreNoTextAreKeptAndShown) {
    std::filesystem::create_directories(data);
    const std::string items = "Item/メモ帳\\メモ\r\nItem/メモ帳/Address\\notepad.exe\r\n";
    std::wstring wide = system::toWide(items);
    std::string utf16 = "\xFF\xFE";
    for (const wchar_t unit : wide) {
        utf16 += static_cast<char>(unit & 0xFF);
        utf16 += static_cast<char>(unit >> 8);
    }
    writeBytes(data / L"items.dvk", utf16);
    const std::string notText = "Group$a\r\nGroup/a$\xC3\x28\r\n";
    writeBytes(data / L"groups.dvk", notText);

    ASSERT_EQ(run(), 0u);
    EXPECT_EQ(readBytes(data / L"groups.dvk"), notText);
    const std::string saved = readBytes(data / L"items.dvk");
    EXPECT_TRUE(saved.starts_with(byteOrderMark)) << saved;
    EXPECT_NE(saved.find("Item/メモ帳\\メモ\r\nItem/メモ帳/Address\\notepad.exe\r\n"),
              std::string::npos)
        << saved;
    EXPECT_EQ(saved.find('\0'), std::string::npos);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find(utf8(data / L"groups.dvk")), std::string::npos) << shown[0];
    EXPECT_NE(shown[0].find("line 2"), std::string::npos) << shown[0];
    EXPECT_NE(shown[0].find("保存されません"), std::string::npos) << shown[0];
}

TEST_F(TavrinExeTest, BrokenItemsInTheShownGroupDoNotStopTheStartAndAreKept) {
    std::filesystem::create_directories(data);
    const std::string items = std::string(byteOrderMark) +
                              "Item/dead/Address\\deleted\r\n"
                              "Item/dead/Type:3\r\n"
                              "Item/loop/Address\\loop2\r\n"
                              "Item/loop/Type:3\r\n"
                              "Item/loop2/Address\\loop\r\n"
                              "Item/loop2/Type:3\r\n"
                              "Item/share/Address\\\\\\\\nonexistent-host\\\\share\\\\x.exe\r\n";
    writeBytes(data / L"items.dvk", items);
    writeBytes(data / L"groups.dvk", "Group$Work\r\nGroup/Work$Tools\r\n"
                                     "Group/Work/Tools$dead\tloop\tshare\r\n");
    ASSERT_EQ(run(), 0u);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(readBytes(data / L"items.dvk").starts_with(byteOrderMark));
    EXPECT_NE(readBytes(data / L"items.dvk").find("Item/loop2/Address\\loop\r\n"),
              std::string::npos);
}

TEST_F(TavrinExeTest, LogFolderThatCannotBeMadeIsShownAndTheLauncherStartsAnyway) {
    writeBytes(temp.path() / L"blocker", "a file, not a folder");
    writeBytes(temp.path() / L"static.dvk", logOn + "folder/log\\<TAVRIN>\\\\blocker\\\\log\r\n");
    ASSERT_EQ(run(), 0u);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("ログを開始できません"), std::string::npos) << shown[0];
    EXPECT_NE(shown[0].find(utf8(temp.path() / L"blocker")), std::string::npos) << shown[0];
    EXPECT_EQ(readBytes(temp.path() / L"blocker"), "a file, not a folder");
    EXPECT_TRUE(readBytes(data / L"app.dvk").starts_with(byteOrderMark));
}

// The default hot key, Alt+N, held by this process: the launcher logs and runs without it.
TEST_F(TavrinExeTest, HotKeyTakenElsewhereIsLoggedAndTheLauncherRunsWithoutIt) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_ALT, 'N'));
    writeBytes(temp.path() / L"static.dvk", logOn);
    bool ran = false;
    const DWORD exitCode = run({}, [&](DWORD, HWND launcher) { ran = IsWindowVisible(launcher); });
    UnregisterHotKey(nullptr, 1);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(ran);
    const std::vector<std::string> messages = logMessages(onlyLogEntries(logFiles()));
    EXPECT_EQ(std::count(messages.begin(), messages.end(), "ホットキー競合？"), 1)
        << messages.size();
}

// A modal dialog disables the launcher: its hot key is let go until the launcher is enabled.
TEST_F(TavrinExeTest, DisabledLauncherLetsItsHotKeyGoUntilEnabledAgain) {
    std::vector<bool> free;
    const DWORD exitCode = run({}, [&](DWORD, HWND launcher) {
        const auto isFree = [] {
            const bool taken = RegisterHotKey(nullptr, 1, MOD_ALT, 'N');
            UnregisterHotKey(nullptr, 1);
            return taken;
        };
        free.push_back(isFree());
        EnableWindow(launcher, FALSE);
        free.push_back(waitFor(isFree));
        EnableWindow(launcher, TRUE);
        free.push_back(!waitFor([&] { return !isFree(); }));
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(free, (std::vector<bool>{false, true, false}));
}

// The hook library in the plug-in folder is loaded only with the desktop click switched on;
// one that is missing or lacks an export is logged and the launcher runs without it.
TEST_F(TavrinExeTest, HookLibraryIsLoadedOnlyWhenSwitchedOnAndAFailingOneIsLogged) {
    const struct {
        const char* what;
        const char* library;
        const char* desktop;
        bool loaded;
        const char* logged;
    } cases[] = {
        {"own library", TAVRIN_HOOKER_DLL, "1", true, nullptr},
        {"switched off", TAVRIN_HOOKER_DLL, "0", false, nullptr},
        {"missing", nullptr, "1", false, "plugin\\Hooker.dll"},
        {"lacking the information export", TESTPLUGIN_NO_INFOS, "1", false, "DllToolInfos"},
    };
    writeBytes(temp.path() / L"static.dvk", logOn);
    std::filesystem::create_directories(temp.path() / L"plugin");
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove_all(temp.path() / L"log");
        std::filesystem::remove(temp.path() / L"plugin" / L"Hooker.dll");
        if (row.library != nullptr) {
            std::filesystem::copy_file(winePath(row.library),
                                       temp.path() / L"plugin" / L"Hooker.dll");
        }
        std::filesystem::create_directories(data);
        writeBytes(data / L"app.dvk", std::string("Launcher/Menu/Desktop:") + row.desktop + "\r\n");
        std::optional<bool> loaded;
        ASSERT_EQ(run({}, [&](DWORD processId,
                              HWND) { loaded = moduleLoaded(processId, L"Hooker.dll"); }),
                  0u);
        EXPECT_EQ(loaded, row.loaded);
        EXPECT_TRUE(shown.empty());
        const std::vector<std::string> messages = logMessages(onlyLogEntries(logFiles()));
        const auto failure =
            std::find_if(messages.begin(), messages.end(), [](const auto& message) {
                return message.starts_with("hook library not used");
            });
        ASSERT_EQ(failure != messages.end(), row.logged != nullptr);
        if (row.logged != nullptr) {
            EXPECT_NE(failure->find(row.logged), std::string::npos) << *failure;
        }
    }
}

TEST_F(TavrinExeTest, SampleDataLoadsWithoutAWordAndIsKept) {
    std::filesystem::create_directories(data);
    for (const wchar_t* name : {L"items.dvk", L"groups.dvk"}) {
        writeBytes(data / name,
                   readBytes(std::filesystem::path(winePath(TAVRIN_SAMPLE_DIR)) / name));
    }
    ASSERT_EQ(run(), 0u);
    EXPECT_TRUE(shown.empty());
    const std::string groups = readBytes(data / L"groups.dvk");
    EXPECT_NE(groups.find("Group/サンプル/ツール$notepad\tcmd\r\n"), std::string::npos) << groups;
    EXPECT_NE(groups.find("Group/<Menu>/サンプル$notepad\tcmd\twindows\tweb\r\n"),
              std::string::npos)
        << groups;
    const std::string items = readBytes(data / L"items.dvk");
    for (const char* kept : {"Item/notepad/Address\\%SystemRoot%\\\\system32\\\\notepad.exe\r\n",
                             "Item/web/Type:1\r\n", "Item/cmd/Address\\%ComSpec%\r\n",
                             "Item/windows/Address\\%SystemRoot%\r\n"}) {
        EXPECT_NE(items.find(kept), std::string::npos) << kept << "\n" << items;
    }
}

// The test holds the data folder as a running launcher would, with a window of its own: that
// window belongs to another program, so the second start leaves it alone too.
TEST_F(TavrinExeTest, SecondStartOnAHeldDataFolderTouchesNothingAndCallsNoOtherProgram) {
    const HWND window =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    SingleInstance running(data.wstring());
    ASSERT_TRUE(running.first());
    running.publish(window);

    ASSERT_EQ(run(), 0u);
    EXPECT_FALSE(std::filesystem::exists(data));
    EXPECT_TRUE(shown.empty());
    MSG message{};
    EXPECT_FALSE(PeekMessageW(&message, window, 0x8004, 0x8004, PM_REMOVE));

    writeBytes(temp.path() / L"static.dvk", "folder/data\\<TAVRIN>\\\\other\r\n");
    ASSERT_EQ(run(), 0u);
    EXPECT_TRUE(readBytes(temp.path() / L"other" / L"app.dvk").starts_with(byteOrderMark));
    EXPECT_FALSE(PeekMessageW(&message, window, 0x8004, 0x8004, PM_REMOVE));
    DestroyWindow(window);
}

// A path as a string value of a data file: its backslashes doubled.
std::string dvkPath(const std::filesystem::path& path) {
    std::string text;
    for (const char c : utf8(path)) {
        text += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
    return text;
}

// Runs a second copy of the program to its end; its exit code.
DWORD runToEnd(const std::filesystem::path& program, const std::filesystem::path& folder) {
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        return ~DWORD(0);
    }
    CloseHandle(process.hThread);
    DWORD exitCode = ~DWORD(0);
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &exitCode);
    } else {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hProcess);
    return exitCode;
}

// A group of three items: two start the probe with their own option, the third names a
// program that is not there, in a folder with a blank, beside a program named by its first
// word ("...\bin\ない" of "...\bin\ない Tools\tool.exe") that must not start in its place.
class LauncherTest : public TavrinExeTest {
protected:
    LauncherTest() {
        const std::filesystem::path probe =
            file::fixture::copyProbe(temp.path() / L"bin", L"probe.exe");
        file::fixture::copyProbe(temp.path() / L"bin", L"ない.exe");
        std::filesystem::create_directories(data);
        writeBytes(data / L"app.dvk", "Launcher/Button/Text:1\r\n");
        const std::filesystem::path missing = temp.path() / L"bin" / L"ない Tools" / L"tool.exe";
        writeBytes(data / L"items.dvk", "Item/one\\一番\r\n"
                                        "Item/one/Address\\" +
                                            dvkPath(probe) +
                                            "\r\n"
                                            "Item/one/Option\\first\r\n"
                                            "Item/two\\二番\r\n"
                                            "Item/two/Address\\" +
                                            dvkPath(probe) +
                                            "\r\n"
                                            "Item/two/Option\\second\r\n"
                                            "Item/gone\\ない\r\n"
                                            "Item/gone/Address\\" +
                                            dvkPath(missing) + "\r\n");
        writeBytes(data / L"groups.dvk",
                   "Group$試験\r\nGroup/試験$一\r\nGroup/試験/一$one\ttwo\tgone\r\n");
    }

    file::fixture::ProbeRecords probes;
};

TEST_F(LauncherTest, ButtonsShowTheGroupAndAPressStartsItsItemWhileAFailedStartIsShown) {
    std::vector<std::string> texts;
    std::vector<file::fixture::ProbeRecord> started;
    std::optional<ShownFailure> failure;
    bool stayed = false;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
        const HWND toolBar = toolBarOf(launcher);
        waitFor([toolBar] { return buttonCount(toolBar) == 3; });
        texts = buttonTexts(toolBar);

        pressButton(launcher, toolBar, 2);
        started = probes.wait(1);

        pressButton(launcher, toolBar, 3);
        waitFor([&] { return (failure = exceptionDialog(processId)).has_value(); });
        if (failure) {
            closeExceptionDialog(failure->dialog);
            waitFor([&] { return !IsWindow(failure->dialog); });
        }
        stayed = IsWindow(launcher) && IsWindowVisible(launcher);
        started = probes.wait(1);
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(texts, (std::vector<std::string>{"一番", "二番", "ない"}));
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(started[0].command.ends_with(" second")) << started[0].command;
    ASSERT_TRUE(failure.has_value()) << "a failed start showed no exception dialog";
    EXPECT_NE(failure->text.find("ない Tools\\tool.exe["), std::string::npos) << failure->text;
    EXPECT_TRUE(stayed);
    const std::string items = readBytes(data / L"items.dvk");
    EXPECT_NE(items.find("Item/two/History/Use:1\r\n"), std::string::npos) << items;
    EXPECT_EQ(items.find("Item/one/History/Use:1"), std::string::npos) << items;
}

// What the title bar sends on a right press: the list of the buttons, whose first entry
// starts the first item.
TEST_F(LauncherTest, ButtonListAskedForByTheTitleBarStartsTheChosenItem) {
    std::vector<file::fixture::ProbeRecord> started;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
        waitFor([launcher] { return buttonCount(toolBarOf(launcher)) == 3; });
        PostMessageW(launcher, 0x8003, 0, 0);
        ASSERT_TRUE(waitFor([processId] { return openMenu(processId) != nullptr; }));
        typeKeys({VK_DOWN, VK_RETURN});
        started = probes.wait(1);
    });
    EXPECT_EQ(exitCode, 0u);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(started[0].command.ends_with(" first")) << started[0].command;
}

// Keys typed with SendInput drive a menu of another process under Wine; posting WM_COMMAND
// would not, as the menu hands its choice to the code that tracks it, and the menu's handle
// cannot be read from outside.
TEST_F(LauncherTest, TrayRightClickOpensTheWindowMenuThatHidesAndEndsTheLauncher) {
    bool hid = false;
    bool ended = false;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
        const auto openWindowMenu = [processId, launcher] {
            PostMessageW(launcher, 0x8002, 0, WM_RBUTTONUP);
            return waitFor([processId] { return openMenu(processId) != nullptr; });
        };
        // The first entry's sub-menu, and its last entry: "非表示".
        ASSERT_TRUE(openWindowMenu());
        typeKeys({VK_DOWN, VK_RIGHT, VK_UP, VK_RETURN});
        hid = waitFor([launcher] { return !IsWindowVisible(launcher); });
        // Hidden, the tray icon still reaches it; the last entry: "終了".
        ASSERT_TRUE(openWindowMenu());
        typeKeys({VK_UP, VK_RETURN});
        ended = waitFor([launcher] { return !IsWindow(launcher); });
    });
    EXPECT_TRUE(hid) << "the launcher was not hidden from its menu";
    EXPECT_TRUE(ended) << "the launcher did not end from its menu";
    EXPECT_EQ(exitCode, 0u);
    const std::string settings = readBytes(data / L"app.dvk");
    EXPECT_NE(settings.find("\r\nWindow:5\r\n"), std::string::npos) << settings;
}

// Docked at the left and widened by a drag of its inner side, then at the bottom, then floating
// again: each edge holds the bar with its stored thickness, the floating place comes back, and
// the sizes outlive the run.
TEST_F(LauncherTest, WindowMenuDocksAtTheEdgesAndFloatsAgainWithTheSizesKept) {
    writeBytes(data / L"app.dvk", "Launcher/Button/Text:1\r\nWindow:4\r\nWindow/Left:150\r\n"
                                  "Window/Bottom:60\r\nWindow/Float/Pos=120\t130\r\n"
                                  "Window/Float/Size=300\t90\r\n");
    const LONG width = GetSystemMetrics(SM_CXSCREEN);
    const LONG height = GetSystemMetrics(SM_CYSCREEN);
    const struct {
        WindowEntry entry;
        RECT expected;
        LONG widened;
    } steps[] = {
        {WindowEntry::LEFT, {0, 0, 150, height}, 200},
        {WindowEntry::BOTTOM, {0, height - 60, width, height}, 0},
        {WindowEntry::FLOAT, {120, 130, 420, 220}, 0},
        {WindowEntry::LEFT, {0, 0, 200, height}, 0},
        {WindowEntry::FLOAT, {120, 130, 420, 220}, 0},
    };
    bool ended = false;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
        const auto placedAt = [launcher](RECT expected) {
            RECT placed{};
            const bool there = waitFor([&] {
                GetWindowRect(launcher, &placed);
                return EqualRect(&placed, &expected) != FALSE;
            });
            EXPECT_TRUE(there) << placed.left << "," << placed.top << " " << placed.right << ","
                               << placed.bottom;
        };
        for (const auto& [entry, expected, widened] : steps) {
            ASSERT_TRUE(chooseWindowEntry(processId, launcher, entry)) << static_cast<int>(entry);
            placedAt(expected);
            if (widened != 0) {
                // What a drag of the inner side leaves when it ends.
                MoveWindow(launcher, expected.left, expected.top, widened,
                           expected.bottom - expected.top, TRUE);
                SendMessageW(launcher, WM_EXITSIZEMOVE, 0, 0);
                placedAt({expected.left, expected.top, expected.left + widened, expected.bottom});
            }
        }
        // The top menu's last entry: "終了".
        ASSERT_TRUE(openWindowMenu(processId, launcher));
        typeKeys({VK_UP, VK_RETURN});
        ended = waitFor([launcher] { return !IsWindow(launcher); });
    });
    EXPECT_TRUE(ended);
    EXPECT_EQ(exitCode, 0u);
    const std::string settings = readBytes(data / L"app.dvk");
    for (const char* kept :
         {"\r\nWindow:4\r\n", "\r\nWindow/Left:200\r\n", "\r\nWindow/Bottom:60\r\n",
          "\r\nWindow/Float/Pos=120\t130\r\n", "\r\nWindow/Float/Size=300\t90\r\n"}) {
        EXPECT_NE(settings.find(kept), std::string::npos) << kept << " in " << settings;
    }
}

// The launcher's group with two menu groups: "一覧" lists both items, "別" only the second.
class MenuLauncherTest : public LauncherTest {
protected:
    MenuLauncherTest() {
        writeBytes(data / L"groups.dvk", readBytes(data / L"groups.dvk") +
                                             "Group/<Menu>$一覧\t別\r\n"
                                             "Group/<Menu>/一覧$one\ttwo\r\n"
                                             "Group/<Menu>/別$two\r\n");
    }
};

// Entries: the groups first, then the current group's items. A group chosen re-opens the menu
// with its items, and it stays current for the next opening; a hidden launcher still opens it
// from the tray, and when it is started a second time.
TEST_F(MenuLauncherTest, MiddleClickAndTrayLeftClickOpenTheMenuLauncherThatStartsTheChoice) {
    const std::vector<WORD> third{VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN};
    const struct {
        const char* way;
        bool hidden;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        std::vector<std::vector<WORD>> menus;
        const char* option;
    } rows[]{
        {"middle click in the launcher",
         false,
         WM_MBUTTONDOWN,
         MK_MBUTTON,
         MAKELPARAM(4, 4),
         {third},
         " first"},
        {"tray left click, group 別",
         false,
         0x8002,
         0,
         WM_LBUTTONDOWN,
         {{VK_DOWN, VK_DOWN, VK_RETURN}, third},
         " second"},
        {"tray left click while hidden, group 一覧",
         true,
         0x8002,
         0,
         WM_LBUTTONDOWN,
         {{VK_DOWN, VK_RETURN}, third},
         " first"},
        {"second start while hidden", false, 0, 0, 0, {third}, " first"},
    };
    std::vector<file::fixture::ProbeRecord> started;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
        for (std::size_t row = 0; row < std::size(rows); ++row) {
            SCOPED_TRACE(rows[row].way);
            if (rows[row].hidden) {
                // The window menu's first sub-menu, its last entry: "非表示".
                PostMessageW(launcher, 0x8002, 0, WM_RBUTTONUP);
                ASSERT_TRUE(typeInMenus(processId, {{VK_DOWN, VK_RIGHT, VK_UP, VK_RETURN}}));
                ASSERT_TRUE(waitFor([launcher] { return !IsWindowVisible(launcher); }));
            }
            if (rows[row].message != 0) {
                PostMessageW(launcher, rows[row].message, rows[row].wParam, rows[row].lParam);
            } else {
                ASSERT_EQ(runToEnd(program, temp.path()), 0u);
            }
            ASSERT_TRUE(typeInMenus(processId, rows[row].menus));
            started = probes.wait(row + 1);
            ASSERT_EQ(started.size(), row + 1);
            EXPECT_TRUE(started.back().command.ends_with(rows[row].option))
                << started.back().command;
        }
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(shown.empty());
}

TEST_F(LauncherTest, SecondStartEndsAndTheFirstStaysAndTheSessionsEndWritesTheData) {
    DWORD second = ~DWORD(0);
    bool stayed = false;
    std::string writtenWhileRunning;
    const DWORD exitCode = run({}, [&](DWORD, HWND launcher) {
        second = runToEnd(program, temp.path());
        stayed = IsWindow(launcher) && IsWindowVisible(launcher);
        SendMessageW(launcher, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
        SendMessageW(launcher, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        writtenWhileRunning = readBytes(data / L"app.dvk");
    });
    EXPECT_EQ(second, 0u);
    EXPECT_TRUE(stayed);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(writtenWhileRunning.starts_with(byteOrderMark + std::string("Execute/Dialog:1")))
        << writtenWhileRunning;
}

// The file as it stands, or empty while it cannot be read (being replaced).
std::string bytesNow(const std::filesystem::path& path) {
    try {
        return readBytes(path);
    } catch (const std::exception&) {
        return {};
    }
}

void kill(DWORD processId) {
    const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId);
    ASSERT_NE(process, nullptr) << GetLastError();
    TerminateProcess(process, 9);
    CloseHandle(process);
}

// Three text buttons fit the first start with every arrow in sight. A slow drag of the right
// side, two pixels a step, keeps the edge within half a button of the pointer; the size the user
// dragged to is stored and the next start keeps it.
TEST_F(LauncherTest, FittedWindowShowsItsButtonsAndADragFollowsThePointerAndIsKept) {
    bool arrowsShown = false;
    LONG button = 0;
    LONG pointer = 0;
    RECT dragged{};
    bool stored = false;
    const DWORD exitCode = run({}, [&](DWORD, HWND launcher) {
        const HWND bar = toolBarOf(launcher);
        ASSERT_TRUE(waitFor([bar] { return buttonCount(bar) == 3; }));
        RECT shown{};
        GetWindowRect(bar, &shown);
        const RECT last = buttonOnScreen(bar, 3).value_or(RECT{});
        arrowsShown = last.left > shown.left && last.right <= shown.right;
        button = last.right - last.left;
        RECT start{};
        GetWindowRect(launcher, &start);
        const POINT from{start.right - 2, (start.top + start.bottom) / 2};
        ASSERT_TRUE(waitFor([&] { return WindowFromPoint(from) == launcher; }));
        const int way = button * 7 / 4 / 2 * 2;
        dragRight(from, way, 2);
        pointer = from.x + way;
        // The drag is over once its end stored the size it left.
        stored = waitFor([&] {
            GetWindowRect(launcher, &dragged);
            const std::string size =
                "\r\nWindow/Float/Size=" + std::to_string(dragged.right - dragged.left) + "\t" +
                std::to_string(dragged.bottom - dragged.top) + "\r\n";
            return dragged.right != start.right &&
                   bytesNow(data / L"app.dvk").find(size) != std::string::npos;
        });
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(arrowsShown);
    EXPECT_TRUE(stored) << dragged.left << "-" << dragged.right << " "
                        << readBytes(data / L"app.dvk");
    // Pressed two pixels inside the edge.
    EXPECT_LE(std::abs(dragged.right - pointer - 2), button / 2)
        << "edge " << dragged.right << ", pointer " << pointer << ", button " << button;
    RECT kept{};
    ASSERT_EQ(run({}, [&](DWORD, HWND launcher) { GetWindowRect(launcher, &kept); }), 0u);
    EXPECT_TRUE(EqualRect(&kept, &dragged))
        << kept.left << "," << kept.top << " " << kept.right << "," << kept.bottom;
}

// A kill ends the launcher without a word: what it changed a few seconds before is on disk.
TEST_F(LauncherTest, AStartIsWrittenWithinSecondsAndSurvivesAKill) {
    const std::string counted = "Item/two/History/Use:1\r\n";
    bool writtenWhileRunning = false;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
        const HWND toolBar = toolBarOf(launcher);
        waitFor([toolBar] { return buttonCount(toolBar) == 3; });
        pressButton(launcher, toolBar, 2);
        probes.wait(1);
        writtenWhileRunning = waitFor(
            [&] { return bytesNow(data / L"items.dvk").find(counted) != std::string::npos; });
        kill(processId);
    });
    EXPECT_EQ(exitCode, 9u);
    EXPECT_TRUE(writtenWhileRunning);
    const std::string items = readBytes(data / L"items.dvk");
    EXPECT_NE(items.find(counted), std::string::npos) << items;
}

// A broken hand edit is said once and left as it is while the launcher goes on; once mended,
// the edit shows in the tool bar (made anew by the reload) within seconds.
TEST_F(LauncherTest, AFileBrokenByHandIsKeptAndSaidOnceAndItsMendShowsWithinSeconds) {
    const std::string broken = "Group$試験\r\nGroup/試験$一\r\nGroup/試験/一$\xC3\x28\r\n";
    const std::string mended =
        "Group$試験\r\nGroup/試験$一\r\nGroup/試験/一$one\ttwo\tgone\ttwo\r\n";
    std::string whileBroken;
    bool stayed = false;
    std::vector<std::string> texts;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
        waitFor([launcher] { return buttonCount(toolBarOf(launcher)) == 3; });
        writeBytes(data / L"groups.dvk", broken);
        std::set<HWND> answered;
        waitFor([&] {
            answerMessageBoxes(processId, answered);
            return !shown.empty();
        });
        // Looks pass over the broken file: none says it again or writes it.
        ASSERT_TRUE(waitForDiskLooks(launcher, 3));
        answerMessageBoxes(processId, answered);
        whileBroken = readBytes(data / L"groups.dvk");
        stayed = buttonCount(toolBarOf(launcher)) == 3;

        writeBytes(data / L"groups.dvk", mended);
        waitFor([&] { return buttonCount(toolBarOf(launcher)) == 4; });
        texts = buttonTexts(toolBarOf(launcher));
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(whileBroken, broken);
    EXPECT_TRUE(stayed);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find(utf8(data / L"groups.dvk")), std::string::npos) << shown[0];
    EXPECT_NE(shown[0].find("保存されません"), std::string::npos) << shown[0];
    EXPECT_EQ(texts, (std::vector<std::string>{"一番", "二番", "ない", "二番"}));
}

// The user's edit of the items made while a start waits to be written wins, and the start is
// counted again on top of it.
TEST_F(LauncherTest, AHandEditRightAfterAStartKeepsBothTheEditAndTheCount) {
    const std::string counted = "Item/two/History/Use:1\r\n";
    std::vector<std::string> texts;
    bool bothWhileRunning = false;
    const DWORD exitCode = run({}, [&](DWORD, HWND launcher) {
        waitFor([launcher] { return buttonCount(toolBarOf(launcher)) == 3; });
        std::string edited = readBytes(data / L"items.dvk");
        edited.replace(edited.find("一番"), std::string_view("一番").size(), "壱番");
        pressButton(launcher, toolBarOf(launcher), 2);
        writeBytes(data / L"items.dvk", edited);
        probes.wait(1);
        waitFor([&] {
            texts = buttonTexts(toolBarOf(launcher));
            return !texts.empty() && texts.front() == "壱番";
        });
        bothWhileRunning = waitFor([&] {
            const std::string items = bytesNow(data / L"items.dvk");
            return items.find(counted) != std::string::npos &&
                   items.find("Item/one\\壱番") != std::string::npos;
        });
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(texts, (std::vector<std::string>{"壱番", "二番", "ない"}));
    EXPECT_TRUE(bothWhileRunning);
    const std::string items = readBytes(data / L"items.dvk");
    EXPECT_NE(items.find(counted), std::string::npos) << items;
    EXPECT_NE(items.find("Item/one\\壱番"), std::string::npos) << items;
}

// A hand edit of the settings that drops a line is said with that line and left alone while
// the person mends it; the place the launcher moved to meanwhile goes on top of the mend.
TEST_F(LauncherTest, AnEditThatDropsALineIsSaidAndWaitsForItsMendAndThePlaceMovedMeanwhileStays) {
    const std::string edited = "Launcher/Button/Text:0\r\noops\r\n";
    std::string whileMending;
    std::string afterMend;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
        waitFor([launcher] { return buttonCount(toolBarOf(launcher)) == 3; });
        ASSERT_TRUE(chooseWindowEntry(processId, launcher, WindowEntry::TOP));
        writeBytes(data / L"app.dvk", edited);
        std::set<HWND> answered;
        waitFor([&] {
            answerMessageBoxes(processId, answered);
            return !shown.empty();
        });
        // Looks pass while the person mends the file: none writes it.
        ASSERT_TRUE(waitForDiskLooks(launcher, 3));
        whileMending = readBytes(data / L"app.dvk");
        writeBytes(data / L"app.dvk", "Launcher/Button/Text:0\r\n");
        waitFor([&] {
            afterMend = bytesNow(data / L"app.dvk");
            return afterMend.find("Window:1\r\n") != std::string::npos;
        });
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(whileMending, edited);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find(utf8(data / L"app.dvk")), std::string::npos) << shown[0];
    EXPECT_NE(shown[0].find("2 行目: oops (not a value line)"), std::string::npos) << shown[0];
    EXPECT_NE(afterMend.find("Launcher/Button/Text:0\r\n"), std::string::npos) << afterMend;
    EXPECT_NE(afterMend.find("Window:1\r\n"), std::string::npos) << afterMend;
}

TEST(TavrinExe, CarriesTheApplicationManifest) {
    const HMODULE image = LoadLibraryExW(builtProgram().c_str(), nullptr,
                                         LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr);
    const HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(image, found))),
                               SizeofResource(image, found));
    FreeLibrary(image);
    for (const char* wanted :
         {"level=\"asInvoker\"", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", ">PerMonitorV2<",
          ">true/pm<", "Microsoft.Windows.Common-Controls"}) {
        EXPECT_NE(manifest.find(wanted), std::string::npos) << wanted;
    }
}

// A middle click on the desktop stand-in opens the menu launcher, which starts the choice;
// the hook, on a thread of the library's own, is paused while the menu is open and back after
// it, and a modal dialog (the launcher disabled) ends it until the launcher is enabled again.
TEST_F(MenuLauncherTest, DesktopClickOpensTheMenuLauncherWhileTheHookIsPaused) {
    std::filesystem::create_directories(temp.path() / L"plugin");
    std::filesystem::copy_file(winePath(TAVRIN_HOOKER_DLL),
                               temp.path() / L"plugin" / L"Hooker.dll");
    writeBytes(data / L"app.dvk", "Launcher/Menu/Desktop:1\r\nWindow:4\r\n");
    const dll::test::StandIn desktop(L"Progman", L"Program Manager", {300, 200, 500, 350});
    std::vector<std::size_t> threads;
    std::vector<file::fixture::ProbeRecord> started;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
        ASSERT_TRUE(waitFor([&] { return moduleLoaded(processId, L"Hooker.dll"); }));
        const std::size_t hooked = threadsOf(processId).size();
        dll::test::middleClick(desktop.centre());
        ASSERT_TRUE(waitFor([processId] { return openMenu(processId) != nullptr; }));
        threads.push_back(threadsOf(processId).size());
        typeKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
        started = probes.wait(1);
        waitFor([&] { return threadsOf(processId).size() == hooked; });
        threads.push_back(threadsOf(processId).size());
        EnableWindow(launcher, FALSE);
        waitFor([&] { return threadsOf(processId).size() < hooked; });
        threads.push_back(threadsOf(processId).size());
        EnableWindow(launcher, TRUE);
        waitFor([&] { return threadsOf(processId).size() == hooked; });
        threads.push_back(threadsOf(processId).size());
        threads.push_back(hooked);
    });
    EXPECT_EQ(exitCode, 0u);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(started[0].command.ends_with(" first")) << started[0].command;
    ASSERT_EQ(threads.size(), 5u);
    const std::size_t hooked = threads[4];
    EXPECT_EQ(threads, (std::vector<std::size_t>{hooked - 1, hooked, hooked - 1, hooked, hooked}));
}

// The item menu's "指定して実行" opens the execute dialog over the item; "実行" starts it with
// the options typed there, which the items file keeps as the item's history.
TEST_F(LauncherTest, ItemMenuOpensTheExecuteDialogThatStartsWithTheTypedOptions) {
    // Floating, wide enough for the buttons' arrows to be clicked.
    writeBytes(data / L"app.dvk", "Launcher/Button/Text:1\r\nWindow:4\r\n"
                                  "Window/Float/Pos=100\t100\r\nWindow/Float/Size=600\t200\r\n");
    std::vector<file::fixture::ProbeRecord> started;
    std::string shownOption;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
        const HWND toolBar = toolBarOf(launcher);
        waitFor([toolBar] { return buttonCount(toolBar) == 3; });
        pressDropDown(toolBar, 2);
        ASSERT_TRUE(waitFor([processId] { return openMenu(processId) != nullptr; }));
        typeKeys({VK_DOWN, VK_DOWN, VK_RETURN});
        HWND dialog = nullptr;
        ASSERT_TRUE(waitFor([&] { return (dialog = toolkitWindow(processId, "two")) != nullptr; }));
        shownOption = childText(dialog, L"ComboBox", 4);
        setChildText(dialog, L"ComboBox", 4, "typed option");
        PostMessageW(GetDlgItem(dialog, 7), BM_CLICK, 0, 0);
        started = probes.wait(1);
        waitFor([dialog] { return !IsWindow(dialog); });
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(shownOption, "second");
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(started[0].command.ends_with(" typed option")) << started[0].command;
    const std::string items = readBytes(data / L"items.dvk");
    EXPECT_NE(items.find("Item/two/History/Options$typed option\r\n"), std::string::npos) << items;
}

// A name that would run a second command in cmd.exe, dropped on a batch file's button, reaches
// the batch file as its one argument; with the execute dialog, "実行" with the text as shown
// passes the same.
TEST_F(TavrinExeTest, ANameDroppedOnABatchItemIsItsOneArgumentWithAndWithoutTheDialog) {
    const std::filesystem::path batch = temp.path() / L"bin" / L"args.bat";
    std::filesystem::create_directories(batch.parent_path());
    writeBytes(batch, "@echo off\r\n>>\"%~dp0args.txt\" echo [%1] [%2]\r\n");
    const std::filesystem::path dropped = temp.path() / L"x&y.txt";
    writeBytes(dropped, "");
    std::filesystem::create_directories(data);
    writeBytes(data / L"items.dvk",
               "Item/batch\\バッチ\r\nItem/batch/Address\\" + dvkPath(batch) + "\r\n");
    writeBytes(data / L"groups.dvk", "Group$試験\r\nGroup/試験$一\r\nGroup/試験/一$batch\r\n");
    const std::string once = "[\"" + utf8(dropped) + "\"] []\r\n";
    std::string written;
    std::string expected;
    for (const bool dialog : {false, true}) {
        writeBytes(data / L"app.dvk", std::string("Launcher/Button/Text:1\r\nExecute/Dialog:") +
                                          (dialog ? "1" : "0") + "\r\n");
        expected += once;
        const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
            const HWND toolBar = toolBarOf(launcher);
            waitFor([toolBar] { return buttonCount(toolBar) == 1; });
            const std::optional<RECT> button = buttonRect(toolBar, 1);
            ASSERT_TRUE(button.has_value());
            ASSERT_TRUE(
                dropFiles(toolBar, {dropped.wstring()}, {button->left + 4, button->top + 4}));
            HWND execute = nullptr;
            if (dialog &&
                waitFor([&] { return (execute = toolkitWindow(processId, "batch")) != nullptr; })) {
                clickOn(GetDlgItem(execute, 7));
            }
            waitFor([&] {
                return (written = bytesNow(batch.parent_path() / L"args.txt")) == expected;
            });
        });
        EXPECT_EQ(exitCode, 0u);
    }
    EXPECT_EQ(written, expected);
}

// The settings page's control with the id, found by its caption among the pages.
HWND settingsControl(HWND settings, int id, std::wstring_view caption) {
    for (HWND page = FindWindowExW(settings, nullptr, L"TvGuiWindow", nullptr); page != nullptr;
         page = FindWindowExW(settings, page, L"TvGuiWindow", nullptr)) {
        wchar_t text[64]{};
        const HWND control = GetDlgItem(page, id);
        if (control != nullptr && GetWindowTextW(control, text, 64) > 0 && caption == text) {
            return control;
        }
    }
    return nullptr;
}

// "設定" from the tray's window menu: a setting switched on its page and confirmed is written,
// and the same window rebuilds its buttons with it and runs on.
TEST_F(LauncherTest, SettingsConfirmedAreWrittenAndTheLauncherRebuildsWithThem) {
    std::vector<std::string> before;
    std::vector<std::string> after;
    bool rebuilt = false;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
        waitFor([launcher] { return buttonCount(toolBarOf(launcher)) == 3; });
        before = buttonTexts(toolBarOf(launcher));
        const HWND settings = openSettings(processId, launcher);
        ASSERT_NE(settings, nullptr) << "no settings dialog";
        // The button page's "テキスト".
        const HWND text = settingsControl(settings, 111, L"テキスト");
        ASSERT_NE(text, nullptr);
        SendMessageW(text, BM_CLICK, 0, 0);
        pressSettingsButton(settings, 7);
        ASSERT_TRUE(waitFor([settings] { return !IsWindow(settings); }));
        rebuilt = waitFor([&] {
            const HWND bar = toolBarOf(launcher);
            after = bar != nullptr ? buttonTexts(bar) : std::vector<std::string>{};
            return after.size() == 3 && after != before;
        });
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(before, (std::vector<std::string>{"一番", "二番", "ない"}));
    EXPECT_TRUE(rebuilt) << "the buttons kept their texts";
    EXPECT_EQ(after, (std::vector<std::string>(3)));
    const std::string settings = readBytes(data / L"app.dvk");
    EXPECT_NE(settings.find("\r\nLauncher/Button/Text:0\r\n"), std::string::npos) << settings;
}

// A group renamed with the keys a user presses: F2, a name and Enter keep the name; F2, a name
// and Escape drop only that edit, and the dialog stays. "ok" writes the kept name.
TEST_F(LauncherTest, AGroupRenamedByKeysIsKeptByEnterAndDroppedByEscape) {
    std::string afterEnter;
    std::string afterEscape;
    bool stayed = false;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
        const HWND settings = openSettingsInFront(processId, launcher);
        ASSERT_NE(settings, nullptr) << "no settings dialog";
        clickSettingsButton(settings, 3);
        HWND tree = nullptr;
        ASSERT_TRUE(waitFor(
            [&] { return (tree = visibleDescendant(settings, L"SysTreeView32")) != nullptr; }));
        const HTREEITEM group = firstTreeEntry(tree);
        focusTree(tree);
        typeKeys({VK_HOME});
        const auto rename = [&](const std::vector<WORD>& keys) {
            typeKeys({VK_F2});
            waitFor([&] { return visibleDescendant(tree, L"Edit") != nullptr; });
            typeKeys(keys);
            // The edit gone is the proof that its last key arrived.
            waitFor([&] { return visibleDescendant(tree, L"Edit") == nullptr; });
            return treeLabel(tree, group);
        };
        afterEnter = rename({'W', 'O', 'R', 'K', VK_RETURN});
        afterEscape = rename({'X', VK_ESCAPE});
        stayed = IsWindowVisible(settings) != FALSE;
        clickSettingsButton(settings, 7);
        waitFor([settings] { return !IsWindow(settings); });
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(afterEnter, "work");
    EXPECT_EQ(afterEscape, "work");
    EXPECT_TRUE(stayed) << "Escape in the label edit closed the settings";
    const std::string groups = readBytes(data / L"groups.dvk");
    EXPECT_NE(groups.find("Group$work\r\n"), std::string::npos) << groups;
}

// Floating clear of the screen's corner, wide enough for the buttons to be clicked, at the
// place and size the window takes: "設定" finds no new place to store.
const std::string floatingClear = "Launcher/Button/Text:1\r\nWindow:4\r\n"
                                  "Window/Float/Pos=100\t100\r\nWindow/Float/Size=600\t200\r\n";

// Escape with a change asks first, and "いいえ" keeps the dialog with the change; "cancel"
// after changes on all three pages writes nothing and leaves the launcher as it was.
TEST_F(LauncherTest, EscapeAsksBeforeDroppingChangesAndCancelWritesNothing) {
    writeBytes(data / L"app.dvk", floatingClear);
    const std::vector<std::filesystem::path> files{data / L"app.dvk", data / L"items.dvk",
                                                   data / L"groups.dvk"};
    std::vector<std::string> before;
    std::vector<std::string> after;
    bool asked = false;
    bool keptChange = false;
    std::vector<std::string> buttonsBefore;
    std::vector<std::string> buttonsAfter;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
        waitFor([launcher] { return buttonCount(toolBarOf(launcher)) == 3; });
        buttonsBefore = buttonTexts(toolBarOf(launcher));
        for (const std::filesystem::path& file : files) {
            before.push_back(readBytes(file));
        }
        const HWND settings = openSettingsInFront(processId, launcher);
        ASSERT_NE(settings, nullptr) << "no settings dialog";
        const HWND text = settingsControl(settings, 111, L"テキスト");
        ASSERT_NE(text, nullptr);
        clickOn(text);
        const auto unchecked = [text] { return SendMessageW(text, BM_GETCHECK, 0, 0) == 0; };
        ASSERT_TRUE(waitFor(unchecked));
        typeKeys({VK_ESCAPE});
        HWND question = nullptr;
        asked = waitFor([&] { return (question = toolkitWindow(processId, "閉じる")) != nullptr; });
        ASSERT_TRUE(asked);
        clickOn(GetDlgItem(question, 2));
        ASSERT_TRUE(waitFor([question] { return !IsWindow(question); }));
        keptChange = IsWindowVisible(settings) && unchecked();

        // The item page: a letter typed at the end of the name of "one" (listed after "gone"),
        // applied on leaving.
        clickSettingsButton(settings, 2);
        HWND list = nullptr;
        ASSERT_TRUE(
            waitFor([&] { return (list = visibleDescendant(settings, L"ListBox")) != nullptr; }));
        clickOn(list);
        typeKeys({VK_HOME, VK_DOWN});
        // The item list's page holds the ID, control 20, and the name, 21.
        const HWND page = GetParent(list);
        ASSERT_TRUE(waitFor([page] { return childText(page, L"Edit", 20) == "one"; }));
        const HWND name = GetDlgItem(page, 21);
        clickOn(name);
        typeKeys({VK_END, 'X'});
        clickSettingsButton(settings, 3);
        HWND apply = nullptr;
        ASSERT_TRUE(waitFor([&] { return (apply = toolkitWindow(processId, "適用")) != nullptr; }));
        clickOn(GetDlgItem(apply, 1));
        // The group page: its first group removed.
        HWND tree = nullptr;
        ASSERT_TRUE(waitFor(
            [&] { return (tree = visibleDescendant(settings, L"SysTreeView32")) != nullptr; }));
        focusTree(tree);
        typeKeys({VK_HOME, VK_DELETE});
        ASSERT_TRUE(waitFor([tree] { return treeLabel(tree, firstTreeEntry(tree)) == "<Menu>"; }));

        clickSettingsButton(settings, 8);
        ASSERT_TRUE(waitFor([settings] { return !IsWindow(settings); }));
        for (const std::filesystem::path& file : files) {
            after.push_back(readBytes(file));
        }
        buttonsAfter = buttonTexts(toolBarOf(launcher));
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(asked) << "Escape with a change closed the settings unasked";
    EXPECT_TRUE(keptChange);
    EXPECT_EQ(after, before);
    EXPECT_EQ(buttonsAfter, buttonsBefore);
}

// An item renamed on the item page with the keys a user presses, Enter applying it, keeps its
// button: after "ok" a press on the button starts it, and its start is counted under the new ID.
TEST_F(LauncherTest, AnItemRenamedByKeysStartsFromItsButton) {
    writeBytes(data / L"app.dvk", floatingClear);
    std::vector<file::fixture::ProbeRecord> started;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND launcher) {
        waitFor([launcher] { return buttonCount(toolBarOf(launcher)) == 3; });
        const HWND oldBar = toolBarOf(launcher);
        const HWND settings = openSettingsInFront(processId, launcher);
        ASSERT_NE(settings, nullptr) << "no settings dialog";
        clickSettingsButton(settings, 2);
        HWND list = nullptr;
        ASSERT_TRUE(
            waitFor([&] { return (list = visibleDescendant(settings, L"ListBox")) != nullptr; }));
        const HWND page = GetParent(list);
        clickOn(list);
        // "gone", then "one".
        typeKeys({VK_HOME, VK_DOWN});
        ASSERT_TRUE(waitFor([page] { return childText(page, L"Edit", 20) == "one"; }));
        clickOn(GetDlgItem(page, 20));
        typeKeys({VK_END});
        typeCombination({VK_SHIFT}, VK_HOME);
        typeKeys({'E', 'I', 'N', 'S', VK_RETURN});
        ASSERT_TRUE(waitFor([page] {
            const std::vector<std::string> listed = listTexts(page, 10);
            return std::ranges::find(listed, "一番 (eins)") != listed.end();
        }));
        clickSettingsButton(settings, 7);
        ASSERT_TRUE(waitFor([settings] { return !IsWindow(settings); }));
        HWND bar = nullptr;
        // The launcher builds its bar anew from the files written.
        ASSERT_TRUE(waitFor([&] {
            bar = toolBarOf(launcher);
            return bar != oldBar && buttonCount(bar) == 3;
        }));
        // The bar takes its place once the window is laid out.
        POINT middle{};
        ASSERT_TRUE(waitFor([&] {
            const std::optional<RECT> button = buttonOnScreen(bar, 1);
            middle = button ? middleOf(*button) : POINT{};
            return button && WindowFromPoint(middle) == bar;
        })) << "the button never came into sight";
        clickAt(middle);
        started = probes.wait(1);
    });
    EXPECT_EQ(exitCode, 0u);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(started[0].command.ends_with(" first")) << started[0].command;
    EXPECT_NE(readBytes(data / L"groups.dvk").find("Group/試験/一$eins\ttwo\tgone\r\n"),
              std::string::npos);
    EXPECT_NE(readBytes(data / L"items.dvk").find("Item/eins/History/Use:1\r\n"),
              std::string::npos);
}

// Three items the command box finds by "me": one by its ID and use, one by its ID, one by a
// tag; each starts the probe with its own option. A fourth names a program that is not there.
class CommandBoxTest : public TavrinExeTest {
protected:
    CommandBoxTest() {
        const std::string probe =
            dvkPath(file::fixture::copyProbe(temp.path() / L"bin", L"probe.exe"));
        std::filesystem::create_directories(data);
        writeBytes(data / L"items.dvk", "Item/memo\\メモ帳\r\n"
                                        "Item/memo/Address\\" +
                                            probe +
                                            "\r\n"
                                            "Item/memo/Option\\memo\r\n"
                                            "Item/calc\\電卓\r\n"
                                            "Item/calc/Address\\" +
                                            probe +
                                            "\r\n"
                                            "Item/calc/Option\\calc\r\n"
                                            "Item/calc/Tags$measure\r\n"
                                            "Item/meeting\\会議\r\n"
                                            "Item/meeting/Address\\" +
                                            probe +
                                            "\r\n"
                                            "Item/meeting/Option\\meeting\r\n"
                                            "Item/meeting/History/Use:5\r\n"
                                            "Item/meeting/History/Last\\2026/01/02 03:04:05\r\n"
                                            "Item/gone\\ない\r\n"
                                            "Item/gone/Address\\" +
                                            dvkPath(temp.path() / L"bin" / L"ない.exe") + "\r\n");
    }

    static constexpr int EDIT = 2;
    static constexpr int LIST = 3;
    file::fixture::ProbeRecords probes;
};

TEST_F(CommandBoxTest, TypedLettersListTheItemsBestFirstAndEnterStartsTheFirst) {
    std::string line = "not read";
    std::vector<std::string> rows;
    std::vector<file::fixture::ProbeRecord> started;
    bool hidden = false;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND) {
        const HWND box = showCommandBox(processId);
        ASSERT_NE(box, nullptr);
        line = childText(box, L"Edit", EDIT);
        typeKeys({'M', 'E'});
        waitFor([&] {
            return childText(box, L"Edit", EDIT) == "me" && listTexts(box, LIST).size() == 3;
        });
        rows = listTexts(box, LIST);
        typeKeys({VK_RETURN});
        started = probes.wait(1);
        hidden = waitFor([box] { return !IsWindowVisible(box); });
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(line, "");
    // Started before, then by ID, then by tag.
    EXPECT_EQ(rows, (std::vector<std::string>{"会議", "メモ帳", "電卓"}));
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(started[0].command.ends_with(" meeting")) << started[0].command;
    EXPECT_TRUE(hidden);
    EXPECT_NE(readBytes(data / L"items.dvk").find("Item/meeting/History/Use:6\r\n"),
              std::string::npos);
}

// Down chooses the second row and Tab completes the line to its key; Escape puts the box away
// with what was typed, and the hot key calls it up again, empty.
TEST_F(CommandBoxTest, TabCompletesTheChosenRowAndTheBoxComesBackEmptyAfterEscape) {
    std::vector<std::string> lines;
    std::vector<bool> visible;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND) {
        for (int round = 0; round < 2; ++round) {
            const HWND box = showCommandBox(processId);
            visible.push_back(box != nullptr);
            if (box == nullptr) {
                return;
            }
            lines.push_back(childText(box, L"Edit", EDIT));
            typeKeys({'M', 'E'});
            // Both letters in, and the rows found for both, before the row is chosen.
            waitFor([box] {
                return childText(box, L"Edit", EDIT) == "me" && listTexts(box, LIST).size() == 3;
            });
            typeKeys({VK_DOWN, VK_TAB});
            waitFor([box] { return childText(box, L"Edit", EDIT) != "me"; });
            lines.push_back(childText(box, L"Edit", EDIT));
            typeKeys({VK_ESCAPE});
            visible.push_back(!waitFor([&] { return commandBox(processId) == nullptr; }));
        }
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(visible, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(lines, (std::vector<std::string>{"", "memo", "", "memo"}));
}

TEST_F(CommandBoxTest, AFailedStartIsShownAndTheBoxKeepsItsText) {
    std::optional<ShownFailure> failure;
    std::string line;
    bool stayed = false;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND) {
        const HWND box = showCommandBox(processId);
        ASSERT_NE(box, nullptr);
        typeKeys({'G', 'O'});
        waitFor([box] {
            return childText(box, L"Edit", EDIT) == "go" && listTexts(box, LIST).size() == 1;
        });
        typeKeys({VK_RETURN});
        waitFor([&] { return (failure = exceptionDialog(processId)).has_value(); });
        if (failure) {
            closeExceptionDialog(failure->dialog);
            waitFor([&] { return !IsWindow(failure->dialog); });
        }
        stayed = IsWindowVisible(box) != FALSE;
        line = childText(box, L"Edit", EDIT);
    });
    EXPECT_EQ(exitCode, 0u);
    ASSERT_TRUE(failure.has_value()) << "a failed start showed no exception dialog";
    EXPECT_NE(failure->text.find("ない.exe"), std::string::npos) << failure->text;
    EXPECT_TRUE(stayed);
    EXPECT_EQ(line, "go");
}

TEST_F(CommandBoxTest, TheTimerHidesTheBoxLeftWithoutInput) {
    writeBytes(data / L"app.dvk", "Launcher/Command/Timer:400\r\n");
    bool shown = false;
    bool hidden = false;
    const DWORD exitCode = run({}, [&](DWORD processId, HWND) {
        const HWND box = showCommandBox(processId);
        shown = box != nullptr;
        hidden = waitFor([box] { return !IsWindowVisible(box); });
    });
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(hidden);
}

} // namespace
} // namespace tavrin::systemtest
