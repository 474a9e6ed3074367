#include <gtest/gtest.h>

#include "system/systemmessage.h"
#include "system/win32.h"

namespace tavrin::system {
namespace {

// Texts the system writes with inserts come without them and without the blank they leave.
TEST(SystemMessage, TextsWithInsertsComeWithoutThem) {
    for (const unsigned long code : {ERROR_BAD_EXE_FORMAT, ERROR_MR_MID_NOT_FOUND}) {
        SCOPED_TRACE(code);
        const std::string text = systemMessage(code);
        EXPECT_EQ(text.find('%'), std::string::npos) << text;
        EXPECT_FALSE(text.starts_with(' ')) << text;
        EXPECT_EQ(text.find("  "), std::string::npos) << text;
    }
}

} // namespace
} // namespace tavrin::system
