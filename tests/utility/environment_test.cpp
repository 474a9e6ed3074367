#include <gtest/gtest.h>

#include <string>

#include "system/unicode.h"
#include "system/win32.h"
#include "utility/environment.h"

namespace tavrin::utility {
namespace {

std::string windowsFolder() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
    return system::toUtf8(std::wstring_view(folder, length));
}

// Sets a variable of this process for one test and removes it afterwards.
class Variable {
public:
    Variable(const wchar_t* name, const wchar_t* value) : name_(name) {
        SetEnvironmentVariableW(name, value);
    }
    ~Variable() { SetEnvironmentVariableW(name_, nullptr); }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;

private:
    const wchar_t* name_;
};

TEST(ExpandEnvironment, LeavesTextWithoutAPercentSignAlone) {
    for (const char* text : {"", "C:\\Program Files\\a b.exe", "$HOME ~ * ? \" < > | ^ !x!",
                             "C:\\ツール\\エディタ.exe"}) {
        EXPECT_EQ(expandEnvironment(text), text);
    }
}

TEST(ExpandEnvironment, ReplacesDefinedVariables) {
    EXPECT_EQ(expandEnvironment("%WINDIR%"), windowsFolder());
    EXPECT_EQ(expandEnvironment("%WINDIR%\\notepad.exe"), windowsFolder() + "\\notepad.exe");
}

TEST(ExpandEnvironment, KeepsUndefinedVariablesAndLoneSignsAsWritten) {
    EXPECT_EQ(expandEnvironment("%TAVRIN_NO_SUCH_VARIABLE%\\x"), "%TAVRIN_NO_SUCH_VARIABLE%\\x");
    EXPECT_EQ(expandEnvironment("100%"), "100%");
    EXPECT_EQ(expandEnvironment("%"), "%");
}

TEST(ExpandEnvironment, CarriesJapaneseNamesAndValues) {
    const Variable variable(L"道具箱", L"D:\\ツール");
    EXPECT_EQ(expandEnvironment("%道具箱%\\エディタ.exe"), "D:\\ツール\\エディタ.exe");
}

TEST(ExpandEnvironment, ExpandsIntoLongTexts) {
    const std::wstring value(5000, L'長');
    const Variable variable(L"TAVRIN_LONG", value.c_str());
    EXPECT_EQ(expandEnvironment("<%TAVRIN_LONG%>"), "<" + system::toUtf8(value) + ">");
}

} // namespace
} // namespace tavrin::utility
