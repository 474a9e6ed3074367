#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "etc/drevak/dvkdocument.h"
#include "file/datafile.h"

namespace dvk {

using tavrin::file::DroppedLine;

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
