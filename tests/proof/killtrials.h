#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "spannedsave.h"

namespace proof {

// How the saving process ended.
enum class SaverEnd {
    killed,   // by the harness, as planned
    finished, // its save was done before the harness came to kill it
    crashed,  // it failed or died of something else
    hung,     // it did not end in time
};

struct SaverRun {
    SaverEnd end;
    std::chrono::nanoseconds saving; // from the start of the save to its end, or the process's
};

// Saves version (0 or 1) of saveVersions() over the file at target in a process of its own and
// ends that process delay after the save began; with unendingSave, waits for the save to end.
using KilledSave =
    std::function<SaverRun(int version, const std::string& target, std::chrono::nanoseconds delay)>;

constexpr std::chrono::nanoseconds unendingSave = std::chrono::nanoseconds::max();

struct KillTally {
    int trials = 0;
    int oldFiles = 0;            // the file held exactly the bytes from before the killed save
    int newFiles = 0;            // exactly the bytes the killed save was writing
    int tornFiles = 0;           // anything else, a missing file included
    int finishedSaves = 0;       // saves done before the harness came to kill them
    int strandedTemporaries = 0; // files a killed save left beside the target
    int leftovers = 0; // trials after whose following successful save more than the file was left
    int crashes = 0;
    int hangs = 0;
    std::chrono::nanoseconds saveDuration{};
    std::chrono::nanoseconds elapsed{};

    bool held() const noexcept;
    // One line: the harness's name and every count.
    std::string summary(const std::string& harness) const;
};

// In a fresh folder under folder: saves version 0, times saves made by kill that are not ended
// (the median of three), then per trial kills a save of the other
// version after a delay drawn evenly from [0, 1.2 × that time], checks the file and saves again
// in this process, checking that only the file is left. The folder made is removed.
KillTally runKillTrials(const std::filesystem::path& folder, int trials, const KilledSave& kill);

struct HarnessOptions {
    int trials = 20;
    KillSpan span = KillSpan::wholeSave;
};

// From the arguments [TRIALS] [--replacement]; none for anything else.
std::optional<HarnessOptions> harnessOptions(int argc, char** argv);

} // namespace proof
