#include "mutations.h"

#include <vector>

#include "system/unicode.h"

namespace tavrin::proof {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t megabyte = 1 << 20;
constexpr int addressDepth = 100000;

std::size_t below(std::size_t bound, std::mt19937_64& random) {
    return bound == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
}

std::string withoutByteOrderMark(std::string_view text) {
    return std::string(text.starts_with(byteOrderMark) ? text.substr(byteOrderMark.size()) : text);
}

std::string withCrLf(std::string_view text) {
    std::string converted;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' && (at == 0 || text[at - 1] != '\r')) {
            converted += '\r';
        }
        converted += text[at];
    }
    return converted;
}

// The text cut at a random place where the byte there and the one before it pass the test;
// at a random place anywhere when there is none.
template <typename Test>
std::string cutWhere(const std::string& text, std::mt19937_64& random, Test test) {
    std::vector<std::size_t> places;
    for (std::size_t at = 1; at < text.size(); ++at) {
        if (test(text[at - 1], text[at])) {
            places.push_back(at);
        }
    }
    const std::size_t cut =
        places.empty() ? below(text.size(), random) : places[below(places.size(), random)];
    return text.substr(0, cut);
}

std::string inserted(std::string text, char byte, std::mt19937_64& random) {
    for (std::size_t count = 1 + below(4, random); count > 0; --count) {
        text.insert(below(text.size() + 1, random), 1, byte);
    }
    return text;
}

// Where the lines start, after the byte-order mark.
std::vector<std::size_t> lineStarts(std::string_view text) {
    std::vector<std::size_t> starts{text.starts_with(byteOrderMark) ? byteOrderMark.size() : 0};
    for (std::size_t at = text.find('\n'); at != std::string_view::npos && at + 1 < text.size();
         at = text.find('\n', at + 1)) {
        starts.push_back(at + 1);
    }
    return starts;
}

std::string utf16(std::string_view good, std::mt19937_64& random) {
    const std::wstring wide = system::toWide(withoutByteOrderMark(good));
    const auto order = below(3, random);
    const bool bigEndian = order == 1;
    std::string bytes = order == 2 ? "" : bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const wchar_t unit : wide) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

// A line of the file grown by a megabyte before its end, in ASCII or in three-byte characters.
std::string megabyteLine(std::string text, std::mt19937_64& random) {
    const std::vector<std::size_t> starts = lineStarts(text);
    const std::size_t start = starts[below(starts.size(), random)];
    std::size_t end = text.find_first_of("\r\n", start);
    end = end == std::string::npos ? text.size() : end;
    const std::string_view unit = below(2, random) == 0 ? "x" : "長";
    std::string filler;
    filler.reserve(megabyte + unit.size());
    while (filler.size() < megabyte) {
        filler += unit;
    }
    return text.insert(end, filler);
}

// A line whose key is 100,000 names deep, under the first name of a line of the file or alone.
std::string deepAddress(std::string text, std::mt19937_64& random) {
    const std::vector<std::size_t> starts = lineStarts(text);
    const std::size_t start = starts[below(starts.size(), random)];
    std::string line = below(2, random) == 0
                           ? "a"
                           : text.substr(start, text.find_first_of("/:\\$!=\r\n", start) - start);
    for (int depth = 1; depth < addressDepth; ++depth) {
        line += "/a";
    }
    line += below(2, random) == 0 ? ":1\r\n" : "\\深い\r\n";
    return text.insert(start, line);
}

} // namespace

std::string_view nameOf(Mutation mutation) {
    switch (mutation) {
    case Mutation::BIT_FLIPS:
        return "bit flips";
    case Mutation::CUT_IN_UTF8_SEQUENCE:
        return "cut in a UTF-8 sequence";
    case Mutation::CUT_IN_LINE:
        return "cut in a line";
    case Mutation::CUT_BETWEEN_CR_AND_LF:
        return "cut between CR and LF";
    case Mutation::CUT_IN_BYTE_ORDER_MARK:
        return "cut in the byte-order mark";
    case Mutation::NUL_INSERTED:
        return "NUL inserted";
    case Mutation::CR_INSERTED:
        return "CR inserted";
    case Mutation::UTF16:
        return "UTF-16";
    case Mutation::NO_BYTE_ORDER_MARK:
        return "no byte-order mark";
    case Mutation::MEGABYTE_LINE:
        return "1 MB line";
    case Mutation::DEEP_ADDRESS:
        return "100,000-deep address";
    }
    return "?";
}

std::string mutate(std::string_view good, Mutation mutation, std::mt19937_64& random) {
    std::string text(good);
    switch (mutation) {
    case Mutation::BIT_FLIPS:
        for (std::size_t count = 1 + below(8, random); count > 0 && !text.empty(); --count) {
            text[below(text.size(), random)] ^= static_cast<char>(1 << below(8, random));
        }
        return text;
    case Mutation::CUT_IN_UTF8_SEQUENCE:
        return cutWhere(text, random, [](char, char byte) { return (byte & 0xC0) == 0x80; });
    case Mutation::CUT_IN_LINE:
        return cutWhere(text, random, [](char before, char byte) {
            return before != '\n' && byte != '\r' && byte != '\n';
        });
    case Mutation::CUT_BETWEEN_CR_AND_LF:
        return cutWhere(withCrLf(text), random,
                        [](char before, char byte) { return before == '\r' && byte == '\n'; });
    case Mutation::CUT_IN_BYTE_ORDER_MARK:
        return (std::string(byteOrderMark) + withoutByteOrderMark(text))
            .substr(0, 1 + below(3, random));
    case Mutation::NUL_INSERTED:
        return inserted(text, '\0', random);
    case Mutation::CR_INSERTED:
        return inserted(text, '\r', random);
    case Mutation::UTF16:
        return utf16(text, random);
    case Mutation::NO_BYTE_ORDER_MARK:
        text = withoutByteOrderMark(text);
        if (below(2, random) == 0) {
            std::erase(text, '\r');
        }
        return text;
    case Mutation::MEGABYTE_LINE:
        return megabyteLine(text, random);
    case Mutation::DEEP_ADDRESS:
        return deepAddress(text, random);
    }
    return text;
}

} // namespace tavrin::proof
