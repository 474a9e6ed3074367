#pragma once

#include <functional>
#include <string>

#include "etc/drevak/dvkdocument.h"

namespace proof {

// What the delays before the kills are spread over: the whole SaveDocument, or only its
// replacement of the file, which begins once the bytes are made. Making the bytes takes most of
// a save and touches no file, so kills spread over the replacement reach the file far more often.
enum class KillSpan { wholeSave, replacement };

// How a harness names the span in its summary.
const char* spanName(KillSpan span);

// Saves document over target in SaveDocument's two steps, calling started where span begins.
void spannedSave(KillSpan span, const drevak::DvkDocument& document, const std::string& target,
                 const std::function<void()>& started);

} // namespace proof
