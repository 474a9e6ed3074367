#include <string>
#include <vector>

#include <gmock/gmock.h>

#include "dvktest.h"

namespace dvk::test {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

using Usage = DvkTest;

TEST_F(Usage, MissingUnknownOrMiscountedCommandsShowUsage) {
    const std::vector<std::vector<std::string>> calls = {
        {},
        {"frobnicate"},
        {"FMT", "a"},
        {"fmt"},
        {"fmt", "a", "b"},
        {"check"},
        {"get", "a"},
        {"get", "a", "b", "c"},
        {"set", "a", "b"},
        {"set", "a", "b", "c", "d"},
    };
    for (const auto& args : calls) {
        const Outcome result = run(args);
        EXPECT_EQ(result.exitCode, 2) << testing::PrintToString(args);
        EXPECT_THAT(result.out, IsEmpty());
        EXPECT_THAT(result.err, HasSubstr("usage: dvk"));
    }
    EXPECT_THAT(run({"frobnicate"}).err, HasSubstr("unknown command: frobnicate"));
}

TEST_F(Usage, HelpGoesToStandardOutput) {
    const Outcome result = run({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_THAT(result.out, HasSubstr("dvk set FILE ADDRESS VALUE"));
    EXPECT_THAT(result.err, IsEmpty());
}

} // namespace
} // namespace dvk::test
