#include "utility/filter.h"

namespace tavrin::utility {

namespace {

void appendPiece(std::wstring& text, const std::wstring& piece) {
    text += piece;
    text += L'\0';
}

} // namespace

std::wstring dialogFilter(const std::vector<std::vector<std::wstring>>& filters) {
    std::wstring text;
    for (const std::vector<std::wstring>& filter : filters) {
        for (const std::wstring& piece : filter) {
            appendPiece(text, piece);
        }
        if (filter.size() % 2 != 0) {
            appendPiece(text, filter.back());
        }
    }
    if (!text.empty()) {
        text += L'\0';
    }
    return text;
}

} // namespace tavrin::utility
