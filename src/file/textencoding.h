#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin::file {

// Where a file's bytes stop being text, and why.
struct TextFault {
    std::size_t line;   // from 1, line ends counted as splitLines counts them
    std::size_t offset; // of the first byte of the bad sequence, from the start of the file
    std::string_view reason;
};

struct DecodedText {
    std::string text; // empty when there is a fault
    std::optional<TextFault> fault;
};

// A file's bytes as UTF-8 text without a byte-order mark. UTF-8, with or without its mark,
// is kept byte for byte; UTF-16 with its mark (either byte order), as text editors save it,
// is decoded. Anything else, and a NUL character in any of them, is no text: reading it
// would lose or mangle what the user wrote, so the first bad sequence is the answer instead.
DecodedText decodeText(std::string_view bytes);

} // namespace tavrin::file
