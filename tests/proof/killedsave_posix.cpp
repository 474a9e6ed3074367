// Kills saves of a large items document at random moments with SIGKILL and counts what each
// left: the file must hold exactly its old or exactly its new bytes, and the next save must
// leave nothing beside it. Usage: killed_save_posix [TRIALS] [--replacement] (spannedsave.h);
// exit status 1 when any trial failed, 2 for a bad argument.
#include <csignal>
#include <cstdio>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

#include "killtrials.h"
#include "saveversions.h"

namespace {

using proof::SaverEnd;

void sleepFor(std::chrono::nanoseconds delay) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(delay);
    timespec rest{static_cast<time_t>(seconds.count()),
                  static_cast<long>((delay - seconds).count())};
    while (::nanosleep(&rest, &rest) != 0) {
    }
}

// The saver says through the pipe that only the save is left: the delay counts from there, so
// that the time a new process takes to be scheduled is not mistaken for part of the save.
proof::SaverRun killedSave(proof::KillSpan span, int version, const std::string& target,
                           std::chrono::nanoseconds delay) {
    int ready[2];
    if (::pipe(ready) != 0) {
        std::perror("pipe");
        return {SaverEnd::crashed, {}};
    }
    const pid_t saver = ::fork();
    if (saver < 0) {
        std::perror("fork");
        return {SaverEnd::crashed, {}};
    }
    if (saver == 0) {
        ::close(ready[0]);
        try {
            proof::spannedSave(span, proof::saveVersions().documents[version], target, [&ready] {
                if (::write(ready[1], "s", 1) != 1) {
                    ::_exit(3);
                }
            });
        } catch (const std::exception& error) {
            std::fprintf(stderr, "the save failed: %s\n", error.what());
            ::_exit(3);
        }
        ::_exit(0);
    }
    ::close(ready[1]);
    char signal;
    const bool started = ::read(ready[0], &signal, 1) == 1;
    ::close(ready[0]);
    const auto start = std::chrono::steady_clock::now();
    if (started && delay != proof::unendingSave) {
        sleepFor(delay);
        ::kill(saver, SIGKILL);
    }
    int status = 0;
    while (::waitpid(saver, &status, 0) < 0) {
    }
    const auto saving = std::chrono::steady_clock::now() - start;
    if (started && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) {
        return {SaverEnd::killed, saving};
    }
    const bool saved = started && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return {saved ? SaverEnd::finished : SaverEnd::crashed, saving};
}

} // namespace

int main(int argc, char** argv) {
    const auto options = proof::harnessOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: %s [TRIALS] [--replacement]\n", argv[0]);
        return 2;
    }
    proof::saveVersions();
    const proof::KillTally tally =
        proof::runKillTrials(std::filesystem::temp_directory_path(), options->trials,
                             [span = options->span](int version, const std::string& target,
                                                    std::chrono::nanoseconds delay) {
                                 return killedSave(span, version, target, delay);
                             });
    std::printf(
        "%s\n",
        tally.summary(std::string("killed saves, POSIX, ") + spanName(options->span)).c_str());
    return tally.held() ? 0 : 1;
}
