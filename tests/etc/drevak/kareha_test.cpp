#include "etc/drevak/kareha.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "etc/drevak/drevak.h"
#include "raisedtext.h"

namespace drevak {
namespace {

TEST(KarehaValue, NewNodeHasNoValue) {
    Drevak node;
    EXPECT_FALSE(node.HaveFile());
    EXPECT_EQ(node.toString(), "");
    EXPECT_EQ(raisedText([&] { node.FileType(); }), "ファイルもってな～い");
    EXPECT_EQ(raisedText([&] { node.FileIsTSV(); }), "ファイルもってな～い");
    EXPECT_EQ(raisedText([&] { node.DeleteFile(); }), "ファイルもってな～い");
    EXPECT_EQ(raisedText([&] { node.GetString(); }), "ファイルもってな～い");
}

TEST(KarehaValue, AssignmentReplacesValueOfAnyType) {
    Drevak node;
    node = Integer{5};
    EXPECT_EQ(node.FileType(), HAGATA::Integer);
    EXPECT_EQ(node.toString(), ":5");
    node = std::string("abc");
    EXPECT_EQ(node.FileType(), HAGATA::string);
    EXPECT_EQ(node.GetString(), "abc");
    EXPECT_EQ(raisedText([&] { node.GetInteger(); }), "型はIntegerじゃないよstringだよ");
    node = std::vector<Binary>{{0xAB}, {}};
    EXPECT_EQ(node.FileType(), HAGATA::TSV_Binary);
    EXPECT_EQ(raisedText([&] { node.GetReals(); }), "型はreal[]じゃないよBinary[]だよ");
}

TEST(KarehaValue, ArrayLengthOnlyForArrays) {
    Drevak node;
    node = Integer{1};
    EXPECT_FALSE(node.FileIsTSV());
    EXPECT_EQ(raisedText([&] { node.TSVLength(); }), "TSV形式じゃな～い");
    EXPECT_EQ(raisedText([&] { node.TSVLength(3); }), "TSV形式じゃな～い");
    node = std::vector<std::string>{"a", "b", "c"};
    EXPECT_TRUE(node.FileIsTSV());
    EXPECT_EQ(node.TSVLength(), 3u);
    node.TSVLength(1);
    EXPECT_EQ(node.GetStrings(), std::vector<std::string>{"a"});
    node.TSVLength(2);
    EXPECT_EQ(node.GetStrings(), (std::vector<std::string>{"a", ""}));
}

TEST(KarehaValue, DeleteFileKeepsChildren) {
    Drevak node;
    node = real{1.5};
    node.childOrNew("child") = Integer{2};
    node.DeleteFile();
    EXPECT_FALSE(node.HaveFile());
    EXPECT_EQ(node.ChildCount(), 1u);
    EXPECT_EQ(node.GetChild("child").GetInteger(), 2);
}

TEST(KarehaValue, EqualityFollowsTypeAndValue) {
    Drevak a, b;
    a = Integer{1};
    b = Integer{1};
    EXPECT_TRUE(a == b);
    b = real{1};
    EXPECT_FALSE(a == b) << "different types are never equal";
    a = std::numeric_limits<real>::quiet_NaN();
    b = std::numeric_limits<real>::quiet_NaN();
    EXPECT_FALSE(a == b) << "NaN equals nothing";
    a = std::vector<real>{1, 2};
    b = std::vector<real>{1, 2};
    EXPECT_TRUE(a == b);
    b = std::vector<real>{1, 2, 3};
    EXPECT_FALSE(a == b);
}

TEST(KarehaValue, OrderingRules) {
    Drevak a, b;
    a = Integer{2};
    b = Integer{10};
    EXPECT_EQ(a.opCmp(b), -1);
    EXPECT_EQ(b.opCmp(a), 1);
    b = Integer{2};
    EXPECT_EQ(a.opCmp(b), 0);
    b = std::string("x"); // ":" (3A) sorts before "\" (5C)
    EXPECT_EQ(a.opCmp(b), -1);
    EXPECT_EQ(b.opCmp(a), 1);
    a = std::string("abc");
    b = std::string("abd");
    EXPECT_EQ(a.opCmp(b), 'c' - 'd') << "strings give the byte difference";
    b = std::string("abcde");
    EXPECT_EQ(a.opCmp(b), -2) << "then the length difference";
    a = std::numeric_limits<real>::quiet_NaN();
    b = real{1};
    EXPECT_EQ(a.opCmp(b), -1);
    EXPECT_EQ(b.opCmp(a), -1) << "NaN on either side gives -1";
    a = Binary{1, 2};
    b = Binary{1, 3};
    EXPECT_EQ(a.opCmp(b), -1);
    EXPECT_EQ(b.opCmp(a), 1);
}

TEST(KarehaChildren, AddRemoveAndLookUp) {
    Drevak root;
    EXPECT_TRUE(root.AddChild(std::make_unique<Drevak>(), "a"));
    EXPECT_FALSE(root.AddChild(std::make_unique<Drevak>(), "a")) << "name taken";
    EXPECT_FALSE(root.AddChild(std::make_unique<Drevak>(), "b/c"));
    EXPECT_FALSE(root.AddChild(std::make_unique<Drevak>(), "b:c"));
    EXPECT_FALSE(root.AddChild(std::make_unique<Drevak>(), ""));
    EXPECT_TRUE(root.AddChild(std::make_unique<Drevak>(), "名前 with blanks\t"));
    EXPECT_EQ(root.ChildCount(), 2u);
    EXPECT_EQ(raisedText([&] { root.RemoveChild("zz"); }), "そんな子(zz)うちにいません");
    EXPECT_EQ(raisedText([&] { root.Kareha::GetChild("zz"); }), "指定した子供(zz)が存在しない");
    root.RemoveChild("a");
    EXPECT_FALSE(root.Kareha::HaveChild("a"));
    EXPECT_EQ(root.ChildNames(), std::vector<std::string>{"名前 with blanks\t"});
}

TEST(KarehaChildren, ManyChildrenStayReachableThroughRemovalsAndRenames) {
    Drevak root;
    for (int i = 0; i < 300; ++i) {
        root.childOrNew("c" + std::to_string(i)) = Integer{i};
    }
    for (int i = 0; i < 300; i += 3) {
        root.RemoveChild("c" + std::to_string(i));
    }
    root.RenameChild("c1", "renamed");
    EXPECT_EQ(root.ChildCount(), 200u);
    EXPECT_FALSE(root.Kareha::HaveChild("c1"));
    EXPECT_EQ(root.Kareha::GetChild("renamed").GetInteger(), 1);
    for (int i = 2; i < 300; ++i) {
        EXPECT_EQ(root.Kareha::HaveChild("c" + std::to_string(i)), i % 3 != 0) << i;
    }
    while (root.ChildCount() > 3) {
        root.RemoveChild(root.ChildNames().front());
    }
    EXPECT_EQ(root.ChildCount(), 3u);
    for (const std::string& name : root.ChildNames()) {
        EXPECT_TRUE(root.Kareha::HaveChild(name));
    }
}

TEST(KarehaChildren, RenameChecksInOrder) {
    Drevak root;
    Drevak& a = root.childOrNew("a");
    a = Integer{7};
    a.Comment = "note";
    a.childOrNew("deep") = Integer{8};
    root.childOrNew("b");
    EXPECT_EQ(raisedText([&] { root.RenameChild("x", "y"); }), "xが見つかんない");
    EXPECT_EQ(raisedText([&] { root.RenameChild("a", "b"); }), "bってのはスデにある");
    EXPECT_EQ(raisedText([&] { root.RenameChild("a", "c/d"); }), "c/dはツリー名として不正");
    root.ChildTable().insert("b/x", std::make_unique<Drevak>()); // the raw table takes any key
    EXPECT_EQ(raisedText([&] { root.RenameChild("a", "b/x"); }), "b/xってのはスデにある")
        << "existence is checked before validity";
    root.RenameChild("a", "c");
    const Drevak& moved = root.Kareha::GetChild("c");
    EXPECT_EQ(moved.GetInteger(), 7);
    EXPECT_EQ(moved.Comment, "note");
    EXPECT_EQ(moved.Kareha::GetChild("deep").GetInteger(), 8);
    EXPECT_FALSE(root.Kareha::HaveChild("a"));
}

TEST(KarehaChildren, DupCopiesValueAndOptionallySubtreeButNoComment) {
    Drevak root;
    root = std::string("top");
    root.Comment = "c";
    root.childOrNew("x") = Integer{1};
    root.childOrNew("x").childOrNew("y") = Binary{9};
    const auto shallow = root.Dup(false);
    EXPECT_EQ(shallow->GetString(), "top");
    EXPECT_EQ(shallow->ChildCount(), 0u);
    EXPECT_EQ(shallow->Comment, "");
    const auto deep = root.Dup(true);
    EXPECT_EQ(deep->GetChild("x/y").GetBinary(), Binary{9});
    root.GetChild("x") = Integer{2};
    EXPECT_EQ(deep->GetChild("x").GetInteger(), 1) << "the copy is independent";
}

TEST(KarehaChildren, CommentLinesSplitAtAnyLineEnd) {
    Drevak node;
    EXPECT_TRUE(node.CommentLines().empty());
    node.Comment = "a\r\nb\nc\rd";
    EXPECT_EQ(node.CommentLines(), (std::vector<std::string>{";a", ";b", ";c", ";d"}));
}

TEST(KarehaChildren, ToLinesGivesRelativeAddressesWithComments) {
    Drevak root;
    Drevak& window = root.childOrNew("Window");
    window = Integer{4};
    window.Comment = "the window";
    window.childOrNew("Front").childOrNew("Left") = Integer{100};
    std::vector<std::string> lines = window.ToLines(true);
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (std::vector<std::string>{":4", ";the window", "Front/Left:100"}));
    lines = root.ToLines(false);
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (std::vector<std::string>{"Window/Front/Left:100", "Window:4"}));
}

// A chain this deep overflows the stack of any recursive walk or teardown.
TEST(KarehaChildren, DeepChainIsWalkedCopiedAndFreedWithoutRecursion) {
    constexpr int depth = 300000;
    auto root = std::make_unique<Drevak>();
    Drevak* node = root.get();
    for (int i = 0; i < depth; ++i) {
        node = &node->childOrNew("a");
    }
    *node = Integer{1};
    const auto copy = root->Dup(true);
    const std::vector<std::string> lines = copy->ToLines(false);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 2u * depth - 1 + 2);
    root.reset();
}

// A tree's nodes come from its pool: one that leaves the tree must stay whole after the
// tree is gone and be freed once, whichever way it left (the sanitizers see the rest).
TEST(KarehaChildren, ANodeOutlivesTheTreeItWasMadeIn) {
    using Tree = std::unique_ptr<Drevak>;
    struct Way {
        const char* name;
        std::function<Tree(Tree&)> takeOut;
        const char* keptLine;
    };
    const Way ways[] = {
        {"added to another tree",
         [](Tree& tree) {
             auto other = std::make_unique<Drevak>();
             other->AddChild(tree->ChildTable().take("item42"), "moved");
             return other;
         },
         "moved/name\\名前 42"},
        {"copied", [](Tree& tree) { return tree->Dup(true); }, "item42/name\\名前 42"},
        {"the tree moved into a node of another",
         [](Tree& tree) {
             auto other = std::make_unique<Drevak>();
             other->childOrNew("in") = std::move(*tree);
             return other;
         },
         "in/item42/name\\名前 42"},
        {"the tree moved",
         [](Tree& tree) {
             auto other = std::make_unique<Drevak>();
             *other = std::move(*tree);
             return other;
         },
         "item42/name\\名前 42"},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        auto tree = std::make_unique<Drevak>();
        for (int i = 0; i < 100; ++i) {
            Drevak& item = tree->childOrNew("item" + std::to_string(i));
            item.childOrNew("name") = "名前 " + std::to_string(i);
            item.childOrNew("ages") = std::vector<Integer>{i, i + 1};
        }
        tree->RemoveChild("item3");
        Tree kept = way.takeOut(tree);
        tree.reset();
        kept->childOrNew("new") = Integer{7};
        const std::vector<std::string> lines = kept->ToLines(false);
        EXPECT_NE(std::find(lines.begin(), lines.end(), way.keptLine), lines.end());
        EXPECT_NE(std::find(lines.begin(), lines.end(), "new:7"), lines.end());
    }
}

} // namespace
} // namespace drevak
