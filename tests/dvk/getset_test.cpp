#include <filesystem>
#include <string>

#include <gmock/gmock.h>

#include "dvktest.h"

namespace dvk::test {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

class GetSet : public DvkTest {
protected:
    std::string item = write("items.dvk", "Item/edit\\Editor\nItem/edit/Type:0\n"
                                          "Item/edit/Tags$a\tb c\nItem/edit/Memo\\a\\tb\n");

    std::string get(const std::string& file, const std::string& address) {
        const Outcome result = run({"get", file, address});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    }
    void set(const std::string& file, const std::string& address, const std::string& value) {
        const Outcome result = run({"set", file, address, value});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_THAT(result.out, IsEmpty());
    }
    // A failing set must leave the file exactly as it was.
    void expectSetFails(const std::string& address, const std::string& value) {
        const std::string before = bytesOf("items.dvk");
        const Outcome result = run({"set", item, address, value});
        EXPECT_EQ(result.exitCode, 1) << address << value;
        EXPECT_THAT(result.err, HasSubstr("dvk: "));
        EXPECT_EQ(bytesOf("items.dvk"), before);
    }
};

TEST_F(GetSet, GetPrintsTheValueTextOfTheNode) {
    EXPECT_EQ(get(item, "Item/edit/Type"), ":0\n");
    EXPECT_EQ(get(item, "Item/edit"), "\\Editor\n");
    EXPECT_EQ(get(item, "Item/edit/Tags"), "$a\tb c\n");
    EXPECT_EQ(get(item, "Item/edit/Memo"), "\\a\\tb\n");
}

TEST_F(GetSet, GetFailsClearlyForMissingInvalidOrValuelessNodes) {
    for (const auto& [address, message] :
         {std::pair{"Item/none", "no node at Item/none"},
          std::pair{"Item//edit", "not a valid address"}, std::pair{"/Item", "not a valid address"},
          std::pair{"Item", "holds no value"}}) {
        const Outcome result = run({"get", item, address});
        EXPECT_EQ(result.exitCode, 1) << address;
        EXPECT_THAT(result.out, IsEmpty());
        EXPECT_THAT(result.err, HasSubstr(message));
    }
    EXPECT_EQ(run({"get", path("missing.dvk"), "A"}).exitCode, 1);
}

TEST_F(GetSet, GetOfAValueOnADroppedLinePointsToCheck) {
    const std::string file = write("damaged.dvk", "A:1\nB:x\nC/D=\t1\n");
    for (const std::string address : {"B", "C"}) {
        const Outcome result = run({"get", file, address});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_THAT(result.err, HasSubstr("2 line(s) did not apply: dvk check"));
    }
    EXPECT_THAT(run({"get", file, "Z"}).err, HasSubstr("no node at Z (2 line(s)"));
}

TEST_F(GetSet, SetOnAMissingFileCreatesIt) {
    const std::string file = path("new.dvk");
    set(file, "Window/Left", ":100");
    EXPECT_EQ(bytesOf("new.dvk"), std::string(BOM) + "Window/Left:100\r\n");
    EXPECT_EQ(get(file, "Window/Left"), ":100\n");
}

TEST_F(GetSet, SetThenGetGivesTheValueBackForEveryType) {
    for (const std::string value : {":-5", "=1\t2\t3", "*0.5", "@1.5\t-2", "\\a\\tb\\\\c", "\\e",
                                    "$a\t\\e\tc", "?00FF", "!00\tFF", "\\メモ帳", ":*"}) {
        set(item, "Item/edit/Value", value);
        EXPECT_EQ(get(item, "Item/edit/Value"), value + "\n");
    }
    // A value read in another form is stored in the writer's form.
    set(item, "Item/edit/Use", ":1_000");
    EXPECT_EQ(get(item, "Item/edit/Use"), ":1000\n");
}

TEST_F(GetSet, SetKeepsTheRestOfTheFile) {
    const std::string file = write("kept.dvk", ";head\n\n;note\nA:1\nB\\x\n");
    set(file, "A", "\\changed");
    EXPECT_EQ(bytesOf("kept.dvk"),
              std::string(BOM) + ";head\r\n\r\n;note\r\nA\\changed\r\nB\\x\r\n");
}

TEST_F(GetSet, SetWithABadValueOrAddressChangesNothing) {
    for (const std::string value :
         {":x", ":99999999999", "=\t1", "?ABC", "?GG", "5", ":", "", "\\a\nb", "\\a\rb"}) {
        expectSetFails("Item/edit/Type", value);
    }
    for (const std::string address : {"Item/a;b", "Item/a:b", "/Item", "Item/", "Item//x", ""}) {
        expectSetFails(address, ":1");
    }
    // A value that does not apply creates no file either.
    EXPECT_EQ(run({"set", path("new.dvk"), "A", ":x"}).exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(nativePath("new.dvk")));
}

TEST_F(GetSet, SetRefusesAFileThatSavingWouldShorten) {
    const std::string original = "A:1\nnot a document line\nB=\t2\n";
    const std::string file = write("damaged.dvk", original);
    const Outcome result = run({"set", file, "A", ":2"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.err, HasSubstr("dvk check"));
    EXPECT_EQ(bytesOf("damaged.dvk"), original);
}

TEST_F(GetSet, SetRefusesAFileThatIsNoText) {
    const std::string original = "A:1\nB\\\xE3\x81\n";
    const std::string file = write("damaged.dvk", original);
    const Outcome result = run({"set", file, "A", ":2"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.err, HasSubstr("line 2, byte offset 6"));
    EXPECT_EQ(bytesOf("damaged.dvk"), original);
}

TEST_F(GetSet, SetOnAPathThatIsNoFileFailsWithoutWriting) {
    std::filesystem::create_directory(nativePath("folder"));
    EXPECT_EQ(run({"set", path("folder"), "A", ":1"}).exitCode, 1);
    EXPECT_TRUE(std::filesystem::is_directory(nativePath("folder")));
    EXPECT_TRUE(std::filesystem::is_empty(nativePath("folder")));

    EXPECT_EQ(run({"set", path("no-such-folder/x.dvk"), "A", ":1"}).exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(nativePath("no-such-folder")));
}

TEST_F(GetSet, JapaneseFileNamesAndValuesPassThrough) {
    const std::string file = path("アイテム.dvk");
    set(file, "Item/メモ帳", "\\メモ帳を開く");
    EXPECT_EQ(get(file, "Item/メモ帳"), "\\メモ帳を開く\n");
    EXPECT_TRUE(std::filesystem::exists(nativePath("アイテム.dvk")));
}

} // namespace
} // namespace dvk::test
