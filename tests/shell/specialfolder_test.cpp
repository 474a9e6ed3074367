#include <gtest/gtest.h>

#include "shell/specialfolder.h"
#include "system/tavrinerrors.h"
#include "system/win32.h"
#include "testfiles.h"
#include "utility/pathrules.h"

#include <shlobj.h>

namespace tavrin::shell {
namespace {

using utility::removeBackslash;

TEST(SpecialFolder, DocumentsFolderIsAnExistingFolderAsTheShellNamesIt) {
    const std::wstring documents = specialFolder(SYS_FOLDER::PERSONAL, 0x8100);
    ASSERT_FALSE(documents.empty());
    const DWORD attributes = GetFileAttributesW(documents.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << systemtest::utf8(documents);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);

    wchar_t expected[MAX_PATH];
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, expected),
              S_OK);
    // Wine ends the path with a backslash, Windows does not.
    EXPECT_EQ(removeBackslash(documents), removeBackslash(expected));
}

TEST(SpecialFolder, UnknownFolderNumberRaisesWithTheSystemsText) {
    try {
        specialFolder(static_cast<SYS_FOLDER>(0x7f), 0x8100);
        FAIL() << "the shell knows no folder 0x7f";
    } catch (const system::TavrinException& exception) {
        EXPECT_FALSE(exception.message().empty());
    }
}

TEST(SpecialFolder, PathLongerThanTheBufferRaisesRatherThanBeingCut) {
    const std::wstring documents = specialFolder(SYS_FOLDER::PERSONAL, 0x8100);
    const auto length = static_cast<unsigned long>(documents.size());
    EXPECT_EQ(specialFolder(SYS_FOLDER::PERSONAL, length + 1), documents);
    EXPECT_THROW(specialFolder(SYS_FOLDER::PERSONAL, length), system::TavrinException);
    EXPECT_THROW(specialFolder(SYS_FOLDER::PERSONAL, 4), system::TavrinException);
}

} // namespace
} // namespace tavrin::shell
