#include "file/items/searchfold.h"

#include <array>

#include "file/items/commandsearch.h"
#include "utility/utf16.h"

namespace tavrin::file::items {
namespace {

constexpr char32_t HALF_KANA_FIRST = 0xFF61;
constexpr char32_t HALF_KANA_LAST = 0xFF9F;
constexpr char32_t HALF_VOICED = 0xFF9E;
constexpr char32_t HALF_SEMI_VOICED = 0xFF9F;

// The full-width forms of U+FF61 to U+FF9F, in order.
constexpr std::array<char16_t, HALF_KANA_LAST - HALF_KANA_FIRST + 1> FULL_KANA = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9,
    0x30E3, 0x30E5, 0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB,
    0x30AD, 0x30AF, 0x30B1, 0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1,
    0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5,
    0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9,
    0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C};

bool isHalfKana(char32_t point) {
    return point >= HALF_KANA_FIRST && point <= HALF_KANA_LAST;
}

// The full-width katakana of a half-width one with its voiced or semi-voiced mark composed,
// or 0 when the pair has no composed form (the mark then stays a letter of its own).
char32_t composed(char32_t half, char32_t mark) {
    const char32_t full = FULL_KANA[half - HALF_KANA_FIRST];
    const bool haToHo = half >= 0xFF8A && half <= 0xFF8E; // ﾊ to ﾎ
    if (mark == HALF_VOICED) {
        if ((half >= 0xFF76 && half <= 0xFF84) || haToHo) { // ｶ to ﾄ
            return full + 1;
        }
        switch (half) {
        case 0xFF73:
            return 0x30F4; // ｳ
        case 0xFF9C:
            return 0x30F7; // ﾜ
        case 0xFF66:
            return 0x30FA; // ｦ
        default:
            return 0;
        }
    }
    return mark == HALF_SEMI_VOICED && haToHo ? full + 2 : 0;
}

// Case, width and kana of one code point that needs no neighbour.
char32_t foldPoint(char32_t point) {
    if (point >= 0xFF01 && point <= 0xFF5E) {
        point -= 0xFEE0;
    } else if (point == 0x3000) {
        point = U' ';
    } else if (isHalfKana(point)) {
        point = FULL_KANA[point - HALF_KANA_FIRST];
    }
    if (point >= U'A' && point <= U'Z') {
        return point + (U'a' - U'A');
    }
    if (point >= 0x30A1 && point <= 0x30F6) {
        return point - 0x60;
    }
    return point;
}

void appendUtf8(std::string& out, char32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
        return;
    }
    if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
    } else {
        if (point < 0x10000) {
            out += static_cast<char>(0xE0 | (point >> 12));
        } else {
            out += static_cast<char>(0xF0 | (point >> 18));
            out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        }
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (point & 0x3F));
}

} // namespace

void appendFolded(std::u32string& out, std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const char32_t point = utility::decodeUtf8(text, at);
        if (isHalfKana(point) && at < text.size()) {
            std::size_t next = at;
            const char32_t mark = utility::decodeUtf8(text, next);
            if (const char32_t whole = composed(point, mark)) {
                out += foldPoint(whole);
                at = next;
                continue;
            }
        }
        out += foldPoint(point);
    }
}

std::string foldForSearch(std::string_view text) {
    std::u32string points;
    appendFolded(points, text);
    std::string folded;
    folded.reserve(text.size());
    for (const char32_t point : points) {
        appendUtf8(folded, point);
    }
    return folded;
}

} // namespace tavrin::file::items
