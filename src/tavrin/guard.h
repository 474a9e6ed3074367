#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "system/tavrinerrors.h"

namespace tavrin {

// The stages of a run, in the order the guards call them.
class Session {
public:
    virtual ~Session() = default;
    // Everything up to the running window: static data, the application, the window.
    virtual void start() = 0;
    // Set-up and the message loop; returns the exit code.
    virtual int run() = 0;
    // Writes the data files; called only when run() raised nothing.
    virtual void save() = 0;
};

// Shows what ended a run.
class Reporter {
public:
    virtual ~Reporter() = default;
    // An exception of the application's family that left set-up or the message loop.
    virtual void showException(const system::TavrinException& exception) = 0;
    // Any exception that reached the outermost layer, or that kept the log from starting.
    virtual void showError(const std::exception& error) = 0;
    // Something thrown that is no exception at all, by its text.
    virtual void showOther(std::string_view text) = 0;
    // Something the user must know that does not end the run.
    virtual void showWarning(std::string_view text) = 0;
};

// Runs the session inside the three guard layers and returns the process exit code:
// run()'s result, a TavrinException's Code, -1 for any other exception, -2 for anything
// else thrown. A failure of run() keeps save() from being called. Each layer that catches
// writes the caught object's text to the log.
int runGuarded(Session& session, Reporter& reporter);

// The text of any thrown value: an exception's own text, the text of a thrown string,
// else "null".
std::string thrownText(std::exception_ptr thrown);

} // namespace tavrin
