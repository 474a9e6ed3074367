#include "utility/convert.h"

#include <algorithm>

#include "etc/drevak/convert.h"
#include "system/tavrinerrors.h"
#include "utility/pathrules.h"

namespace tavrin::utility {

namespace {

using system::ConvertException;

bool isRemoved(char c) {
    constexpr std::string_view removed = "~:*\\?=@$!/;\r\n .,\t";
    return removed.find(c) != std::string_view::npos;
}

std::string withoutRemoved(std::string_view text) {
    std::string rest(text);
    std::erase_if(rest, isRemoved);
    return rest;
}

// The path rules split only at ASCII characters, and no byte of a multi-byte UTF-8
// sequence is ASCII: taking each byte as one character therefore splits UTF-8 text at
// exactly the places the rules would split the decoded text.
std::wstring bytesAsCharacters(std::string_view text) {
    return std::wstring(text.begin(), text.end());
}

std::string charactersAsBytes(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t c : text) {
        bytes += static_cast<char>(c);
    }
    return bytes;
}

} // namespace

bool isItemId(std::string_view text) {
    if (!drevak::Convert::isAddress(text)) {
        return false;
    }
    return std::ranges::all_of(text, [](char c) {
        return c == '/' ||
               (drevak::Convert::isNameChar(c) && c != ' ' && c != '.' && c != ',' && c != '\t');
    });
}

std::string baseName(std::string_view path) {
    return charactersAsBytes(utility::baseName(bytesAsCharacters(path)));
}

std::string toItemId(std::string_view address) {
    if (address.empty()) {
        throw ConvertException("ファイルアドレス未入力");
    }
    const std::string base = baseName(address);
    if (!base.empty() && isItemId(base)) {
        return base;
    }
    std::string id = withoutRemoved(base.empty() ? address : std::string_view(base));
    if (id.empty()) {
        throw ConvertException("変換文字列長不正");
    }
    return id;
}

std::string toItemName(std::string_view address) {
    if (address.empty()) {
        throw ConvertException("アドレスが未入力");
    }
    std::string base = baseName(address);
    // The base name is empty only when the path is nothing but backslashes, which the shell
    // takes whole as the last component.
    return base.empty() ? std::string(address) : base;
}

} // namespace tavrin::utility
