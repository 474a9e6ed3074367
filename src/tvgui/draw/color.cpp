#include "tvgui/draw/color.h"

#include "system/tavrinerrors.h"

namespace tavrin::tvgui {

namespace {

int digitValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    return -1;
}

} // namespace

std::string colorText(ColorValue color, bool alpha, bool upper) {
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    const int bytes = alpha ? 4 : 3;
    std::string text;
    for (int at = 0; at < bytes; ++at) {
        const unsigned byte = (color >> (8 * at)) & 0xFF;
        text += digits[byte >> 4];
        text += digits[byte & 0xF];
    }
    return text;
}

ColorValue parseColorText(std::string_view text) {
    if (text.size() != 6 && text.size() != 8) {
        throw system::DrawException("色の文字列が不正:" + std::string(text));
    }
    ColorValue color = 0;
    for (std::size_t at = 0; at < text.size(); at += 2) {
        const int high = digitValue(text[at]);
        const int low = digitValue(text[at + 1]);
        if (high < 0 || low < 0) {
            throw system::DrawException("色の文字列が不正:" + std::string(text));
        }
        color |= static_cast<ColorValue>(high * 16 + low) << (4 * at);
    }
    return color;
}

} // namespace tavrin::tvgui
