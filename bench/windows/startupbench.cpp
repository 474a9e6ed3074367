// How long the launcher takes from process creation until its window is visible with its
// buttons built, and how much memory it holds at that moment, against a bare program that
// registers a class and shows one window, and, where given, against that program loading the
// system libraries the launcher imports. Each program is started RUNS times (after one start
// not counted), the programs taking turns, and closed again; the medians are reported.
//
// The launcher runs from a scratch copy of its portable folder whose data holds 1,000 items
// in 50 sub-groups of 20, so the first sub-group gives 20 buttons.
//
// Usage: startup_bench PORTABLE_TAVRIN_EXE BARE_WINDOW_EXE [BARE_WITH_LIBRARIES_EXE [RUNS]]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <windows.h>
// After windows.h, on which they build.
#include <commctrl.h>
#include <psapi.h>

namespace {

namespace fs = std::filesystem;

constexpr int MAIN_GROUPS = 5;
constexpr int SUB_GROUPS = 10;
constexpr int ITEMS_PER_SUB_GROUP = 20;
constexpr DWORD GIVE_UP_MS = 30000;

struct Start {
    double milliseconds;
    SIZE_T peakBytes;
};

std::string number(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04d", value);
    return text;
}

void writeUtf8(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << "\xEF\xBB\xBF" << text;
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// The data files of 1,000 items: main groups G1.., each with sub-groups S1.., each with 20
// items that start notepad (a file that exists, so its icon is looked up for real).
void writeData(const fs::path& folder) {
    std::string groups = "Group$";
    std::string items;
    int item = 0;
    for (int main = 1; main <= MAIN_GROUPS; ++main) {
        groups += (main > 1 ? "\t" : "") + ("G" + std::to_string(main));
    }
    groups += "\r\n";
    for (int main = 1; main <= MAIN_GROUPS; ++main) {
        const std::string mainName = "G" + std::to_string(main);
        groups += "Group/" + mainName + "$";
        for (int sub = 1; sub <= SUB_GROUPS; ++sub) {
            groups += (sub > 1 ? "\t" : "") + ("S" + std::to_string(sub));
        }
        groups += "\r\n";
        for (int sub = 1; sub <= SUB_GROUPS; ++sub) {
            groups += "Group/" + mainName + "/S" + std::to_string(sub) + "$";
            for (int i = 0; i < ITEMS_PER_SUB_GROUP; ++i) {
                const std::string id = "i" + number(++item);
                groups += (i > 0 ? "\t" : "") + id;
                items += "Item/" + id + "\\項目 " + number(item) + "\r\n";
                items += "Item/" + id + "/Address\\%SystemRoot%\\\\system32\\\\notepad.exe\r\n";
            }
            groups += "\r\n";
        }
    }
    fs::create_directories(folder);
    writeUtf8(folder / "groups.dvk", groups);
    writeUtf8(folder / "items.dvk", items);
}

std::wstring userName() {
    wchar_t name[256];
    DWORD length = 256;
    return GetUserNameW(name, &length) ? std::wstring(name) : std::wstring(L"user");
}

// A scratch copy of the portable folder of tavrin.exe: the program, its static
// configuration and the prepared data.
fs::path preparePortable(const fs::path& tavrin) {
    const fs::path scratch = fs::temp_directory_path() /
                             ("tavrin-startup-bench-" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    fs::copy_file(tavrin, scratch / "tavrin.exe");
    fs::copy_file(tavrin.parent_path() / "static.dvk", scratch / "static.dvk");
    writeData(scratch / "data" / userName());
    return scratch / "tavrin.exe";
}

struct Search {
    DWORD process;
    HWND found;
};

// The visible top-level window of the process, if it has one yet.
HWND visibleWindowOf(DWORD process) {
    Search search{process, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* wanted = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == wanted->process && IsWindowVisible(window)) {
                wanted->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Whether the window holds a tool bar with at least the buttons wanted.
bool hasButtons(HWND window, int wanted) {
    HWND bar = FindWindowExW(window, nullptr, TOOLBARCLASSNAMEW, nullptr);
    DWORD_PTR count = 0;
    return bar != nullptr &&
           SendMessageTimeoutW(bar, TB_BUTTONCOUNT, 0, 0, SMTO_ABORTIFHUNG, 1000, &count) != 0 &&
           static_cast<int>(count) >= wanted;
}

std::optional<Start> startOnce(const fs::path& program, int buttons) {
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    LARGE_INTEGER frequency;
    LARGE_INTEGER begin;
    LARGE_INTEGER end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        program.parent_path().c_str(), &startup, &started)) {
        std::fprintf(stderr, "startup_bench: cannot start %ls\n", program.c_str());
        return std::nullopt;
    }
    HWND window = nullptr;
    const ULONGLONG giveUp = GetTickCount64() + GIVE_UP_MS;
    while (GetTickCount64() < giveUp) {
        window = visibleWindowOf(started.dwProcessId);
        if (window != nullptr && (buttons == 0 || hasButtons(window, buttons))) {
            break;
        }
        window = nullptr;
        Sleep(1);
    }
    QueryPerformanceCounter(&end);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(started.hProcess, &memory, sizeof memory);
    if (window != nullptr) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(started.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(started.hProcess, 1);
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    if (window == nullptr) {
        std::fprintf(stderr, "startup_bench: no window with %d buttons from %ls\n", buttons,
                     program.c_str());
        return std::nullopt;
    }
    return Start{1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) /
                     static_cast<double>(frequency.QuadPart),
                 memory.PeakWorkingSetSize};
}

template <typename T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Program {
    fs::path path;
    int buttons;
    std::vector<double> times;
    std::vector<SIZE_T> peaks;
};

// The medians of each program's starts after a first one, which is not counted. The programs
// take turns, so that whatever else the machine does weighs on both alike.
bool measure(std::vector<Program>& programs, int runs) {
    for (int run = -1; run < runs; ++run) {
        for (Program& program : programs) {
            const std::optional<Start> start = startOnce(program.path, program.buttons);
            if (!start) {
                return false;
            }
            if (run >= 0) {
                program.times.push_back(start->milliseconds);
                program.peaks.push_back(start->peakBytes);
            }
        }
    }
    return true;
}

Start medians(const Program& program) {
    return Start{median(program.times), median(program.peaks)};
}

void report(const char* name, const Start& start) {
    std::printf("%-10s median start %8.1f ms   peak working set %6.1f MB\n", name,
                start.milliseconds, static_cast<double>(start.peakBytes) / (1024.0 * 1024.0));
}

void reportRatio(const char* against, const Start& tavrin, const Start& yardstick) {
    std::printf("ratio      %.2fx the %s time, %+.1f MB over its memory\n",
                tavrin.milliseconds / yardstick.milliseconds, against,
                (static_cast<double>(tavrin.peakBytes) -
                 static_cast<double>(yardstick.peakBytes)) /
                    (1024.0 * 1024.0));
}

fs::path absolutePath(const wchar_t* argument) {
    return fs::absolute(fs::path(argument).make_preferred());
}

} // namespace

int wmain(int count, wchar_t** arguments) {
    if (count < 3 || count > 5) {
        std::fputs("usage: startup_bench PORTABLE_TAVRIN_EXE BARE_WINDOW_EXE "
                   "[BARE_WITH_LIBRARIES_EXE [RUNS]]\n",
                   stderr);
        return 2;
    }
    const int runs = count == 5 ? std::max(1, _wtoi(arguments[4])) : 10;
    try {
        // Paths relative to where the benchmark started, with the system's separators.
        const fs::path launcher = preparePortable(absolutePath(arguments[1]));
        std::vector<Program> programs{
            {absolutePath(arguments[2]), 0, {}, {}},
            {launcher, ITEMS_PER_SUB_GROUP, {}, {}},
        };
        if (count >= 4) {
            programs.push_back({absolutePath(arguments[3]), 0, {}, {}});
        }
        const bool measured = measure(programs, runs);
        fs::remove_all(launcher.parent_path());
        if (!measured) {
            return 1;
        }
        const Start bare = medians(programs[0]);
        const Start tavrin = medians(programs[1]);
        std::printf("%d starts each, taking turns, after one each not counted\n", runs);
        report("bare", bare);
        if (programs.size() == 3) {
            report("libraries", medians(programs[2]));
        }
        report("tavrin", tavrin);
        reportRatio("bare window's", tavrin, bare);
        if (programs.size() == 3) {
            reportRatio("bare window with the launcher's libraries'", tavrin,
                        medians(programs[2]));
        }
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "startup_bench: %s\n", failure.what());
        return 1;
    }
}
