#include <algorithm>
#include <string_view>

#include "dvk/commands.h"
#include "dvk/documentfile.h"
#include "etc/drevak/convert.h"
#include "file/datafile.h"
#include "file/rawfile.h"

namespace dvk {

namespace {

// The value line that setting the value means, checked as the reader checks lines.
std::string valueLine(const std::string& address, const std::string& value) {
    if (!drevak::Convert::isAddress(address) ||
        std::any_of(address.begin(), address.end(), drevak::Convert::isTypeChar)) {
        throw ToolError("not a valid address: " + address);
    }
    // A line break would split the line when the file is read back.
    if (value.find_first_of("\r\n") != std::string::npos) {
        throw ToolError("the value holds a line break; write it as \\n or \\r");
    }
    std::string line = address + value;
    if (value.empty() || !drevak::Convert::isTypeChar(value.front()) ||
        !drevak::Convert::isDataLine(line)) {
        throw ToolError("not a value: \"" + value +
                        "\"; give a type character (: = * @ \\ $ ? !) and the value text, "
                        "for example :5 or \\text");
    }
    return line;
}

// A missing file becomes a new document; an existing one must load without losing a line,
// since saving would silently drop what the reader skipped.
drevak::DvkDocument documentToChange(const std::string& path) {
    if (tavrin::file::fileMissing(path)) {
        return drevak::DvkDocument();
    }
    DocumentFile file = readDocumentFile(path);
    if (!file.dropped.empty()) {
        throw ToolError(path + ": " + std::to_string(file.dropped.size()) +
                        " line(s) would be lost by saving; mend them first (dvk check " + path +
                        ")");
    }
    return std::move(file.document);
}

} // namespace

int setCommand(Arguments args, std::ostream&, std::ostream&) {
    const std::string& path = args[0];
    const std::string line = valueLine(args[1], args[2]);
    drevak::DvkDocument document = documentToChange(path);
    const std::string_view lines[] = {line};
    const auto failures = document.LoadWithReasons(false, lines);
    if (!failures.empty()) {
        throw ToolError("cannot set " + args[1] + ": " + failures.front().reason);
    }
    tavrin::file::SaveDocument(document, path);
    return 0;
}

} // namespace dvk
