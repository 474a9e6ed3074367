#pragma once

#include "tavrin/guard.h"

namespace tavrin {

// Starts the log when enabled. A log that cannot start (its folder cannot be made, its file
// cannot be opened) is shown through the reporter and the run goes on without it: a
// diagnostic aid must never keep the launcher from starting.
void startLog(bool enabled, Reporter& reporter);

// Ends the log with its end marker. On the way out nothing can be done about a marker that
// cannot be written, so nothing escapes.
void endLog() noexcept;

} // namespace tavrin
