#include "shell/commandline.h"

#include <gtest/gtest.h>

#include "shell/shellresult.h"

namespace tavrin::shell {
namespace {

void expectSplit(std::string_view address, std::string_view options, std::string_view file,
                 std::string_view parameters) {
    const CommandLine line = splitCommandLine(address, options);
    EXPECT_EQ(line.file, file) << address;
    EXPECT_EQ(line.parameters, parameters) << address;
}

TEST(CommandLineTest, TheProgramIsTheTextBeforeTheFirstBlank) {
    expectSplit("notepad", "", "notepad", "");
    expectSplit("notepad", "-x", "notepad", "-x");
    expectSplit("notepad file.txt", "", "notepad", "file.txt");
    expectSplit("http://example.com/a b", "", "http://example.com/a", "b");
    expectSplit("エディタ 日本語 の.txt", "", "エディタ", "日本語 の.txt");
    expectSplit("", "", "", "");
}

TEST(CommandLineTest, OptionsAreSetOffFromTheRestByOneBlank) {
    expectSplit("notepad file", "-x", "notepad", "file -x");
    expectSplit("notepad file ", "-x", "notepad", "file  -x");
    expectSplit("notepad ", "-x", "notepad", "-x");
}

TEST(CommandLineTest, ALeadingQuotedProgramKeepsItsBlanks) {
    expectSplit("\"C:\\Program Files\\x.exe\" -a", "", "C:\\Program Files\\x.exe", "-a");
    expectSplit("\"C:\\Program Files\\x.exe\"   -a", "-b", "C:\\Program Files\\x.exe", "-a -b");
    expectSplit("\"C:\\Program Files\\x.exe\"", "-b", "C:\\Program Files\\x.exe", "-b");
    expectSplit("\"C:\\プログラム 集\\x.exe\" \"a b\"", "", "C:\\プログラム 集\\x.exe", "\"a b\"");
    // A quote that is never closed leaves the whole text to the program.
    expectSplit("\"C:\\Program Files\\x.exe -a", "-b", "C:\\Program Files\\x.exe -a", "-b");
    // Quotes further in belong to the parameters.
    expectSplit("x.exe \"a b\"", "", "x.exe", "\"a b\"");
}

TEST(ShellResultTest, TheShellsOwnCodesBecomeSystemCodes) {
    EXPECT_EQ(systemCodeOfShellResult(0), 8u); // out of memory, not success
    EXPECT_EQ(systemCodeOfShellResult(8), 8u);
    EXPECT_EQ(systemCodeOfShellResult(26), 32u);
    EXPECT_EQ(systemCodeOfShellResult(27), 1155u);
    EXPECT_EQ(systemCodeOfShellResult(31), 1155u);
    EXPECT_EQ(systemCodeOfShellResult(28), 1156u);
    EXPECT_EQ(systemCodeOfShellResult(29), 1156u);
    EXPECT_EQ(systemCodeOfShellResult(30), 1156u);
    EXPECT_EQ(systemCodeOfShellResult(32), 1157u);
    // File and path not found, access denied and bad format are system codes already.
    for (const std::intptr_t same : {2, 3, 5, 11}) {
        EXPECT_EQ(systemCodeOfShellResult(same), static_cast<std::uint32_t>(same));
    }
}

} // namespace
} // namespace tavrin::shell
