#include <gtest/gtest.h>

#include <string>

#include "system/win32.h"
#include "utility/pathrules.h"

#include <shlwapi.h>

namespace tavrin::shell {
namespace {

using namespace utility;

// Paths that exercise every branch of the shell's name-part rules.
const wchar_t* const samples[] = {
    L"C:\\a\\b.txt",
    L"C:\\a\\.profile",
    L"C:\\a\\dir\\",
    L"C:\\a\\dir\\\\",
    L"C:a.txt",
    L"a.txt",
    L"",
    L"C:\\",
    L"C:",
    L"\\",
    L"/",
    L":",
    L".",
    L"..",
    L"C:\\a.b\\c",
    L"C:\\a\\b.",
    L"C:\\a\\b.t xt",
    L"C:\\a b\\c.d",
    L"C:/a/b.txt",
    L"C:\\a/",
    L"a/b\\",
    L"x:y.z",
    L"\\\\srv\\sh",
    L"\\\\srv\\sh\\",
    L"b.tar.gz",
    L"..txt",
    L"C:\\a\\x.y\\",
    L"C:\\資料\\報告書.文書",
    L"dir.d\\\\e",
};

std::wstring shellExtension(const wchar_t* path) {
    const wchar_t* dot = PathFindExtensionW(path);
    return *dot == L'.' ? std::wstring(dot + 1) : std::wstring();
}

// The base-name rule spelled out over the shell's own functions.
std::wstring shellBaseName(const wchar_t* path) {
    std::wstring name = PathFindFileNameW(path);
    while (!name.empty() && name.back() == L'\\') {
        name.pop_back();
    }
    const wchar_t* dot = PathFindExtensionW(path);
    const std::size_t dotAndExtension = *dot == L'.' ? std::wcslen(dot) : 0;
    if (dotAndExtension > 0 && dotAndExtension < name.size()) {
        name.resize(name.size() - dotAndExtension);
    }
    return name;
}

TEST(ShellAgreement, ExtensionAndBaseNameSplitNamesAsTheShellDoes) {
    for (const wchar_t* path : samples) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(path)));
        EXPECT_EQ(extension(path), shellExtension(path));
        EXPECT_EQ(baseName(path), shellBaseName(path));
    }
}

TEST(ShellAgreement, BackslashRulesMatchTheShellsForOrdinaryPaths) {
    for (const wchar_t* path : {L"C:\\a", L"C:\\a\\", L"C:\\a\\b.txt", L"\\\\srv\\sh", L""}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(path)));
        wchar_t added[MAX_PATH];
        wcscpy_s(added, path);
        PathAddBackslashW(added);
        EXPECT_EQ(addBackslash(path), added);
    }
}

} // namespace
} // namespace tavrin::shell
