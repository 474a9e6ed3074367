#include "file/textencoding.h"

#include <cstdint>

namespace tavrin::file {
namespace {

constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view utf16LittleMark = "\xFF\xFE";
constexpr std::string_view utf16BigMark = "\xFE\xFF";

constexpr std::string_view nulCharacter = "NUL character";
constexpr std::string_view strayContinuation =
    "invalid UTF-8 (continuation byte without a lead byte)";
constexpr std::string_view overlong = "invalid UTF-8 (overlong form)";
constexpr std::string_view surrogate = "invalid UTF-8 (UTF-16 surrogate)";
constexpr std::string_view beyondUnicode = "invalid UTF-8 (beyond U+10FFFF)";
constexpr std::string_view neverUtf8 = "invalid UTF-8 (byte above F4)";
constexpr std::string_view cutShort = "invalid UTF-8 (sequence cut short)";
constexpr std::string_view loneSurrogate = "invalid UTF-16 (lone surrogate)";
constexpr std::string_view oddLength = "invalid UTF-16 (odd number of bytes)";

// The length of the well-formed sequence at an offset; 0, with the reason, when there is none.
struct Sequence {
    std::size_t length;
    std::string_view reason;
};

std::uint8_t byteAt(std::string_view bytes, std::size_t offset) {
    return static_cast<std::uint8_t>(bytes[offset]);
}

bool isContinuation(std::string_view bytes, std::size_t offset) {
    return offset < bytes.size() && (byteAt(bytes, offset) & 0xC0) == 0x80;
}

// One more than the line ends in the text before a fault.
std::size_t lineAfter(std::string_view before) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool crOfCrLf = i + 1 < before.size() && before[i + 1] == '\n';
        if (before[i] == '\n' || (before[i] == '\r' && !crOfCrLf)) {
            ++line;
        }
    }
    return line;
}

Sequence sequenceAt(std::string_view bytes, std::size_t at) {
    const std::uint8_t lead = byteAt(bytes, at);
    if (lead == 0) {
        return {0, nulCharacter};
    }
    if (lead < 0x80) {
        return {1, {}};
    }
    if (lead < 0xC0) {
        return {0, strayContinuation};
    }
    if (lead < 0xC2) {
        return {0, overlong};
    }
    if (lead > 0xF4) {
        return {0, neverUtf8};
    }
    // The second byte's narrower range is what rules out overlong forms, surrogates and
    // code points beyond U+10FFFF.
    std::size_t length = 2;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    std::string_view outside = overlong;
    if (lead >= 0xF0) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
        outside = lead == 0xF4 ? beyondUnicode : overlong;
    } else if (lead >= 0xE0) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
        outside = lead == 0xED ? surrogate : overlong;
    }
    for (std::size_t next = at + 1; next < at + length; ++next) {
        if (!isContinuation(bytes, next)) {
            return {0, cutShort};
        }
    }
    const std::uint8_t second = byteAt(bytes, at + 1);
    if (second < low || second > high) {
        return {0, outside};
    }
    return {length, {}};
}

DecodedText checkUtf8(std::string_view bytes) {
    const std::size_t start = bytes.starts_with(utf8Mark) ? utf8Mark.size() : 0;
    for (std::size_t at = start; at < bytes.size();) {
        const Sequence sequence = sequenceAt(bytes, at);
        if (sequence.length == 0) {
            const std::size_t line = lineAfter(bytes.substr(start, at - start));
            return {{}, TextFault{line, at, sequence.reason}};
        }
        at += sequence.length;
    }
    return {std::string(bytes.substr(start)), std::nullopt};
}

void appendUtf8(std::string& text, char32_t code) {
    const auto add = [&text](unsigned value) { text.push_back(static_cast<char>(value)); };
    if (code < 0x80) {
        add(code);
    } else if (code < 0x800) {
        add(0xC0 | (code >> 6));
        add(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        add(0xE0 | (code >> 12));
        add(0x80 | ((code >> 6) & 0x3F));
        add(0x80 | (code & 0x3F));
    } else {
        add(0xF0 | (code >> 18));
        add(0x80 | ((code >> 12) & 0x3F));
        add(0x80 | ((code >> 6) & 0x3F));
        add(0x80 | (code & 0x3F));
    }
}

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Every unit is two bytes after the two-byte mark.
DecodedText decodeUtf16(std::string_view bytes, bool bigEndian) {
    const auto unitAt = [bytes, bigEndian](std::size_t at) -> char32_t {
        const unsigned first = byteAt(bytes, at);
        const unsigned second = byteAt(bytes, at + 1);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    std::string text;
    text.reserve(bytes.size() * 3 / 2);
    const auto fault = [&text](std::size_t at, std::string_view reason) {
        return DecodedText{{}, TextFault{lineAfter(text), at, reason}};
    };
    std::size_t at = utf16LittleMark.size();
    while (at < bytes.size()) {
        if (at + 1 == bytes.size()) {
            return fault(at, oddLength);
        }
        char32_t code = unitAt(at);
        std::size_t width = 2;
        if (isHighSurrogate(code) && at + 3 < bytes.size() && isLowSurrogate(unitAt(at + 2))) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unitAt(at + 2) - 0xDC00);
            width = 4;
        } else if (isHighSurrogate(code) || isLowSurrogate(code)) {
            return fault(at, loneSurrogate);
        } else if (code == 0) {
            return fault(at, nulCharacter);
        }
        appendUtf8(text, code);
        at += width;
    }
    return {std::move(text), std::nullopt};
}

} // namespace

DecodedText decodeText(std::string_view bytes) {
    if (bytes.starts_with(utf16LittleMark)) {
        return decodeUtf16(bytes, false);
    }
    if (bytes.starts_with(utf16BigMark)) {
        return decodeUtf16(bytes, true);
    }
    return checkUtf8(bytes);
}

} // namespace tavrin::file
