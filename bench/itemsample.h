#pragma once

#include <cstddef>
#include <string>

namespace bench {

// One items document of the launcher's shape, as the document text and as JSON holding
// the same content, so that every reader and writer measured works on the same data.
struct ItemSample {
    std::string documentText; // what DvkDocument::toString gives, without the byte-order mark
    std::string jsonText;     // compact JSON
    std::size_t itemCount;
};

// Built once, on first use.
const ItemSample& itemSample();

} // namespace bench
