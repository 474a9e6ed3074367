#include "utility/menutext.h"

namespace tavrin::utility {

namespace {

// A byte that continues a multi-byte sequence rather than beginning a character.
bool continues(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::string menuText(std::string_view caption, std::int64_t limit) {
    if (limit <= 0) {
        return std::string(caption);
    }
    std::int64_t characters = 0;
    for (std::size_t at = 0; at < caption.size(); ++at) {
        if (!continues(caption[at]) && ++characters > limit) {
            return std::string(caption.substr(0, at)) + "...";
        }
    }
    return std::string(caption);
}

} // namespace tavrin::utility
