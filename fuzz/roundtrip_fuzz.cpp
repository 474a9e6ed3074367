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
#include "file/rawfile.h"

namespace {

// The errors reading may raise: bytes that are no text, and a file without lines.
constexpr std::string_view NO_LINES = "いやいや、むりむり";
constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

std::string firstText(std::string_view bytes, bool& readable) {
    try {
        readable = true;
        return tavrin::file::parseDocumentFile(bytes, "fuzz.dvk").toString();
    } catch (const tavrin::file::FileError&) {
        readable = false;
        return {};
    } catch (const drevak::DrevakException& e) {
        if (e.text() != NO_LINES) {
            throw;
        }
        readable = false;
        return {};
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    bool readable = false;
    const std::string first = firstText(bytes, readable);
    if (!readable || first.empty()) {
        return 0; // an empty document has no text to read back
    }
    // The saved bytes (the mark, then the text) must read back as text, or the next load
    // would refuse them.
    const std::string text =
        tavrin::file::documentText(std::string(BYTE_ORDER_MARK) + first, "fuzz.dvk");
    const std::vector<std::string_view> lines = tavrin::file::splitLines(text);
    const drevak::DvkDocument second{std::span<const std::string_view>(lines)};
    if (second.toString() != first) {
        __builtin_trap();
    }
    return 0;
}
