#include "tavrin/guard.h"

#include <source_location>

#include "system/log.h"

namespace tavrin {

namespace {

void logCaught(std::exception_ptr caught,
               std::source_location where = std::source_location::current()) noexcept {
    system::WriteLog([&caught] { return thrownText(caught); }, where);
}

} // namespace

int runGuarded(Session& session, Reporter& reporter) {
    try {
        session.start();
        int exitCode = 0;
        bool failed = false;
        try {
            try {
                exitCode = session.run();
            } catch (...) {
                failed = true;
                logCaught(std::current_exception());
                throw;
            }
        } catch (const system::TavrinException& exception) {
            logCaught(std::current_exception());
            reporter.showException(exception);
            exitCode = static_cast<int>(exception.Code());
        }
        // Data changed by a failed run may be inconsistent: the files keep their last good state.
        if (!failed) {
            session.save();
        }
        return exitCode;
    } catch (const std::exception& error) {
        logCaught(std::current_exception());
        try {
            reporter.showError(error);
        } catch (...) {
            // Reporting is all that is left to do; the exit code still tells.
        }
        return -1;
    } catch (...) {
        logCaught(std::current_exception());
        try {
            reporter.showOther(thrownText(std::current_exception()));
        } catch (...) {
            // As above.
        }
        return -2;
    }
}

std::string thrownText(std::exception_ptr thrown) {
    if (!thrown) {
        return "null";
    }
    try {
        std::rethrow_exception(thrown);
    } catch (const std::exception& exception) {
        return system::throwableText(exception);
    } catch (const std::string& text) {
        return text;
    } catch (const char* text) {
        return text ? text : "null";
    } catch (...) {
        return "null";
    }
}

} // namespace tavrin
