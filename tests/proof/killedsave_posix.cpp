// Kills saves of a large items document at random moments with SIGKILL and counts what each
// left: the file must hold exactly its old or exactly its new bytes, and the next save must
// leave nothing beside it. Usage: killed_save_posix [TRIALS]; exit status 1 when any trial
// failed, 2 for a bad argument.
#include <csignal>
#include <cstdio>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

#include "file/datafile.h"
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

proof::SaverRun killedSave(int version, const std::string& target, std::chrono::nanoseconds delay) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t saver = ::fork();
    if (saver < 0) {
        std::perror("fork");
        return {SaverEnd::crashed, {}};
    }
    if (saver == 0) {
        try {
            tavrin::file::SaveDocument(proof::saveVersions().documents[version], target);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "the save failed: %s\n", error.what());
            ::_exit(3);
        }
        ::_exit(0);
    }
    if (delay != proof::unendingSave) {
        sleepFor(delay);
        ::kill(saver, SIGKILL);
    }
    int status = 0;
    while (::waitpid(saver, &status, 0) < 0) {
    }
    const auto saving = std::chrono::steady_clock::now() - start;
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) {
        return {SaverEnd::killed, saving};
    }
    const bool saved = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return {saved ? SaverEnd::finished : SaverEnd::crashed, saving};
}

} // namespace

int main(int argc, char** argv) {
    const int trials = proof::trialCount(argc, argv, 20);
    if (trials == 0) {
        std::fprintf(stderr, "usage: %s [TRIALS]\n", argv[0]);
        return 2;
    }
    proof::saveVersions();
    const proof::KillTally tally =
        proof::runKillTrials(std::filesystem::temp_directory_path(), trials, killedSave);
    std::printf("%s\n", tally.summary("killed saves, POSIX").c_str());
    return tally.held() ? 0 : 1;
}
