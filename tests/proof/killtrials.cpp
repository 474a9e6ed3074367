#include "killtrials.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <system_error>

#include "file/datafile.h"
#include "file/rawfile.h"
#include "saveversions.h"

namespace proof {
namespace {

using Clock = std::chrono::steady_clock;

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// The version the file holds, or none.
std::optional<int> versionIn(const std::string& target) {
    try {
        const std::string bytes = tavrin::file::readFile(target);
        const SaveVersions& versions = saveVersions();
        for (int version = 0; version < 2; ++version) {
            if (bytes == versions.bytes[version]) {
                return version;
            }
        }
    } catch (const tavrin::file::FileError&) {
    }
    return std::nullopt;
}

int entriesBeside(const std::filesystem::path& target) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(target.parent_path())) {
        count += entry.path().filename() != target.filename();
    }
    return count;
}

std::filesystem::path freshFolder(const std::filesystem::path& under) {
    std::random_device random;
    for (;;) {
        const auto folder = under / ("tavrin-killed-save-" + std::to_string(random()));
        if (std::filesystem::create_directory(folder)) {
            return folder;
        }
    }
}

void save(int version, const std::string& target) {
    tavrin::file::SaveDocument(saveVersions().documents[version], target);
}

std::chrono::nanoseconds medianSaveDuration(const std::string& target, const KilledSave& kill) {
    std::array<std::chrono::nanoseconds, 3> durations;
    for (auto& duration : durations) {
        duration = kill(0, target, unendingSave).saving;
    }
    std::sort(durations.begin(), durations.end());
    return durations[1];
}

} // namespace

bool KillTally::held() const noexcept {
    return tornFiles == 0 && leftovers == 0 && crashes == 0 && hangs == 0 &&
           oldFiles + newFiles == trials;
}

std::string KillTally::summary(const std::string& harness) const {
    using std::chrono::duration;
    std::ostringstream line;
    line << harness << ": trials " << trials << ", old " << oldFiles << ", new " << newFiles
         << ", torn " << tornFiles << ", leftovers " << leftovers << ", crashes " << crashes
         << ", hangs " << hangs << " (saves done before the kill " << finishedSaves
         << ", temporaries left by kills " << strandedTemporaries << ", one save "
         << duration<double, std::milli>(saveDuration).count() << " ms, "
         << duration<double>(elapsed).count() << " s)";
    return line.str();
}

KillTally runKillTrials(const std::filesystem::path& under, int trials, const KilledSave& kill) {
    const auto start = Clock::now();
    const std::filesystem::path folder = freshFolder(under);
    const std::filesystem::path targetPath = folder / "items.dvk";
    const std::string target = utf8(targetPath);
    KillTally tally;
    save(0, target);
    tally.saveDuration = medianSaveDuration(target, kill);

    std::mt19937_64 random(std::random_device{}());
    std::uniform_int_distribution<std::int64_t> delays(0, tally.saveDuration.count() * 6 / 5);
    int current = 0;
    for (; tally.trials < trials; ++tally.trials) {
        const int next = 1 - current;
        switch (kill(next, target, std::chrono::nanoseconds(delays(random))).end) {
        case SaverEnd::crashed:
            ++tally.crashes;
            break;
        case SaverEnd::hung:
            ++tally.hangs;
            break;
        case SaverEnd::finished:
            ++tally.finishedSaves;
            break;
        case SaverEnd::killed:
            break;
        }
        const std::optional<int> found = versionIn(target);
        if (!found) {
            ++tally.tornFiles;
            const auto hint = tavrin::file::fileHint(target);
            std::fprintf(stderr, "trial %d left neither version: %s\n", tally.trials + 1,
                         hint ? (std::to_string(hint->size) + " bytes").c_str() : "no file");
        } else if (*found == current) {
            ++tally.oldFiles;
        } else {
            ++tally.newFiles;
            current = next;
        }
        tally.strandedTemporaries += entriesBeside(targetPath);
        save(current, target);
        tally.leftovers += entriesBeside(targetPath) != 0;
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    tally.elapsed = Clock::now() - start;
    return tally;
}

std::optional<HarnessOptions> harnessOptions(int argc, char** argv) {
    HarnessOptions options;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--replacement") {
            options.span = KillSpan::replacement;
            continue;
        }
        char* end = nullptr;
        const long trials = std::strtol(argv[index], &end, 10);
        if (index != 1 || *end != '\0' || trials <= 0 || trials > 1'000'000) {
            return std::nullopt;
        }
        options.trials = static_cast<int>(trials);
    }
    return options;
}

} // namespace proof
