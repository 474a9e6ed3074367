// Starts saves of a large items document in a process of their own and ends each with
// TerminateProcess at a random moment, counting what each left: the file must hold exactly its
// old or exactly its new bytes, and the next save must leave nothing beside it.
// Usage: killed_save_win32 [TRIALS] [--replacement] (spannedsave.h); exit status 1 when any trial
// failed, 2 for a bad argument.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <utility>

#include "killtrials.h"
#include "saveversions.h"
#include "system/unicode.h"
#include "system/win32.h"

namespace {

using Clock = std::chrono::steady_clock;
using proof::SaverEnd;
using proof::SaverRun;

// A killed saver's exit code; the saver itself ends with 0, 2 or 3.
constexpr UINT killedCode = 9;
constexpr DWORD patience = 120'000;

std::filesystem::path besideThisProgram(const wchar_t* name) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return std::filesystem::path(self).parent_path() / name;
}

std::wstring quoted(const std::wstring& text) {
    return L"\"" + text + L"\"";
}

// Waits until at, sleeping while more than a millisecond is left.
void waitUntil(Clock::time_point at) {
    while (at - Clock::now() > std::chrono::milliseconds(2)) {
        Sleep(1);
    }
    while (Clock::now() < at) {
    }
}

// An event other processes find by its name.
struct NamedEvent {
    explicit NamedEvent(std::wstring eventName)
        : name(std::move(eventName)), handle(CreateEventW(nullptr, TRUE, FALSE, name.c_str())) {}
    ~NamedEvent() { CloseHandle(handle); }
    NamedEvent(const NamedEvent&) = delete;
    NamedEvent& operator=(const NamedEvent&) = delete;

    std::wstring name;
    HANDLE handle;
};

// Starts proof_saver processes over the versions written to files of their own. A process's end
// under Wine takes longer than the save: the saver's own sign that the save is done ends the
// timed save instead.
class Savers {
public:
    Savers(const std::filesystem::path& folder, proof::KillSpan span)
        : folder_(folder), span_(span), saver_(besideThisProgram(L"proof_saver.exe")),
          ready_(eventName(L"ready")), saved_(eventName(L"saved")) {
        std::filesystem::create_directory(folder_);
        for (int version = 0; version < 2; ++version) {
            std::ofstream(source(version), std::ios::binary)
                << proof::saveVersions().bytes[version];
        }
    }
    ~Savers() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    Savers(const Savers&) = delete;
    Savers& operator=(const Savers&) = delete;

    SaverRun run(int version, const std::string& target, std::chrono::nanoseconds delay) {
        ResetEvent(ready_.handle);
        ResetEvent(saved_.handle);
        std::wstring command = quoted(saver_.wstring()) + L" " + quoted(source(version).wstring()) +
                               L" " + quoted(tavrin::system::toWide(target)) + L" " + ready_.name +
                               L" " + saved_.name +
                               (span_ == proof::KillSpan::replacement ? L" --replacement" : L"");
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(saver_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            std::fprintf(stderr, "cannot start the saver (system code %lu)\n", GetLastError());
            return {SaverEnd::crashed, {}};
        }
        CloseHandle(process.hThread);
        const SaverRun run = endSave(process.hProcess, delay);
        CloseHandle(process.hProcess);
        return run;
    }

private:
    static std::wstring eventName(const wchar_t* purpose) {
        return L"Local\\tavrin-proof-saver-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               purpose;
    }

    std::filesystem::path source(int version) const {
        return folder_ / (L"version" + std::to_wstring(version) + L".dvk");
    }

    SaverRun endSave(HANDLE process, std::chrono::nanoseconds delay) {
        const HANDLE started[] = {ready_.handle, process};
        const DWORD first = WaitForMultipleObjects(2, started, FALSE, patience);
        if (first == WAIT_TIMEOUT) {
            TerminateProcess(process, killedCode);
            return {SaverEnd::hung, {}};
        }
        const auto start = Clock::now();
        if (first == WAIT_OBJECT_0 && delay != proof::unendingSave) {
            waitUntil(start + delay);
            TerminateProcess(process, killedCode);
        }
        const HANDLE ended[] = {saved_.handle, process};
        WaitForMultipleObjects(2, ended, FALSE, patience);
        const auto saving = Clock::now() - start;
        if (WaitForSingleObject(process, patience) != WAIT_OBJECT_0) {
            return {SaverEnd::hung, saving};
        }
        DWORD code = 0;
        GetExitCodeProcess(process, &code);
        if (first != WAIT_OBJECT_0 || (code != 0 && code != killedCode)) {
            return {SaverEnd::crashed, saving};
        }
        return {code == killedCode ? SaverEnd::killed : SaverEnd::finished, saving};
    }

    std::filesystem::path folder_;
    proof::KillSpan span_;
    std::filesystem::path saver_;
    NamedEvent ready_;
    NamedEvent saved_;
};

} // namespace

int main(int argc, char** argv) {
    const auto options = proof::harnessOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: %s [TRIALS] [--replacement]\n", argv[0]);
        return 2;
    }
    const auto temporary = std::filesystem::temp_directory_path();
    Savers savers(temporary / ("tavrin-proof-sources-" + std::to_string(GetCurrentProcessId())),
                  options->span);
    const proof::KillTally tally = proof::runKillTrials(
        temporary, options->trials,
        [&savers](int version, const std::string& target, std::chrono::nanoseconds delay) {
            return savers.run(version, target, delay);
        });
    std::printf(
        "%s\n",
        tally.summary(std::string("killed saves, Win32 under Wine, ") + spanName(options->span))
            .c_str());
    return tally.held() ? 0 : 1;
}
