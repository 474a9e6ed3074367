#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

// Damage done to a good data file, the way disks, editors and other programs damage text.
namespace tavrin::proof {

enum class Mutation {
    BIT_FLIPS,
    CUT_IN_UTF8_SEQUENCE,
    CUT_IN_LINE,
    CUT_BETWEEN_CR_AND_LF,
    CUT_IN_BYTE_ORDER_MARK,
    NUL_INSERTED,
    CR_INSERTED,
    UTF16,
    NO_BYTE_ORDER_MARK,
    MEGABYTE_LINE,
    DEEP_ADDRESS,
};
inline constexpr int mutationCount = static_cast<int>(Mutation::DEEP_ADDRESS) + 1;

std::string_view nameOf(Mutation mutation);

// The good file damaged in that way, with the places chosen by random.
std::string mutate(std::string_view good, Mutation mutation, std::mt19937_64& random);

} // namespace tavrin::proof
