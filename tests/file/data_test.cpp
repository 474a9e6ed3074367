#include "file/data.h"

#include <array>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "etc/drevak/drevakexception.h"
#include "etc/drevak/dvkdocument.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

// A record over the nodes A to E of a document, with a sixth field left without a node as an
// absent optional field is.
class Record : public Data {
public:
    static constexpr std::array<std::string_view, 5> names{"A", "B", "C", "D", "E"};

    explicit Record(drevak::Drevak& root) : Data(names.size() + 1) {
        for (std::size_t index = 0; index < names.size(); ++index) {
            const std::array<std::string_view, 1> path{names[index]};
            bind(index, root.CreatePath(path));
        }
    }
};

constexpr std::size_t absent = Record::names.size();

class DataTest : public ::testing::Test {
protected:
    DataTest() {
        document.GetChild("A") = std::string("ランチャー");
        document.GetChild("B") = std::string();
        document.GetChild("C") = drevak::Integer{0};
        document.GetChild("D") = drevak::Integer{-7};
    }

    drevak::DvkDocument document;
    Record record{document};
};

TEST_F(DataTest, TheTableHoldsTheDocumentsOwnNodes) {
    EXPECT_EQ(record.nodeCount(), 6u);
    EXPECT_EQ(record.node(0), &document.GetChild("A"));
    EXPECT_EQ(record.node(4), &document.GetChild("E"));
    EXPECT_EQ(record.node(absent), nullptr);

    *record.node(2) = drevak::Integer{3};
    EXPECT_EQ(document.GetChild("C").GetInteger(), 3);
    document.GetChild("A") = std::string("変更");
    EXPECT_EQ(record.stringField(0), "変更");
    EXPECT_EQ(document.toString(), "A\\変更\r\nB\\\\e\r\nC:3\r\nD:-7\r\n");
}

TEST_F(DataTest, StringFieldIsACopyAndEmptyWithoutText) {
    std::string text = record.stringField(0);
    EXPECT_EQ(text, "ランチャー");
    text += "!";
    EXPECT_EQ(document.GetChild("A").GetString(), "ランチャー");

    EXPECT_EQ(record.stringField(1), "");      // an empty text
    EXPECT_EQ(record.stringField(2), "");      // an Integer
    EXPECT_EQ(record.stringField(4), "");      // no value
    EXPECT_EQ(record.stringField(absent), ""); // no node
}

TEST_F(DataTest, BoolFieldIsTheIntegerComparedWithZero) {
    EXPECT_FALSE(record.boolField(2));
    EXPECT_TRUE(record.boolField(3));
    document.GetChild("C") = drevak::UNSET_INTEGER;
    EXPECT_TRUE(record.boolField(2));
}

TEST_F(DataTest, BoolFieldRaisesOnAnotherTypeNoValueOrNoNode) {
    EXPECT_THROW(record.boolField(0), drevak::DrevakException);
    EXPECT_THROW(record.boolField(4), drevak::DrevakException);
    EXPECT_THROW(record.boolField(absent), system::DataError);
}

TEST_F(DataTest, AnIndexPastTheTableIsRefused) {
    const std::size_t past = record.nodeCount();
    EXPECT_THROW(record.node(past), system::DataError);
    EXPECT_THROW(record.stringField(past), system::DataError);
    EXPECT_THROW(record.boolField(past), system::DataError);
}

} // namespace
} // namespace tavrin::file
