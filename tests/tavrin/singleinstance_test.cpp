#include <gtest/gtest.h>

#include <string>

#include "tavrin/singleinstance.h"

namespace tavrin {
namespace {

TEST(InstanceName, SpellingsOfOneFolderAgreeAndOtherFoldersDiffer) {
    const std::wstring base = instanceName(L"C:\\Users\\ユーザー\\Tavrin\\data\\");
    EXPECT_TRUE(base.starts_with(L"Local\\Tavrin-")) << base;
    const struct {
        const wchar_t* folder;
        bool same;
    } cases[] = {
        {L"C:\\Users\\ユーザー\\Tavrin\\data", true},
        {L"c:\\users\\ユーザー\\TAVRIN\\Data\\\\", true},
        {L"C:\\Users\\ユーザー\\Tavrin\\.\\x\\..\\data\\", true},
        {L"C:/Users/ユーザー/Tavrin/data", true},
        {L"C:\\Users\\ユーザー\\Tavrin\\data2\\", false},
        {L"D:\\Users\\ユーザー\\Tavrin\\data\\", false},
        {L"C:\\Users\\ユーザー\\Tavrin\\", false},
    };
    for (const auto& [folder, same] : cases) {
        EXPECT_EQ(instanceName(folder) == base, same) << testing::PrintToString(folder);
    }
}

TEST(SingleInstance, TheFirstClaimHoldsUntilItEndsAndACallReachesItsWindow) {
    const wchar_t* const folder = L"C:\\single-instance-test\\data\\";
    const HWND window =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    {
        SingleInstance first(folder);
        ASSERT_TRUE(first.first());
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

} // namespace
} // namespace tavrin
