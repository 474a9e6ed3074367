#include <gtest/gtest.h>

#include "tavrin/arguments.h"

namespace tavrin {
namespace {

TEST(CommandLineArguments, SplitsAsTheSystemDoesAndConvertsToUtf8) {
    EXPECT_EQ(commandLineArguments(LR"("C:\ランチャー\tavrin.exe" a "b c" "d\"e")"),
              (std::vector<std::string>{"C:\\ランチャー\\tavrin.exe", "a", "b c", "d\"e"}));
}

} // namespace
} // namespace tavrin
