#pragma once

#include <array>
#include <string>

#include "etc/drevak/dvkdocument.h"

namespace proof {

// The two versions a killed save switches between: the large items document of the benchmarks
// and a copy changed at its start and at its end, as documents and as exactly the bytes a save
// of each writes. Built once, on first use.
struct SaveVersions {
    std::array<drevak::DvkDocument, 2> documents;
    std::array<std::string, 2> bytes;
};
const SaveVersions& saveVersions();

} // namespace proof
