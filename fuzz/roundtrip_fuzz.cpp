// Any bytes, read as a data file and written back, must give a text that reads back to
// itself: the writer's output is a fixed point of reading and writing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "etc/drevak/drevakexception.h"
#include "etc/drevak/dvkdocument.h"
#include "file/datafile.h"

namespace {

// The one error reading may raise: a file without lines.
constexpr std::string_view NO_LINES = "いやいや、むりむり";

std::string firstText(std::string_view bytes, bool& hasLines) {
    try {
        hasLines = true;
        return tavrin::file::parseDocumentFile(bytes).toString();
    } catch (const drevak::DrevakException& e) {
        if (e.text() != NO_LINES) {
            throw;
        }
        hasLines = false;
        return {};
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    bool hasLines = false;
    const std::string first = firstText(bytes, hasLines);
    if (!hasLines || first.empty()) {
        return 0; // an empty document has no text to read back
    }
    const std::vector<std::string_view> lines = tavrin::file::splitLines(first);
    const drevak::DvkDocument second{std::span<const std::string_view>(lines)};
    if (second.toString() != first) {
        __builtin_trap();
    }
    return 0;
}
