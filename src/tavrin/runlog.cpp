#include "tavrin/runlog.h"

#include <memory>
#include <stdexcept>

#include "system/log.h"
#include "system/tavrinerrors.h"
#include "utility/simple/sysinfo.h"

namespace tavrin {

void startLog(bool enabled, Reporter& reporter) {
    try {
        system::SetLogging(enabled, utility::SystemReport);
    } catch (const std::exception& failure) {
        try {
            reporter.showError(system::TavrinException(
                "ログを開始できません", system::CODE::NONE,
                std::make_shared<const std::runtime_error>(system::throwableText(failure))));
        } catch (...) {
            // The launcher starts all the same.
        }
    }
}

void endLog() noexcept {
    try {
        system::SetLogging(false);
    } catch (...) {
        // The file is closed all the same; the run's exit code stands.
    }
}

} // namespace tavrin
