#include "file/items/foldedorder.h"

#include <algorithm>

namespace tavrin::file::items {
namespace {

constexpr std::size_t HEAD_LENGTH = 4;
constexpr char32_t HEAD_LARGEST = 0xFFFF;

} // namespace

FoldedHead::FoldedHead(std::u32string_view text) : whole(text.size() <= HEAD_LENGTH) {
    for (std::size_t at = 0; at < HEAD_LENGTH; ++at) {
        const char32_t character = at < text.size() ? text[at] : 0;
        whole = whole && character <= HEAD_LARGEST;
        bits = (bits << 16) | std::min(character, HEAD_LARGEST);
    }
}

int compareFolded(const FoldedHead& leftHead, std::u32string_view left, const FoldedHead& rightHead,
                  std::u32string_view right) {
    if (leftHead.bits != rightHead.bits) {
        return leftHead.bits < rightHead.bits ? -1 : 1;
    }
    // Equal whole heads differ at most by the zero padding of the shorter text.
    if (leftHead.whole && rightHead.whole) {
        return left.size() == right.size() ? 0 : left.size() < right.size() ? -1 : 1;
    }
    return left.compare(right);
}

} // namespace tavrin::file::items
