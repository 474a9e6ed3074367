#pragma once

#include <cstdint>
#include <string_view>

namespace tavrin::file::items {

// The first four code points of a folded text, packed so that most comparisons in a sort
// never read the text. A code point beyond 16 bits counts as U+FFFF there; the head is
// whole when the text ends within it and nothing was cut.
struct FoldedHead {
    std::uint64_t bits = 0;
    bool whole = false;

    explicit FoldedHead(std::u32string_view text);
};

// Below zero, zero or above as left sorts before, with or after right, code point by code
// point: the heads first, the texts only when they cannot tell.
int compareFolded(const FoldedHead& leftHead, std::u32string_view left, const FoldedHead& rightHead,
                  std::u32string_view right);

} // namespace tavrin::file::items
