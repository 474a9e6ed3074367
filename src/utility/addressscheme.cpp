#include "utility/addressscheme.h"

namespace tavrin::utility {
namespace {

bool isLetter(char c) noexcept {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isSchemeCharacter(char c) noexcept {
    return isLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

} // namespace

bool hasAddressScheme(std::string_view text) noexcept {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2 || !isLetter(text.front())) {
        return false;
    }
    for (const char c : text.substr(0, colon)) {
        if (!isSchemeCharacter(c)) {
            return false;
        }
    }
    return true;
}

} // namespace tavrin::utility
