#include "dvk/documentfile.h"

#include <string_view>

#include "file/datafile.h"
#include "file/rawfile.h"
#include "utility/utf16.h"

namespace dvk {

namespace {

// Long enough to recognise a line, short enough that a megabyte line stays readable.
constexpr std::size_t SHOWN_LINE_BYTES = 160;

} // namespace

DocumentFile readDocumentFile(const std::string& path) {
    const std::string text = tavrin::file::documentText(tavrin::file::readFile(path), path);
    const std::vector<std::string_view> lines = tavrin::file::splitLines(text);

    DocumentFile file;
    if (lines.empty()) {
        return file;
    }
    file.dropped = tavrin::file::readLines(file.document, lines);
    return file;
}

void printDropped(std::ostream& out, const std::string& path, const DroppedLine& dropped) {
    const std::string_view shown = tavrin::utility::utf8Prefix(dropped.line, SHOWN_LINE_BYTES);
    out << path << ':' << dropped.lineNumber << ": " << dropped.reason << ": " << shown
        << (shown.size() < dropped.line.size() ? "..." : "") << '\n';
}

} // namespace dvk
