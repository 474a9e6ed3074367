#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "etc/drevak/dvkdocument.h"

namespace dvk {

// A line that the reader drops: a value line that did not apply, or a line that is
// neither a comment, a value line nor blank. Saving the document loses it.
struct DroppedLine {
    std::size_t lineNumber; // from 1, the byte-order mark not counted
    std::string reason;
    std::string line;
};

struct DocumentFile {
    drevak::DvkDocument document;
    std::vector<DroppedLine> dropped; // in line order
};

// Reads a data file as the application does. A file without lines is an empty
// document, as the application takes it. Raises FileError when it cannot be read or holds
// no text; UTF-16 with its byte-order mark is text, decoded.
DocumentFile readDocumentFile(const std::string& path);

// One report line: "path:line: reason: line", the line shortened when very long.
void printDropped(std::ostream& out, const std::string& path, const DroppedLine& dropped);

} // namespace dvk
