#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/staticconfig.h"
#include "etc/drevak/dvkdocument.h"
#include "system/unicode.h"
#include "system/win32.h"
#include "testfiles.h"

namespace tavrin::app {
namespace {

using system::StaticData;

using system::toUtf8;
using systemtest::environment;

drevak::DvkDocument documentOf(std::vector<std::string> lines) {
    return drevak::DvkDocument(std::span<const std::string>(lines));
}

// Sets an environment variable for the length of a test.
class ScopedVariable {
public:
    ScopedVariable(const wchar_t* name, const std::wstring& value) : name_(name) {
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~ScopedVariable() { SetEnvironmentVariableW(name_, nullptr); }

private:
    const wchar_t* name_;
};

const std::string user = toUtf8(environment(L"USERNAME"));

TEST(StaticData, WithoutAFileEveryKeyTakesItsDefaultUnderTheProgramFolder) {
    ASSERT_FALSE(user.empty());
    const StaticData::Values values = readStaticConfiguration(drevak::DvkDocument(), "C:\\prog\\");
    EXPECT_EQ(values.DataFolder, "C:\\prog\\data\\" + user + "\\");
    EXPECT_EQ(values.TempFolder, toUtf8(environment(L"TEMP")) + "\\tavrin\\");
    EXPECT_EQ(values.ResourceFolder, "C:\\prog\\resource\\");
    EXPECT_EQ(values.LanguageFolder, "C:\\prog\\resource\\language\\");
    EXPECT_EQ(values.LogFolder, "C:\\prog\\log\\");
    EXPECT_EQ(values.ApplicationFile, "app.dvk");
    EXPECT_EQ(values.GroupsFile, "groups.dvk");
    EXPECT_EQ(values.ItemsFile, "items.dvk");
    EXPECT_EQ(values.Filters, (std::vector<std::vector<std::wstring>>{{L"all", L"*"}}));
    EXPECT_EQ(values.HelpFile, "C:\\prog\\help\\help.hta");
    EXPECT_FALSE(values.LogEnabled);
    EXPECT_EQ(values.HookerFile, "C:\\prog\\plugin\\Hooker.dll");
}

TEST(StaticData, ProgramFolderLosesEveryTrailingBackslashButABareDriveKeepsItsColon) {
    for (const char* folder : {"C:\\prog", "C:\\prog\\", "C:\\prog\\\\"}) {
        EXPECT_EQ(readStaticConfiguration(drevak::DvkDocument(), folder).LogFolder,
                  "C:\\prog\\log\\")
            << folder;
    }
    const StaticData::Values drive = readStaticConfiguration(drevak::DvkDocument(), "D:\\");
    EXPECT_EQ(drive.DataFolder, "D:\\data\\" + user + "\\");
    EXPECT_EQ(drive.HelpFile, "D:\\help\\help.hta");
}

TEST(StaticData, ValuesFromTheFileAreExpandedLikeDefaults) {
    const ScopedVariable store(L"TAVRIN_TEST_STORE", L"倉庫");
    const auto values =
        readStaticConfiguration(documentOf({
                                    R"(folder/data\<TAVRIN>\\%TAVRIN_TEST_STORE%\\x)",
                                    R"(folder/log\E:\\logs\\)",
                                    R"(file/data/items\my items.dvk)",
                                    R"(help\<TAVRIN><TAVRIN>)",
                                    "setting/log:1",
                                }),
                                "C:\\prog\\");
    EXPECT_EQ(values.DataFolder, "C:\\prog\\倉庫\\x");
    EXPECT_EQ(values.LogFolder, "E:\\logs\\");
    EXPECT_EQ(values.ItemsFile, "my items.dvk");
    EXPECT_EQ(values.HelpFile, "C:\\progC:\\prog");
    EXPECT_TRUE(values.LogEnabled);
}

TEST(StaticData, ProgramFolderIsPlacedBeforeEnvironmentVariablesAreExpanded) {
    const ScopedVariable mark(L"TAVRIN_TEST_MARK", L"<TAVRIN>");
    const ScopedVariable inFolder(L"TAVRIN_TEST_IN_FOLDER", L"expanded");
    // A variable's value is not searched for the mark; the program folder's text is
    // searched for variables.
    EXPECT_EQ(expandStaticText("%TAVRIN_TEST_MARK%\\a", "C:\\p"), "<TAVRIN>\\a");
    EXPECT_EQ(expandStaticText("<TAVRIN>\\a", "C:\\%TAVRIN_TEST_IN_FOLDER%\\"), "C:\\expanded\\a");
    EXPECT_EQ(expandStaticText("%TAVRIN_TEST_UNSET_VARIABLE%\\a", "C:\\p"),
              "%TAVRIN_TEST_UNSET_VARIABLE%\\a");
}

TEST(StaticData, ExpansionLongerThanAnyFirstGuessIsComplete) {
    const std::wstring longValue(20000, L'v');
    const ScopedVariable big(L"TAVRIN_TEST_LONG", longValue);
    EXPECT_EQ(expandStaticText("a%TAVRIN_TEST_LONG%b", "C:\\p"), "a" + toUtf8(longValue) + "b");
}

TEST(StaticData, HookFileNameIsAppendedToThePluginFolderUnchanged) {
    const auto joined =
        readStaticConfiguration(documentOf({
                                    R"(folder/plugin\<TAVRIN>\\plug)",
                                    R"(file/plugin/hooker\%TAVRIN_TEST_UNSET_VARIABLE%.dll)",
                                }),
                                "C:\\prog\\");
    EXPECT_EQ(joined.HookerFile, "C:\\prog\\plug%TAVRIN_TEST_UNSET_VARIABLE%.dll");
}

TEST(StaticData, FiltersFollowTheListedNamesAndAreNeitherExpandedNorRepaired) {
    const auto values = readStaticConfiguration(documentOf({
                                                    "filter$text\tmissing\twrong",
                                                    "filter/text$テキスト\t*.txt\t%TEMP%",
                                                    "filter/wrong:5",
                                                }),
                                                "C:\\prog\\");
    EXPECT_EQ(values.Filters, (std::vector<std::vector<std::wstring>>{
                                  {L"テキスト", L"*.txt", L"%TEMP%"}, {L"*"}, {L"*"}}));
}

TEST(StaticData, KeyOfTheWrongTypeCountsAsMissing) {
    const auto values = readStaticConfiguration(documentOf({
                                                    "folder/data:3",
                                                    "file/data/groups$a\tb",
                                                    R"(setting/log\1)",
                                                    R"(filter\text)",
                                                }),
                                                "C:\\prog\\");
    EXPECT_EQ(values.DataFolder, "C:\\prog\\data\\" + user + "\\");
    EXPECT_EQ(values.GroupsFile, "groups.dvk");
    EXPECT_FALSE(values.LogEnabled);
    EXPECT_EQ(values.Filters, (std::vector<std::vector<std::wstring>>{{L"all", L"*"}}));
}

TEST(StaticData, DataFilePathHasExactlyOneBackslashBeforeTheName) {
    StaticData::Values values;
    for (const char* folder : {"E:\\store", "E:\\store\\"}) {
        values.DataFolder = folder;
        StaticData::initialize(values);
        EXPECT_EQ(StaticData::dataFilePath("app.dvk"), "E:\\store\\app.dvk") << folder;
    }
}

} // namespace
} // namespace tavrin::app
