#pragma once

#include <string>
#include <string_view>

namespace tavrin::utility {

// UTF-8 to UTF-16 code units on every platform (std::wstring has 32-bit units off Windows,
// so the Windows-API conversion of unicode.h is no help to platform-neutral code). Invalid
// sequences become U+FFFD, as in unicode.h.
std::u16string utf16FromUtf8(std::string_view text);

// The same, appending to a buffer that the caller reuses.
void appendUtf16(std::u16string& out, std::string_view text);

// The code point of the UTF-8 sequence at text[at], advancing at past it; a malformed,
// overlong or surrogate sequence gives U+FFFD and consumes only its lead byte.
char32_t decodeUtf8(std::string_view text, std::size_t& at);

// The longest start of text of at most maxBytes bytes that does not end inside a UTF-8
// sequence: a long line cut to what a message shows.
std::string_view utf8Prefix(std::string_view text, std::size_t maxBytes);

} // namespace tavrin::utility
