#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "launcherdriver.h"
#include "testfiles.h"

namespace tavrin::systemtest {
namespace {

// The unpacked zip's tavrin.exe, started from its folder as a double click starts it. The
// folder comes from the test's fixture, which unpacked the zip there.
TEST(UnpackedRelease, FirstRunMakesTheDataFolderWithItsThreeFilesAndEndsCleanly) {
    const std::filesystem::path folder = environment(L"TAVRIN_UNPACKED");
    ASSERT_TRUE(std::filesystem::exists(folder / L"tavrin.exe")) << utf8(folder);
    const std::filesystem::path data = folder / L"data" / environment(L"USERNAME");
    // A first run whatever an earlier try of this test left.
    std::filesystem::remove_all(folder / L"data");

    std::vector<std::string> shown;
    const LauncherRun ran = runLauncher(folder / L"tavrin.exe", {}, folder, shown);
    EXPECT_TRUE(ran.ended);
    EXPECT_EQ(ran.exitCode, 0u);
    EXPECT_TRUE(shown.empty()) << testing::PrintToString(shown);
    for (const wchar_t* name : {L"app.dvk", L"items.dvk", L"groups.dvk"}) {
        EXPECT_TRUE(readBytes(data / name).starts_with(byteOrderMark)) << utf8(data / name);
    }
}

} // namespace
} // namespace tavrin::systemtest
