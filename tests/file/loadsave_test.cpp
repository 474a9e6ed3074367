#include "file/datafile.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "etc/drevak/drevakexception.h"
#include "file/rawfile.h"
#include "scratch_folder.h"

namespace tavrin::file {
namespace {

using fixture::bytesOf;
using fixture::fromUtf8;
using fixture::ScratchFolder;
using fixture::utf16Bytes;
using fixture::utf8;
using fixture::writeBytes;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const std::string bom = "\xEF\xBB\xBF";

drevak::DvkDocument sampleDocument() {
    const std::vector<std::string> lines{";設定ファイル", "", "Window/Size=640\t480",
                                         "Name\\ランチャー", "Groups$a\tb"};
    return drevak::DvkDocument(std::span<const std::string>(lines));
}

void expectNewEmptyDocument(const LoadedDocument& loaded) {
    EXPECT_TRUE(loaded.saveable()) << loaded.failure;
    EXPECT_EQ(loaded.document.ChildCount(), 0u);
    EXPECT_EQ(loaded.document.Comment, "");
    EXPECT_FALSE(loaded.document.HaveFile());
}

class LoadSaveTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    const std::string path = folder.path("app.dvk");
};

TEST_F(LoadSaveTest, SavedFileIsMarkThenCrLfLinesAndLoadsBack) {
    const auto document = sampleDocument();
    SaveDocument(document, path);

    const std::string bytes = bytesOf(fromUtf8(path));
    EXPECT_TRUE(bytes.starts_with(bom));
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    EXPECT_EQ(bytes, documentFileBytes(document));
    EXPECT_EQ(LoadDocument(path).toString(), document.toString());
    EXPECT_EQ(LoadOrNewDocument(path).document.GetChild("Name").GetString(), "ランチャー");
    EXPECT_THAT(folder.names(), ElementsAre("app.dvk"));
}

TEST_F(LoadSaveTest, FileWithoutMarkAndWithLfEndsLoadsTheSame) {
    writeBytes(fromUtf8(path), ";設定ファイル\n\nWindow/Size=640\t480\nName\\ランチャー\n"
                               "Groups$a\tb");
    EXPECT_EQ(LoadDocument(path).toString(), sampleDocument().toString());
}

TEST_F(LoadSaveTest, SavingOverALongerFileLeavesExactlyTheNewBytes) {
    writeBytes(fromUtf8(path), std::string(100000, 'x'));
    const auto document = sampleDocument();
    SaveDocument(document, path);
    EXPECT_EQ(bytesOf(fromUtf8(path)), documentFileBytes(document));
}

TEST_F(LoadSaveTest, EmptyDocumentIsSavedAsTheMarkAloneAndComesBackEmpty) {
    SaveDocument(drevak::DvkDocument(), path);
    EXPECT_EQ(bytesOf(fromUtf8(path)), bom);

    try {
        LoadDocument(path);
        FAIL() << "no DrevakException";
    } catch (const drevak::DrevakException& error) {
        EXPECT_EQ(error.text(), "いやいや、むりむり");
    }
    expectNewEmptyDocument(LoadOrNewDocument(path));
}

TEST_F(LoadSaveTest, MissingOrEmptyFileGivesANewSaveableDocument) {
    expectNewEmptyDocument(LoadOrNewDocument(path));
    expectNewEmptyDocument(LoadOrNewDocument(utf8(folder.root() / "no-folder" / "app.dvk")));
    writeBytes(fromUtf8(path), "");
    expectNewEmptyDocument(LoadOrNewDocument(path));
}

TEST_F(LoadSaveTest, FolderAtThePathGivesADocumentThatIsNeverSaved) {
    std::filesystem::create_directory(fromUtf8(path));

    const LoadedDocument loaded = LoadOrNewDocument(path);

    EXPECT_FALSE(loaded.saveable());
    EXPECT_THAT(loaded.failure, HasSubstr(path));
    EXPECT_EQ(loaded.document.ChildCount(), 0u);
    EXPECT_THROW(LoadDocument(path), FileError);
}

TEST_F(LoadSaveTest, FailedSaveRaisesAndLeavesEverythingAsItWas) {
    writeBytes(folder.root() / "items.dvk", "old");
    std::filesystem::create_directory(fromUtf8(path));

    EXPECT_THROW(SaveDocument(sampleDocument(), path), FileError);
    EXPECT_THROW(SaveDocument(sampleDocument(), utf8(folder.root() / "no-folder" / "app.dvk")),
                 FileError);

    EXPECT_THAT(folder.names(), ElementsAre("app.dvk", "items.dvk"));
    EXPECT_THAT(folder.names("app.dvk"), IsEmpty());
    EXPECT_EQ(bytesOf(folder.root() / "items.dvk"), "old");
}

TEST_F(LoadSaveTest, Utf16FileFromAnEditorIsSavedBackAsTheSameItemsInUtf8) {
    writeBytes(fromUtf8(path), utf16Bytes(u"Item/メモ帳\\メモ帳\r\nItem/メモ帳/Tags$文書\t編集\r\n"
                                          u"Item/絵🎨\\ペイント\r\n",
                                          false));
    const std::string sameInUtf8 =
        "Item/メモ帳\\メモ帳\r\nItem/メモ帳/Tags$文書\t編集\r\nItem/絵🎨\\ペイント\r\n";

    const LoadedDocument loaded = LoadOrNewDocument(path);
    ASSERT_TRUE(loaded.saveable()) << loaded.failure;
    SaveDocument(loaded.document, path);

    const std::string bytes = bytesOf(fromUtf8(path));
    EXPECT_TRUE(bytes.starts_with(bom));
    EXPECT_EQ(bytes, documentFileBytes(parseDocumentFile(sameInUtf8, path)));
    const drevak::DvkDocument reloaded = LoadDocument(path);
    EXPECT_EQ(reloaded.GetChild("Item/絵🎨").GetString(), "ペイント");
    EXPECT_EQ(reloaded.GetChild("Item/メモ帳").GetString(), "メモ帳");
}

TEST_F(LoadSaveTest, FileThatIsNoTextIsRefusedWithWhereAndWhyAndLeftAlone) {
    const std::string original = bom + "Item/edit\\Editor\r\nItem/edit/Memo\\\xE3\x81\r\nA:1\r\n";
    writeBytes(fromUtf8(path), original);

    const LoadedDocument loaded = LoadOrNewDocument(path);

    EXPECT_FALSE(loaded.saveable());
    EXPECT_THAT(loaded.failure, HasSubstr(path));
    EXPECT_THAT(loaded.failure, HasSubstr("line 2, byte offset 36: invalid UTF-8"));
    EXPECT_EQ(loaded.document.ChildCount(), 0u);
    EXPECT_THROW(LoadDocument(path), FileError);
    EXPECT_EQ(bytesOf(fromUtf8(path)), original);
    EXPECT_THAT(folder.names(), ElementsAre("app.dvk"));
}

TEST_F(LoadSaveTest, JapaneseFileName) {
    const std::string japanese = folder.path("設定.dvk");
    SaveDocument(sampleDocument(), japanese);

    EXPECT_THAT(folder.names(), ElementsAre("設定.dvk"));
    EXPECT_EQ(LoadDocument(japanese).toString(), sampleDocument().toString());
    EXPECT_TRUE(LoadOrNewDocument(japanese).saveable());
}

} // namespace
} // namespace tavrin::file
