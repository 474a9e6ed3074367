#include "shell/argumentline.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifdef _WIN32
#include "system/unicode.h"
#include "system/win32.h"

#include <shellapi.h>
#endif

namespace tavrin::shell {
namespace {

TEST(ArgumentLineTest, EachReaderGetsTheArgumentsInItsOwnQuoting) {
    const struct {
        std::string_view argument;
        std::string_view runtime;
        std::optional<std::string_view> cmd;
    } cases[] = {
        {"plain-name_1.txt", "plain-name_1.txt", "plain-name_1.txt"},
        {"日本語.txt", "日本語.txt", "日本語.txt"},
        {"", "\"\"", "\"\""},
        {"a\tb", "\"a\tb\"", "\"a\tb\""},
        {"x&y|z<^>(!)", "x&y|z<^>(!)", "\"x&y|z<^>(!)\""},
        {"%USERNAME% 100%", "\"%USERNAME% 100%\"", "\"%%cd:~,%USERNAME%%cd:~,% 100%%cd:~,%\""},
        // Backslashes escape only a quote, the closing one included.
        {"C:\\dir\\", "C:\\dir\\", "\"C:\\dir\\\\\""},
        {"C:\\a b\\", "\"C:\\a b\\\\\"", "\"C:\\a b\\\\\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\"", "\"say \"\"hi\"\"\""},
        {"a\\\"b", "\"a\\\\\\\"b\"", "\"a\\\\\"\"b\""},
        // cmd ends its line at a line end whatever the quotes say.
        {"line\nend", "\"line\nend\"", std::nullopt},
        {std::string_view("nul\0x", 5), std::string_view("nul\0x", 5), std::nullopt},
    };
    for (const auto& [argument, runtime, cmd] : cases) {
        EXPECT_EQ(runtimeArgument(argument), runtime) << argument;
        EXPECT_EQ(cmdArgument(argument), cmd) << argument;
    }
    EXPECT_EQ(runtimeArgument("C:\\folder\\", true), "\"C:\\folder\\\\\"");
    EXPECT_EQ(argumentLine({"a", "b c", "x&y"}, LINE_READER::CMD).line, "a \"b c\" \"x&y\"");
    const ArgumentLine refused = argumentLine({"a", "b\nc", "d\ne"}, LINE_READER::CMD);
    EXPECT_EQ(refused.refused, 1u);
    EXPECT_EQ(refused.line, "");
}

#ifdef _WIN32
// What the C runtimes read back, by the system's own parser; the program's name comes first.
std::vector<std::string> readBack(const std::string& line) {
    int count = 0;
    const std::wstring whole = L"program.exe " + system::toWide(line);
    wchar_t** arguments = CommandLineToArgvW(whole.c_str(), &count);
    std::vector<std::string> read;
    for (int index = 1; index < count; ++index) {
        read.push_back(system::toUtf8(arguments[index]));
    }
    LocalFree(arguments);
    return read;
}

TEST(ArgumentLineTest, RandomArgumentListsAreReadBackAsTheyWereMeant) {
    const std::vector<std::string> pieces = {" ", "\"", "\\", "\\\\", "&", "|", "<",
                                             ">", "^",  "%",  "!",    "(", ")", "\t",
                                             "a", "Z",  "é",  "日本", ".", "-"};
    // A fixed seed: the same lists on every run, so that a failure can be repeated.
    const unsigned seed = 20261208;
    std::mt19937 random(seed);
    for (int round = 0; round < 5000; ++round) {
        std::vector<std::string> arguments(1 + random() % 5);
        for (std::string& argument : arguments) {
            for (std::size_t length = random() % 9; length > 0; --length) {
                argument += pieces[random() % pieces.size()];
            }
        }
        const std::string line = argumentLine(arguments, LINE_READER::RUNTIME).line;
        ASSERT_EQ(readBack(line), arguments) << "seed " << seed << ", line [" << line << "]";
    }
}
#endif

} // namespace
} // namespace tavrin::shell
