#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <string_view>
#include <variant>

#include "etc/drevak/drevak.h"

// The rules a stored setting's value must meet to stay, each with its default: one table of
// rules per record (the settings, an item), one repair for all of them.
namespace tavrin::file::rules {

using drevak::Integer;

constexpr Integer LOWEST = std::numeric_limits<Integer>::min();
constexpr Integer HIGHEST = std::numeric_limits<Integer>::max();

// An Integer from min to max.
struct Range {
    Integer min;
    Integer max;
    Integer fallback;
};
// A text.
struct Text {};
// A list of texts.
struct Texts {};
// Exactly two Integers, each raised to at least floor.
struct IntegerPair {
    Integer first;
    Integer second;
    Integer floor;
};
// At least two Integers.
struct IntegerList {
    Integer first;
    Integer second;
};
// Exactly two colour elements; unset (empty) by default.
struct ColorPair {};

using Rule = std::variant<Range, Text, Texts, IntegerPair, IntegerList, ColorPair>;

// Any Integer, the flags among them.
constexpr Range flag(Integer fallback) {
    return {LOWEST, HIGHEST, fallback};
}
constexpr Range atLeast(Integer min, Integer fallback) {
    return {min, HIGHEST, fallback};
}
// One of 0 to max.
constexpr Range choice(Integer max) {
    return {0, max, 0};
}

// Whether the node holds a value of the type.
bool holds(const drevak::Drevak& node, drevak::HAGATA type);

// Gives the node its default when its value breaks the rule.
void repair(drevak::Drevak& node, const Rule& rule);

// Whether a rule table lists its settings in the order of the record's node table, from the
// node of the first row on: the record binds row by row.
template <typename Row, std::size_t N>
constexpr bool inTableOrder(const std::array<Row, N>& table, std::size_t first) {
    for (std::size_t at = 0; at < N; ++at) {
        if (static_cast<std::size_t>(table[at].item) != first + at) {
            return false;
        }
    }
    return true;
}

} // namespace tavrin::file::rules
