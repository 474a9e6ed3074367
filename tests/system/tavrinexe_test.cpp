#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "system/win32.h"
#include "testfiles.h"
#include "utility/unicode.h"

namespace tavrin::systemtest {
namespace {

// The build hands over the program's Linux path; Wine shows the Linux root as drive Z:.
std::wstring builtProgram() {
    std::wstring path = utility::toWide(TAVRIN_EXE);
    if (path.starts_with(L"/")) {
        std::replace(path.begin(), path.end(), L'/', L'\\');
        path = L"Z:" + path;
    }
    return path;
}

// A copy of tavrin.exe alone in an empty folder, as a user would unpack it.
class TavrinExeTest : public testing::Test {
protected:
    TavrinExeTest()
        : program(temp.path() / L"tavrin.exe"),
          data(temp.path() / L"data" / environment(L"USERNAME")) {
        EXPECT_TRUE(CopyFileW(builtProgram().c_str(), program.c_str(), TRUE));
    }

    // Runs the program to its end (a stuck run is killed) and returns its exit code.
    DWORD run() const {
        std::wstring commandLine = L"\"" + program.wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, temp.path().c_str(), &startup, &process)) {
            ADD_FAILURE() << "cannot start tavrin.exe: " << GetLastError();
            return ~DWORD(0);
        }
        CloseHandle(process.hThread);
        DWORD exitCode = ~DWORD(0);
        if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
            GetExitCodeProcess(process.hProcess, &exitCode);
        } else {
            ADD_FAILURE() << "tavrin.exe did not end (a message box may be waiting)";
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, INFINITE);
        }
        CloseHandle(process.hProcess);
        return exitCode;
    }

    TempFolder temp;
    std::filesystem::path program;
    std::filesystem::path data;
};

TEST_F(TavrinExeTest, FirstRunWritesTheDataFilesAndASecondRunReadsThemBack) {
    ASSERT_EQ(run(), 0u);
    for (const wchar_t* name : {L"app.dvk", L"items.dvk", L"groups.dvk"}) {
        EXPECT_TRUE(readBytes(data / name).starts_with(byteOrderMark)) << utf8(data / name);
    }

    writeBytes(data / L"items.dvk",
               readBytes(data / L"items.dvk") + "TavrinTest/b:2\r\nTavrinTest/a\\手で足した\n");
    ASSERT_EQ(run(), 0u);
    const std::string items = readBytes(data / L"items.dvk");
    EXPECT_TRUE(items.starts_with(byteOrderMark));
    const std::size_t first = items.find("TavrinTest/a\\手で足した\r\n");
    const std::size_t second = items.find("TavrinTest/b:2\r\n");
    ASSERT_NE(first, std::string::npos) << items;
    ASSERT_NE(second, std::string::npos) << items;
    EXPECT_LT(first, second);
}

TEST_F(TavrinExeTest, LockedDataFileIsLeftAloneWhileTheOthersAreWritten) {
    std::filesystem::create_directories(data);
    writeBytes(data / L"groups.dvk", "Group$a\r\n");
    const HANDLE locked = CreateFileW((data / L"groups.dvk").c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    const DWORD exitCode = run();
    CloseHandle(locked);

    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(readBytes(data / L"groups.dvk"), "Group$a\r\n");
    EXPECT_TRUE(readBytes(data / L"app.dvk").starts_with(byteOrderMark));
    EXPECT_TRUE(readBytes(data / L"items.dvk").starts_with(byteOrderMark));
}

TEST_F(TavrinExeTest, StaticConfigurationBesideTheProgramMovesTheDataFolder) {
    writeBytes(temp.path() / L"static.dvk", "folder/data\\<TAVRIN>\\\\個人\r\n"
                                            "file/data/items\\もの.dvk\r\n");
    ASSERT_EQ(run(), 0u);
    EXPECT_EQ(readBytes(temp.path() / L"個人" / L"もの.dvk"), byteOrderMark);
    EXPECT_EQ(readBytes(temp.path() / L"個人" / L"app.dvk"), byteOrderMark);
    EXPECT_FALSE(std::filesystem::exists(temp.path() / L"data"));
}

TEST(TavrinExe, CarriesTheApplicationManifest) {
    const HMODULE image = LoadLibraryExW(builtProgram().c_str(), nullptr,
                                         LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr);
    const HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(image, found))),
                               SizeofResource(image, found));
    FreeLibrary(image);
    for (const char* wanted :
         {"level=\"asInvoker\"", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", ">PerMonitorV2<",
          ">true/pm<", "Microsoft.Windows.Common-Controls"}) {
        EXPECT_NE(manifest.find(wanted), std::string::npos) << wanted;
    }
}

} // namespace
} // namespace tavrin::systemtest
