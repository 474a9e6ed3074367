#pragma once

#include <string>
#include <string_view>

#include "system/staticdata.h"

namespace drevak {
class DvkDocument;
}

// Fills StaticData from ".\static.dvk" beside the executable.
namespace tavrin::app {

// Reads the static configuration beside the executable into StaticData; a missing or broken
// file gives every key its default. The main function calls this before anything else.
void loadStaticConfiguration();

// The values held in a static configuration document, for a program in programFolder
// (the executable's folder, with or without its trailing backslash). A missing key and
// a key holding another type both give the default.
system::StaticData::Values readStaticConfiguration(const drevak::DvkDocument& document,
                                                   std::string_view programFolder);

// "<TAVRIN>" replaced by the program folder without trailing backslashes, then
// %NAME% environment variables expanded; the text stays unexpanded when the system
// cannot expand it.
std::string expandStaticText(std::string_view text, std::string_view programFolder);

} // namespace tavrin::app
