#include "dvk/documentfile.h"

#include <algorithm>
#include <string_view>

#include "etc/drevak/convert.h"
#include "file/datafile.h"
#include "file/rawfile.h"

namespace dvk {

namespace {

// Long enough to recognise a line, short enough that a megabyte line stays readable.
constexpr std::size_t SHOWN_LINE_BYTES = 160;

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view shortened(std::string_view line, bool& cut) {
    cut = line.size() > SHOWN_LINE_BYTES;
    if (!cut) {
        return line;
    }
    std::size_t end = SHOWN_LINE_BYTES;
    // Never split a UTF-8 sequence: back off over continuation bytes.
    while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) {
        --end;
    }
    return line.substr(0, end);
}

// A save writes an empty list as its address and the list mark alone; the reader skips the
// line and loses nothing by it, so it is no damage to report.
bool isEmptyList(std::string_view line) {
    if (!line.ends_with('$')) {
        return false;
    }
    const std::string_view address = line.substr(0, line.size() - 1);
    return drevak::Convert::isAddress(address) &&
           std::all_of(address.begin(), address.end(),
                       [](char c) { return c == '/' || drevak::Convert::isNameChar(c); });
}

} // namespace

DocumentFile readDocumentFile(const std::string& path) {
    const std::string text = tavrin::file::documentText(tavrin::file::readFile(path), path);
    const std::vector<std::string_view> lines = tavrin::file::splitLines(text);

    DocumentFile file;
    if (lines.empty()) {
        return file;
    }
    for (auto& failure : file.document.LoadWithReasons(true, lines)) {
        file.dropped.push_back({failure.lineNumber, std::move(failure.reason),
                                std::string(lines.at(failure.lineNumber - 1))});
    }
    // The reader skips these without a word; a hand-edited file deserves one.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (!isBlank(line) && !drevak::Convert::isComment(line) &&
            !drevak::Convert::isDataLine(line) && !isEmptyList(line)) {
            file.dropped.push_back({i + 1, "not a value line", std::string(line)});
        }
    }
    std::stable_sort(
        file.dropped.begin(), file.dropped.end(),
        [](const DroppedLine& a, const DroppedLine& b) { return a.lineNumber < b.lineNumber; });
    return file;
}

void printDropped(std::ostream& out, const std::string& path, const DroppedLine& dropped) {
    bool cut = false;
    out << path << ':' << dropped.lineNumber << ": " << dropped.reason << ": "
        << shortened(dropped.line, cut) << (cut ? "..." : "") << '\n';
}

} // namespace dvk
