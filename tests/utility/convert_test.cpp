#include <gtest/gtest.h>

#include "convertraised.h"
#include "utility/convert.h"

namespace tavrin::utility {
namespace {

TEST(IsItemId, RefusesWhatAnItemNodeCannotBeNamed) {
    EXPECT_TRUE(isItemId("edit"));
    EXPECT_TRUE(isItemId("エディタ"));
    EXPECT_TRUE(isItemId("tools/edit"));
    EXPECT_TRUE(isItemId("a~b"));
    for (const char* bad : {"", "my app", "a.b", "a,b", "a\tb", "/a", "a/", "a//b", ";a", "a:b",
                            "a\\b", "a$b", "a=b", "a\rb", "a\nb"}) {
        EXPECT_FALSE(isItemId(bad)) << bad;
    }
}

TEST(BaseName, SplitsUtf8TextAsTheShellSplitsNames) {
    EXPECT_EQ(baseName("C:\\Program Files\\Foo Bar\\run.exe"), "run");
    EXPECT_EQ(baseName("C:\\x\\folder\\\\"), "folder");
    EXPECT_EQ(baseName("C:\\ツール\\エディタ.exe"), "エディタ");
    EXPECT_EQ(baseName("C:\\資料\\報告書.最終版.txt"), "報告書.最終版");
    EXPECT_EQ(baseName("C:\\a\\.profile"), ".profile");
    EXPECT_EQ(baseName("C:\\a\\README"), "README");
    EXPECT_EQ(baseName("\\\\\\"), "");
}

TEST(ToItemId, KeepsABaseNameThatIsAlreadyAnId) {
    EXPECT_EQ(toItemId("C:\\Program Files\\Foo Bar\\run.exe"), "run");
    EXPECT_EQ(toItemId("C:\\ツール\\エディタ.exe"), "エディタ");
    EXPECT_EQ(toItemId("C:\\x\\folder\\"), "folder");
    EXPECT_EQ(toItemId("notepad"), "notepad");
    EXPECT_EQ(toItemId("http://example.com/"), "example");
}

TEST(ToItemId, RemovesTheForbiddenCharactersFromAnyOtherBaseName) {
    EXPECT_EQ(toItemId("C:\\x\\my app.exe"), "myapp");
    EXPECT_EQ(toItemId("C:\\x\\a.b.c"), "ab");
    EXPECT_EQ(toItemId("C:\\x\\a,b\tc~d.txt"), "abcd");
    EXPECT_EQ(toItemId("C:\\x\\日本 語.lnk"), "日本語");
    // The base name keeps a trailing "/" of an address, which no ID may end with.
    EXPECT_EQ(toItemId("https://example.com/path/"), "path");
}

TEST(ToItemId, RefusesEmptyInputAndAnEmptyResult) {
    EXPECT_EQ(convertMessage([] { toItemId(""); }), "ファイルアドレス未入力");
    EXPECT_EQ(convertMessage([] { toItemId("C:\\x\\. ,.txt"); }), "変換文字列長不正");
    // Only backslashes: no base name, and the whole address loses every character.
    EXPECT_EQ(convertMessage([] { toItemId("\\\\\\"); }), "変換文字列長不正");
}

TEST(ToItemId, AlwaysGivesAValidIdWhenItGivesOne) {
    for (const char* address : {"C:\\a b\\c d.e f", "x:*?=@$!;y", "C:\\x\\;comment", "~a~",
                                "C:\\x\\a//b", "\\\\server\\share\\名前 付き.doc"}) {
        EXPECT_TRUE(isItemId(toItemId(address))) << address;
    }
}

TEST(ToItemName, IsTheBaseNameOrTheWholeLastComponent) {
    EXPECT_EQ(toItemName("C:\\Program Files\\Foo Bar\\my app.exe"), "my app");
    EXPECT_EQ(toItemName("C:\\ツール\\エディタ.exe"), "エディタ");
    EXPECT_EQ(toItemName("C:\\x\\folder\\"), "folder");
    EXPECT_EQ(toItemName("\\\\"), "\\\\");
    EXPECT_EQ(convertMessage([] { toItemName(""); }), "アドレスが未入力");
}

TEST(ConvertTypes, HoldTheConversions) {
    const ConvertFunctionType function = toItemId;
    const ConvertDelegateType delegate = toItemName;
    EXPECT_EQ(function("C:\\x\\run.exe"), "run");
    EXPECT_EQ(delegate("C:\\x\\my app.exe"), "my app");
}

} // namespace
} // namespace tavrin::utility
