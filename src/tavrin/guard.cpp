#include "tavrin/guard.h"

namespace tavrin {

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
                throw;
            }
        } catch (const system::TavrinException& exception) {
            reporter.showException(exception);
            exitCode = static_cast<int>(exception.Code());
        }
        // Data changed by a failed run may be inconsistent: the files keep their last good state.
        if (!failed) {
            session.save();
        }
        return exitCode;
    } catch (const std::exception& error) {
        try {
            reporter.showError(error);
        } catch (...) {
            // Reporting is all that is left to do; the exit code still tells.
        }
        return -1;
    } catch (...) {
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
    } catch (const std::string& text) {
        return text;
    } catch (const char* text) {
        return text ? text : "null";
    } catch (...) {
        return "null";
    }
}

} // namespace tavrin
