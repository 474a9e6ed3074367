#include <gtest/gtest.h>

#include <string_view>

#include "utility/addressscheme.h"

namespace tavrin::utility {
namespace {

TEST(AddressSchemeTest, SchemesAreToldFromDrivesPathsAndPlainWords) {
    const struct {
        std::string_view text;
        bool scheme;
    } cases[] = {
        {"http://example.com/", true},
        {"https:", true},
        {"mailto:someone@example.com", true},
        {"ms-settings:display", true},
        {"svn+ssh://host/repo", true},
        {"x-y.z:rest", true},
        {"C:\\Windows", false},
        {"c:", false},
        {"\\\\server\\share", false},
        {"note", false},
        {"", false},
        {":http", false},
        {"1http:", false},
        {"ht tp:", false},
        {"メモ:", false},
        {"folder\\a:b", false},
    };
    for (const auto& [text, scheme] : cases) {
        EXPECT_EQ(hasAddressScheme(text), scheme) << text;
    }
}

} // namespace
} // namespace tavrin::utility
