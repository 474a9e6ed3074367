#pragma once

#include <exception>

namespace tavrin::tvgui {

// No C++ exception may unwind through the system's code that called a window procedure,
// a subclass procedure or a timer procedure. Those procedures keep what their handlers
// threw here, and the message loop throws it again once the system has returned to it,
// so the exception reaches the caller of the loop unchanged, cause chain and all.
//
// The first exception of this thread is kept until thrown again; any that follow before
// then are written to the log and dropped.
void keepPendingException(std::exception_ptr exception) noexcept;

// Throws the kept exception, if any, and forgets it.
void rethrowPendingException();

} // namespace tavrin::tvgui
