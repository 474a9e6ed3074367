#pragma once

#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

namespace drevak {

using Integer = std::int32_t;
using real = long double;
using Binary = std::vector<std::uint8_t>;

// The underlying value is the type character that marks the type in the text form.
enum class HAGATA : char {
    Integer = ':',
    TSV_Integer = '=',
    real = '*',
    TSV_real = '@',
    string = '\\',
    TSV_string = '$',
    Binary = '?',
    TSV_Binary = '!',
};

// Written as "*" in the text form and read back as themselves (with the real NaN).
inline constexpr Integer UNSET_INTEGER = std::numeric_limits<Integer>::min();

// The type name used in messages: "Integer", "Integer[]", "real", ...
std::string_view FileToString(HAGATA type);

// Sort rank of a type character in the writer: ":" 0, "*" 1, "\" 2, "?" 3, "=" 4, "@" 5, "$" 6,
// "!" 7.
int typeOrder(char typeChar);

} // namespace drevak
