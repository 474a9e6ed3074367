#include <gtest/gtest.h>

#include <cwchar>
#include <vector>

#include "utility/expansion.h"

namespace tavrin::utility {
namespace {

// Stands in for the system: answers with the sizes it is given, call by call, and writes
// the expansion whenever it has room.
struct ScriptedSystem {
    std::wstring expansion;
    std::vector<std::size_t> answers;
    std::size_t calls = 0;

    std::size_t operator()(const wchar_t*, wchar_t* buffer, std::size_t room) {
        const std::size_t answer = answers.at(calls++);
        if (buffer != nullptr && expansion.size() < room) {
            std::wmemcpy(buffer, expansion.c_str(), expansion.size() + 1);
        }
        return answer;
    }
};

std::wstring expandWith(ScriptedSystem& system) {
    return expandBy(L"%X%\\bin", [&](const wchar_t* source, wchar_t* buffer, std::size_t room) {
        return system(source, buffer, room);
    });
}

TEST(ExpandBy, ReturnsTheExpansionWithoutItsTerminatingZero) {
    ScriptedSystem system{L"C:\\x\\bin", {9, 9}};
    EXPECT_EQ(expandWith(system), L"C:\\x\\bin");
    EXPECT_EQ(system.calls, 2u);
}

TEST(ExpandBy, GivesTheTextAsWrittenWhenTheSystemFails) {
    ScriptedSystem sizing{L"", {0}};
    EXPECT_EQ(expandWith(sizing), L"%X%\\bin");
    ScriptedSystem expanding{L"", {9, 0}};
    EXPECT_EQ(expandWith(expanding), L"%X%\\bin");
}

TEST(ExpandBy, GrowsWhenTheEnvironmentGrewBetweenTheCalls) {
    ScriptedSystem system{L"C:\\longer\\bin", {9, 14, 14}};
    EXPECT_EQ(expandWith(system), L"C:\\longer\\bin");
    EXPECT_EQ(system.calls, 3u);
}

TEST(ExpandBy, GivesUpOnAnEnvironmentThatNeverSettles) {
    ScriptedSystem system{L"C:\\longer\\bin", {2, 3, 4, 5, 6}};
    EXPECT_EQ(expandWith(system), L"%X%\\bin");
}

} // namespace
} // namespace tavrin::utility
