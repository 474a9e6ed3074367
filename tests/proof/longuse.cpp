// Starts the launcher over the sample data and opens and closes every menu and dialog it has,
// round after round; the process's windows, GDI and USER objects and memory after round 10
// must stand where they stand after the last round.
// Usage: long_use TAVRIN_EXE ROUNDS
#include "system/win32.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "launcherdriver.h"
#include "system/unicode.h"
#include "testfiles.h"

namespace tavrin::proof {
namespace {

using namespace tavrin::systemtest;

// Resident memory may grow this much between the two samples.
constexpr SIZE_T memorySlack = 2 << 20;
constexpr int firstSampledRound = 10;
// The launcher writes its changes about two seconds after the last one: a sample waits for it.
constexpr DWORD settleTime = 3000;

struct Sample {
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    int windows = 0;
    SIZE_T workingSet = 0;
    SIZE_T privateBytes = 0;
};

BOOL CALLBACK countWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(
        window,
        [](HWND, LPARAM children) -> BOOL {
            ++*reinterpret_cast<int*>(children);
            return TRUE;
        },
        count);
    return TRUE;
}

// Wine answers GetGuiResources with 0: the windows of every thread, hidden ones and children
// included, stand in for the USER objects there.
Sample sampleOf(DWORD processId) {
    Sleep(settleTime);
    Sample sample;
    const HANDLE process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process != nullptr) {
        sample.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
        sample.userObjects = GetGuiResources(process, GR_USEROBJECTS);
        PROCESS_MEMORY_COUNTERS_EX memory{};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                                 sizeof memory)) {
            sample.workingSet = memory.WorkingSetSize;
            sample.privateBytes = memory.PrivateUsage;
        }
        CloseHandle(process);
    }
    for (const DWORD thread : threadsOf(processId)) {
        EnumThreadWindows(thread, countWindow, reinterpret_cast<LPARAM>(&sample.windows));
    }
    return sample;
}

// The process's visible top-level windows.
std::vector<HWND> visibleWindows(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search.processId && IsWindowVisible(window)) {
                search.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The process's visible top-level windows by class and title, to tell what stood in the way.
std::string windowsShown(DWORD processId) {
    std::string shown;
    for (const HWND window : visibleWindows(processId)) {
        wchar_t name[64]{};
        wchar_t title[128]{};
        GetClassNameW(window, name, 64);
        InternalGetWindowText(window, title, 128);
        shown += " [" + system::toUtf8(name) + " \"" + system::toUtf8(title) + "\"]";
    }
    return shown;
}

void print(const char* when, const Sample& sample) {
    std::printf("%-16s GDI %lu, USER %lu, windows %d, working set %.2f MB, private %.2f MB\n", when,
                sample.gdiObjects, sample.userObjects, sample.windows,
                sample.workingSet / 1048576.0, sample.privateBytes / 1048576.0);
    std::fflush(stdout);
}

// One round through the launcher's menus and dialogs, a step at a time; each step says whether
// what it opened came and went.
class Rounds {
public:
    Rounds(DWORD processId, HWND launcher) : processId_(processId), launcher_(launcher) {}

    // Typed keys now and then reach no window under a loaded display: a step that failed is
    // tried again, twice at most, from a launcher with nothing open.
    int retries() const noexcept { return retries_; }

    // The name of the first step that failed three times; empty when all came and went.
    std::string round() {
        const HWND toolBar = toolBarOf(launcher_);
        const std::vector<std::string> buttons =
            toolBar ? buttonTexts(toolBar) : std::vector<std::string>{};
        if (buttons.empty()) {
            return "tool bar buttons";
        }
        std::vector<std::pair<std::string, std::function<bool()>>> steps{
            {"window menu",
             [this] { return menuClosedBy(openWindowMenu(processId_, launcher_), {VK_ESCAPE}); }},
            {"window menu's window sub-menu", [this] {
                 return menuClosedBy(openWindowMenu(processId_, launcher_),
                                     {VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE});
             }}};
        for (int command = 1; command <= static_cast<int>(buttons.size()); ++command) {
            // The item menu's sub-menus: "アドレス" third, and "ファイル" fourth for the sample's
            // one item that is a folder.
            std::vector<WORD> keys(buttons[command - 1] == "Windows フォルダ" ? 4 : 3,
                                   WORD{VK_DOWN});
            keys.insert(keys.end(), {VK_RIGHT, VK_ESCAPE, VK_ESCAPE});
            steps.emplace_back("drop-down menu of " + buttons[command - 1], [=, this] {
                return menuClosedBy(dropDownMenu(toolBar, command), keys);
            });
        }
        steps.emplace_back("execute dialog", [=, this] {
            if (!dropDownMenu(toolBar, 1)) {
                return false;
            }
            typeKeys({VK_DOWN, VK_DOWN, VK_RETURN});
            return dialogCameAndWent(
                [this] { return toolkitWindowHolding(processId_, L"ComboBox", 4); });
        });
        steps.emplace_back("settings dialog and its pages", [this] {
            const HWND settings = openSettings(processId_, launcher_);
            for (int page = 1; settings != nullptr && page <= 3; ++page) {
                pressSettingsButton(settings, page);
            }
            return dialogCameAndWent([settings] { return settings; });
        });
        steps.emplace_back("version dialog", [this] {
            if (!openWindowMenu(processId_, launcher_)) {
                return false;
            }
            // "バージョン" stands second from the last entry.
            typeKeys({VK_UP, VK_UP, VK_RETURN});
            return dialogCameAndWent(
                [this] { return toolkitWindow(processId_, "バージョン情報"); });
        });
        steps.emplace_back("command box", [this] {
            if (showCommandBox(processId_) == nullptr) {
                return false;
            }
            typeKeys({VK_ESCAPE});
            return waitFor([this] { return commandBox(processId_) == nullptr; });
        });
        for (const auto& [name, step] : steps) {
            int tries = 1;
            for (; !step(); ++tries, ++retries_) {
                std::printf("  %s failed, windows shown:%s\n", name.c_str(),
                            windowsShown(processId_).c_str());
                if (tries == 3) {
                    return name;
                }
                putAway();
            }
            if (answerShown(processId_, answered_, shown_) > 0) {
                return name + ": exception dialog: " + shown_.back();
            }
        }
        return {};
    }

private:
    bool dropDownMenu(HWND toolBar, int command) {
        pressDropDown(toolBar, command);
        return waitFor([this] { return trackedMenu(processId_) != nullptr; });
    }

    bool menuClosedBy(bool opened, const std::vector<WORD>& keys) {
        if (!opened) {
            return false;
        }
        typeKeys(keys);
        return waitFor([this] { return openMenu(processId_) == nullptr; });
    }

    // Closes the dialog find finds as its title bar's close box does.
    template <typename Find> bool dialogCameAndWent(Find find) {
        HWND dialog = nullptr;
        if (!waitFor([&] { return (dialog = find()) != nullptr; })) {
            return false;
        }
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        return waitFor([dialog] { return !IsWindow(dialog); });
    }

    // Closes whatever a failed step left open: menus by Escape, other windows as their close
    // boxes do.
    void putAway() {
        for (int menus = 0; menus < 3 && openMenu(processId_) != nullptr; ++menus) {
            typeKeys({VK_ESCAPE});
            Sleep(200);
        }
        for (const HWND window : visibleWindows(processId_)) {
            if (window != launcher_) {
                PostMessageW(window, WM_CLOSE, 0, 0);
            }
        }
        waitFor([this] { return visibleWindows(processId_).size() <= 1; });
    }

    DWORD processId_;
    HWND launcher_;
    int retries_ = 0;
    std::set<HWND> answered_;
    std::vector<std::string> shown_;
};

int proveLongUse(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: long_use TAVRIN_EXE ROUNDS\n");
        return 2;
    }
    const int rounds = std::atoi(argv[2]);
    if (rounds <= firstSampledRound) {
        std::fprintf(stderr, "long_use: ROUNDS must be over %d\n", firstSampledRound);
        return 2;
    }
    TempFolder temp;
    const std::filesystem::path program = temp.path() / L"tavrin.exe";
    std::filesystem::copy_file(winePath(argv[1]), program);
    const std::filesystem::path data = temp.path() / L"data" / environment(L"USERNAME");
    std::filesystem::create_directories(data);
    const std::filesystem::path sample = winePath(TAVRIN_SAMPLE_DIR);
    writeBytes(data / L"items.dvk", readBytes(sample / L"items.dvk"));
    // The sample's folder item joins the group the tool bar shows, for its "ファイル" sub-menu.
    std::string groups = readBytes(sample / L"groups.dvk");
    const std::string_view shownGroup = "Group/サンプル/ツール$notepad\tcmd";
    const std::size_t shownAt = groups.find(shownGroup);
    if (shownAt == std::string::npos) {
        std::fprintf(stderr, "long_use: the sample has no group %s\n", shownGroup.data());
        return 2;
    }
    groups.insert(shownAt + shownGroup.size(), "\twindows");
    writeBytes(data / L"groups.dvk", groups);
    // Floating and wide enough for the buttons' arrows to be clicked.
    writeBytes(data / L"app.dvk", "Launcher/Button/Text:1\r\nWindow:4\r\n"
                                  "Window/Float/Pos=100\t100\r\nWindow/Float/Size=600\t200\r\n");

    Sample early;
    Sample late;
    std::string failed;
    int done = 0;
    int retries = 0;
    std::vector<std::string> shown;
    const LauncherRun ran = runLauncher(
        program, {}, temp.path(), shown,
        [&](DWORD processId, HWND launcher) {
            Rounds driver(processId, launcher);
            std::printf("tool bar buttons:");
            if (const HWND toolBar = toolBarOf(launcher)) {
                for (const std::string& button : buttonTexts(toolBar)) {
                    std::printf(" \"%s\"", button.c_str());
                }
            }
            std::printf("\n");
            for (; done < rounds && failed.empty(); ++done) {
                if (done == firstSampledRound) {
                    print("after round 10", early = sampleOf(processId));
                } else if (done % 100 == 0 && done > 0) {
                    print(("after round " + std::to_string(done)).c_str(), sampleOf(processId));
                }
                failed = driver.round();
            }
            retries = driver.retries();
            if (failed.empty()) {
                print(("after round " + std::to_string(done)).c_str(), late = sampleOf(processId));
            }
        },
        // The rounds run inside the run: its time grows with them.
        60000 + static_cast<DWORD>(rounds) * 60000);

    int faults = 0;
    const auto fault = [&faults](const std::string& what) {
        std::printf("FAULT: %s\n", what.c_str());
        ++faults;
    };
    if (!failed.empty()) {
        fault("round " + std::to_string(done) + ": " + failed);
    }
    if (!ran.ended || ran.exitCode != 0) {
        fault("the launcher did not end with code 0 (" + std::to_string(ran.exitCode) + ")");
    }
    for (const std::string& text : shown) {
        fault("shown: " + text);
    }
    if (failed.empty()) {
        if (late.gdiObjects != early.gdiObjects || late.userObjects != early.userObjects) {
            fault("GDI or USER objects grew");
        }
        if (late.windows != early.windows) {
            fault("windows went from " + std::to_string(early.windows) + " to " +
                  std::to_string(late.windows));
        }
        if (late.workingSet > early.workingSet + memorySlack) {
            fault("working set grew by more than 2 MB");
        }
    }
    std::printf("%d rounds, %d steps tried again, %d faults\n", done, retries, faults);
    return faults == 0 ? 0 : 1;
}

} // namespace
} // namespace tavrin::proof

int main(int argc, char** argv) {
    return tavrin::proof::proveLongUse(argc, argv);
}
