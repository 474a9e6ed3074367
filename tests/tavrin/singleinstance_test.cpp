#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "tavrin/singleinstance.h"

namespace tavrin {
namespace {

std::wstring lower(std::wstring text) {
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// Paths Wine cannot make: a mapped drive and a junction, as the system resolves them.
std::optional<std::wstring> fakedFinalPath(const std::wstring& path) {
    static const std::map<std::wstring, std::wstring> existing = {
        {L"z:\\share", L"\\\\server\\share"},
        {L"\\\\server\\share", L"\\\\server\\share"},
        {L"c:\\junction", L"D:\\target"},
        {L"d:\\target", L"D:\\target"},
    };
    const auto found = existing.find(lower(path));
    return found == existing.end() ? std::nullopt : std::optional(found->second);
}

TEST(InstanceKey, SpellingsOfOneFolderGiveOneKeyAndOtherFoldersAnother) {
    const struct {
        const wchar_t* one;
        const wchar_t* other;
        bool same;
    } cases[] = {
        {L"Z:\\share\\data\\", L"\\\\server\\share\\DATA", true},
        {L"C:\\junction\\data", L"d:\\TARGET\\data\\", true},
        {L"C:\\junction\\.\\x\\..\\data", L"C:/junction/data", true},
        {L"C:\\junction\\data", L"C:\\junction\\data2", false},
        {L"Z:\\share\\data", L"\\\\server\\other\\data", false},
    };
    for (const auto& [one, other, same] : cases) {
        EXPECT_EQ(instanceKey(one, fakedFinalPath) == instanceKey(other, fakedFinalPath), same)
            << testing::PrintToString(one) << " " << testing::PrintToString(other);
    }
}

// What Wine does resolve: a second drive letter, a short name, letter case and trailing
// backslashes, on a folder that exists and one below it that does not yet.
TEST(InstanceKey, TheSystemsOwnSpellingsOfAFolderGiveOneName) {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::filesystem::path root = std::filesystem::path(temp) / L"instance-key test";
    const std::filesystem::path data = root / L"Long Folder Name" / L"data";
    std::filesystem::create_directories(data);
    ASSERT_TRUE(DefineDosDeviceW(0, L"Q:", root.c_str())) << GetLastError();
    wchar_t shortName[MAX_PATH]{};
    ASSERT_NE(GetShortPathNameW(data.c_str(), shortName, MAX_PATH), 0u);
    const std::wstring base = instanceName(data.wstring());
    const std::wstring spellings[] = {
        data.wstring() + L"\\",
        lower(data.wstring()),
        shortName,
        L"Q:\\Long Folder Name\\data",
        L"q:\\LONG FOLDER NAME\\data\\\\",
    };
    for (const std::wstring& spelling : spellings) {
        EXPECT_EQ(instanceName(spelling), base) << testing::PrintToString(spelling);
    }
    EXPECT_EQ(instanceName(L"Q:\\Long Folder Name\\data\\new"),
              instanceName((data / L"new").wstring()));
    EXPECT_NE(instanceName((root / L"Long Folder Name").wstring()), base);
    DefineDosDeviceW(DDD_REMOVE_DEFINITION, L"Q:", nullptr);
    std::filesystem::remove_all(root);
}

TEST(SingleInstance, TheFirstClaimHoldsUntilItEndsAndACallReachesItsWindow) {
    const wchar_t* const folder = L"C:\\single-instance-test\\data\\";
    const HWND window =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    {
        SingleInstance first(folder);
        ASSERT_TRUE(first.first());
        EXPECT_EQ(first.trouble(), "");
        first.publish(window);
        const SingleInstance second(L"c:\\SINGLE-INSTANCE-TEST\\data");
        EXPECT_FALSE(second.first());
        EXPECT_TRUE(SingleInstance(L"C:\\single-instance-test\\other\\").first());
        ASSERT_TRUE(second.callForward(WM_APP + 7));
        MSG message{};
        EXPECT_TRUE(PeekMessageW(&message, window, WM_APP + 7, WM_APP + 7, PM_REMOVE));
    }
    EXPECT_TRUE(SingleInstance(folder).first());
    DestroyWindow(window);
}

// Another program squats the names: the launcher still starts, says why, and publishes into
// nothing it did not make.
TEST(SingleInstance, NamesHeldByAnotherProgramDoNotStopTheStart) {
    const wchar_t* const folder = L"C:\\single-instance-test\\squatted\\";
    const std::wstring name = instanceName(folder);
    for (const bool event : {true, false}) {
        const HANDLE squatter =
            event ? CreateEventW(nullptr, FALSE, FALSE, name.c_str())
                  : CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 8,
                                       (name + L"-window").c_str());
        ASSERT_NE(squatter, nullptr);
        const SingleInstance instance(folder);
        EXPECT_TRUE(instance.first());
        EXPECT_NE(instance.trouble(), "");
        CloseHandle(squatter);
    }
}

} // namespace
} // namespace tavrin
