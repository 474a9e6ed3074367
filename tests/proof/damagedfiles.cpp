// Starts the launcher on damaged data files, one damaged file a run, and checks that it ends
// with code 0 in time, that every data file it wrote passes "dvk check" and that a file it
// refused to save is left as it was.
// Usage: damaged_files TAVRIN_EXE DVK_EXE RUNS_PER_FILE [SEED]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "launcherdriver.h"
#include "mutations.h"
#include "system/unicode.h"
#include "system/win32.h"
#include "testfiles.h"

namespace tavrin::proof {
namespace {

using systemtest::byteOrderMark;

// A damaged input that hangs the launcher over this many milliseconds is a fault.
constexpr DWORD runTimeout = 60000;

struct DataFile {
    const wchar_t* name;
    // static.dvk lies beside the program; the launcher only reads it.
    bool beside;
};
constexpr DataFile dataFiles[] = {
    {L"app.dvk", false}, {L"items.dvk", false}, {L"groups.dvk", false}, {L"static.dvk", true}};

struct Tally {
    int runs = 0;
    int refused = 0;
    int rewritten = 0;
    int failuresShown = 0;
    int faults = 0;
};

// What one run on a damaged file came to.
struct Verdict {
    std::vector<std::string> faults;
    // The launcher said it would not save the damaged file.
    bool refused = false;
    // The damaged file was written over.
    bool rewritten = false;
    // The first line of a failure the launcher showed in its exception dialog and went on
    // after, as it does for a log folder that cannot be made; empty when none.
    std::string failureShown;
};

std::optional<std::string> bytesOf(const std::filesystem::path& path) {
    if (!std::filesystem::exists(path)) {
        return std::nullopt;
    }
    return systemtest::readBytes(path);
}

// Runs "dvk check" on the file, its report shown only when asked for; its exit code.
DWORD dvkCheck(const std::filesystem::path& dvk, const std::filesystem::path& file, bool shown) {
    std::wstring commandLine = L"\"" + dvk.wstring() + L"\" check \"" + file.wstring() + L"\"";
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE nowhere =
        CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!shown) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError = nowhere;
    }
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(dvk.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(nowhere);
    if (!started) {
        return GetLastError();
    }
    CloseHandle(process.hThread);
    DWORD exitCode = 1;
    if (WaitForSingleObject(process.hProcess, runTimeout) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &exitCode);
    } else {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hProcess);
    return exitCode;
}

// Whether the file passes "dvk check". A Wine process now and then dies while it starts: a
// failed check is run again, its report shown, and only a second failure counts.
bool dvkCheckPasses(const std::filesystem::path& dvk, const std::filesystem::path& file) {
    const DWORD first = dvkCheck(dvk, file, false);
    if (first == 0) {
        return true;
    }
    const DWORD second = dvkCheck(dvk, file, true);
    if (second == 0) {
        std::printf("dvk check ended with 0x%lX and passed when run again\n", first);
    }
    return second == 0;
}

// The program alone in a folder with its data folder, the good files and the damaged one.
class Bench {
public:
    Bench(const std::filesystem::path& builtProgram, std::filesystem::path dvk)
        : program_(temp_.path() / L"tavrin.exe"),
          data_(temp_.path() / L"data" / systemtest::environment(L"USERNAME")),
          dvk_(std::move(dvk)) {
        std::filesystem::copy_file(builtProgram, program_);
    }

    std::filesystem::path pathOf(const DataFile& file) const {
        return (file.beside ? temp_.path() : data_) / file.name;
    }

    // A run on no files at all: the program writes its defaults, the good files to damage.
    bool makeGoodFiles(const std::filesystem::path& sample) {
        std::vector<std::string> shown;
        const systemtest::LauncherRun first =
            systemtest::runLauncher(program_, {}, temp_.path(), shown);
        if (!first.ended || first.exitCode != 0 || !shown.empty()) {
            return false;
        }
        // Each good file holds characters of more than one byte, for cuts inside them.
        const std::string note = ";日本語の注記\r\n";
        good_[L"app.dvk"] = systemtest::readBytes(data_ / L"app.dvk") + note;
        good_[L"items.dvk"] = systemtest::readBytes(sample / L"items.dvk");
        good_[L"groups.dvk"] = systemtest::readBytes(sample / L"groups.dvk");
        good_[L"static.dvk"] = std::string(byteOrderMark) + note +
                               "setting/log:1\r\nfolder/log\\<TAVRIN>\\\\log\\\\記録\\\\\r\n";
        return true;
    }

    const std::string& good(const DataFile& file) { return good_[file.name]; }

    // Lays out the good files with the one damaged and runs the program on them.
    Verdict run(const DataFile& damaged, const std::string& bytes) {
        std::filesystem::remove_all(data_);
        std::filesystem::remove_all(temp_.path() / L"log");
        std::filesystem::create_directories(data_);
        for (const DataFile& file : dataFiles) {
            systemtest::writeBytes(pathOf(file), &file == &damaged ? bytes : good_[file.name]);
        }
        std::map<const DataFile*, std::optional<std::string>> before;
        for (const DataFile& file : dataFiles) {
            before[&file] = bytesOf(pathOf(file));
        }

        std::vector<std::string> shown;
        const systemtest::LauncherRun ran =
            systemtest::runLauncher(program_, {}, temp_.path(), shown, {}, runTimeout);
        Verdict verdict;
        std::vector<std::string>& faults = verdict.faults;
        if (!ran.started) {
            faults.push_back("did not start");
        } else if (!ran.ended) {
            faults.push_back("hung (killed after " + std::to_string(runTimeout) + " ms)");
        } else if (ran.exitCode != 0) {
            char code[16];
            std::snprintf(code, sizeof code, "0x%08lX", ran.exitCode);
            faults.push_back(std::string("exit code ") + code);
        }
        for (const std::string& text : shown) {
            if (text.find("保存されません") != std::string::npos &&
                text.find(system::toUtf8(damaged.name)) != std::string::npos) {
                verdict.refused = true;
            }
        }
        if (ran.exceptionDialogs > 0) {
            verdict.failureShown = shown.back().substr(0, shown.back().find('\n'));
        }
        for (const DataFile& file : dataFiles) {
            const std::optional<std::string> after = bytesOf(pathOf(file));
            if (after == before[&file]) {
                continue;
            }
            verdict.rewritten |= &file == &damaged;
            if (file.beside || (&file == &damaged && verdict.refused)) {
                faults.push_back(system::toUtf8(file.name) + " changed though never to be saved");
            } else if (!after || !dvkCheckPasses(dvk_, pathOf(file))) {
                faults.push_back(system::toUtf8(file.name) + " as written fails dvk check");
            }
        }
        if (!faults.empty()) {
            for (const std::string& text : shown) {
                faults.push_back("shown: " + text.substr(0, 300));
            }
        }
        return verdict;
    }

private:
    systemtest::TempFolder temp_;
    std::filesystem::path program_;
    std::filesystem::path data_;
    std::filesystem::path dvk_;
    std::map<std::wstring, std::string> good_;
};

// Keeps an input that revealed a fault beside the harness, to run again by hand.
void keepInput(const DataFile& file, int run, const std::string& bytes) {
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::filesystem::path folder =
        std::filesystem::path(self).parent_path() / L"damaged-inputs";
    std::filesystem::create_directories(folder);
    const std::filesystem::path kept = folder / (std::to_wstring(run) + L"-" + file.name);
    systemtest::writeBytes(kept, bytes);
    std::printf("  input kept as %s\n", systemtest::utf8(kept).c_str());
}

int proveDamagedFiles(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: damaged_files TAVRIN_EXE DVK_EXE RUNS_PER_FILE [SEED]\n");
        return 2;
    }
    const int runsPerFile = std::atoi(argv[3]);
    const std::uint64_t seed =
        argc > 4 ? std::strtoull(argv[4], nullptr, 10) : std::random_device{}();
    std::printf("damaged files: %d runs per file, seed %llu\n", runsPerFile,
                static_cast<unsigned long long>(seed));
    std::mt19937_64 random(seed);
    Bench bench(systemtest::winePath(argv[1]), systemtest::winePath(argv[2]));
    if (!bench.makeGoodFiles(systemtest::winePath(TAVRIN_SAMPLE_DIR))) {
        std::printf("FAULT: the program did not start and end cleanly on no data files\n");
        return 1;
    }

    std::map<std::pair<std::wstring, int>, Tally> tallies;
    int faults = 0;
    int runs = 0;
    const auto started = std::chrono::steady_clock::now();
    for (std::size_t fileIndex = 0; fileIndex < std::size(dataFiles); ++fileIndex) {
        const DataFile& file = dataFiles[fileIndex];
        for (int count = 0; count < runsPerFile; ++count, ++runs) {
            // Each file meets every kind of damage, the small runs included.
            const auto mutation =
                static_cast<Mutation>((fileIndex * runsPerFile + count) % mutationCount);
            const std::string bytes = mutate(bench.good(file), mutation, random);
            const Verdict verdict = bench.run(file, bytes);
            Tally& tally = tallies[{file.name, static_cast<int>(mutation)}];
            ++tally.runs;
            tally.refused += verdict.refused;
            tally.rewritten += verdict.rewritten;
            if (!verdict.failureShown.empty()) {
                ++tally.failuresShown;
                std::printf("run %d, %s, %s showed: %s\n", runs,
                            systemtest::utf8(file.name).c_str(),
                            std::string(nameOf(mutation)).c_str(), verdict.failureShown.c_str());
            }
            if (!verdict.faults.empty()) {
                ++tally.faults;
                ++faults;
                std::printf("FAULT in run %d, %s, %s:\n", runs, systemtest::utf8(file.name).c_str(),
                            std::string(nameOf(mutation)).c_str());
                for (const std::string& fault : verdict.faults) {
                    std::printf("  %s\n", fault.c_str());
                }
                keepInput(file, runs, bytes);
            }
            if ((runs + 1) % 100 == 0) {
                std::printf("%d runs, %d faults\n", runs + 1, faults);
            }
            std::fflush(stdout);
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    std::printf("\n%-11s %-27s %5s %8s %10s %6s %7s\n", "file", "damage", "runs", "refused",
                "rewritten", "shown", "faults");
    for (const auto& [key, tally] : tallies) {
        std::printf("%-11s %-27s %5d %8d %10d %6d %7d\n", systemtest::utf8(key.first).c_str(),
                    std::string(nameOf(static_cast<Mutation>(key.second))).c_str(), tally.runs,
                    tally.refused, tally.rewritten, tally.failuresShown, tally.faults);
    }
    std::printf("%d runs in %.0f s (%.2f s a run), %d faults, seed %llu\n", runs, seconds,
                runs > 0 ? seconds / runs : 0.0, faults, static_cast<unsigned long long>(seed));
    return faults == 0 ? 0 : 1;
}

} // namespace
} // namespace tavrin::proof

int main(int argc, char** argv) {
    return tavrin::proof::proveDamagedFiles(argc, argv);
}
