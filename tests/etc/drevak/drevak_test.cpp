#include "etc/drevak/drevak.h"

#include <gtest/gtest.h>

#include "raisedtext.h"

namespace drevak {
namespace {

std::vector<std::string_view> path(std::initializer_list<std::string_view> names) {
    return names;
}

TEST(DrevakAddress, GetChildWalksEveryLevel) {
    Drevak root;
    root.CreatePath(path({"Window", "Front", "Left"})) = Integer{100};
    EXPECT_EQ(root.GetChild("Window/Front/Left").GetInteger(), 100);
    EXPECT_TRUE(root.HaveChild("Window/Front"));
    EXPECT_FALSE(root.HaveChild("Window/Back"));
    EXPECT_EQ(root.GetChild("Window").GetChild("Front/Left").GetInteger(), 100)
        << "a walk goes on from any node";
    EXPECT_EQ(raisedText([&] { root.GetChild("Window/Back/Left"); }),
              "指定した子供(Back)が存在しない")
        << "the missing component is named";
}

TEST(DrevakAddress, MalformedAddressesAreRefused) {
    Drevak root;
    root.CreatePath(path({"a", "b"}));
    for (const char* address : {"/a", "a/", "a//b", ";a", ""}) {
        EXPECT_EQ(raisedText([&] { root.HaveChild(address); }),
                  std::string("ツリー変換できません:") + address);
        EXPECT_EQ(raisedText([&] { root.GetChild(address); }),
                  std::string("ツリー変換できません:") + address);
    }
}

TEST(DrevakAddress, ShortAddressIsOneUnsplitComponent) {
    Drevak root;
    root.CreatePath(path({"a"}));
    EXPECT_FALSE(root.HaveChild("a:")) << "invalid as a name, but simply not found";
    EXPECT_TRUE(root.HaveChild("a"));
    EXPECT_EQ(raisedText([&] { root.GetChild("a:"); }), "指定した子供(a:)が存在しない");
}

TEST(DrevakAddress, CreatePathChecksEveryComponentBeforeCreating) {
    Drevak root;
    EXPECT_EQ(raisedText([&] {
                  root.CreatePath(path({"ok", "b:c", "d"}));
              }),
              "ツリー名の不正：b:c");
    EXPECT_EQ(root.ChildCount(), 0u) << "nothing was created";
    EXPECT_EQ(raisedText([&] { root.CreatePath(path({"ok", ""})); }), "ツリー名の不正：");
    Drevak& leaf = root.CreatePath(path({"x", "y"}));
    leaf = Integer{1};
    EXPECT_EQ(&root.CreatePath(path({"x", "y"})), &leaf) << "existing nodes are taken";
    EXPECT_EQ(leaf.GetInteger(), 1);
}

TEST(DrevakAddress, SetPairAtStoresTwoIntegers) {
    Drevak root;
    root.SetPairAt(path({"Window", "Size"}), 640, -480);
    EXPECT_EQ(root.GetChild("Window/Size").GetIntegers(), (std::vector<Integer>{640, -480}));
    EXPECT_EQ(root.GetChild("Window/Size").toString(), "=640\t-480");
}

TEST(DrevakAddress, HaveChildPathStopsAtFirstMissingComponent) {
    Drevak root;
    root.CreatePath(path({"a", "b"}));
    EXPECT_TRUE(root.HaveChildPath(path({"a", "b"})));
    EXPECT_FALSE(root.HaveChildPath(path({"a", "c", "d"})));
    EXPECT_TRUE(root.HaveChildPath(path({})));
    EXPECT_EQ(&root.GetChildPath(path({"a", "b"})), &root.GetChild("a/b"));
}

} // namespace
} // namespace drevak
