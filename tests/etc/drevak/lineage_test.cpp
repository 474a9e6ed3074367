#include "etc/drevak/lineage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "etc/drevak/dvkdocument.h"

namespace drevak {
namespace {

std::unique_ptr<DvkDocument> sampleDocument() {
    return std::make_unique<DvkDocument>(std::vector<std::string>{
        "Item/a/Type:0", "Item/a/History/Use:4", "Item/b/Type:3", "Group$x"});
}

constexpr std::string_view WATCHED = "Item/a/History/Use";

struct Case {
    std::string_view operation;
    void (*apply)(std::unique_ptr<DvkDocument>& document);
    bool stale;
};

// Under AddressSanitizer, reading the watched node whenever the watch says it is current
// shows that no such watch ever covers a freed node.
TEST(LineageTest, OnlyOperationsThatMayFreeNodesMakeEarlierWatchesStale) {
    const Case cases[] = {
        {"add a child beside", [](auto& d) { d->GetChild("Item").childOrNew("c") = Integer{1}; },
         false},
        {"add a child below", [](auto& d) { d->GetChild(WATCHED).childOrNew("x"); }, false},
        {"attach a copied subtree",
         [](auto& d) { d->GetChild("Item").AddChild(d->GetChild("Item/a").Dup(true), "c"); },
         false},
        {"load more lines", [](auto& d) { d->Load(false, std::vector<std::string>{"Z:1"}); },
         false},
        {"change and delete values",
         [](auto& d) {
             d->GetChild("Item/a/Type") = std::string("t");
             d->GetChild("Item/b/Type").DeleteFile();
         },
         false},
        {"rename a child", [](auto& d) { d->GetChild("Item").RenameChild("b", "c"); }, false},
        {"remove the watched node's item", [](auto& d) { d->GetChild("Item").RemoveChild("a"); },
         true},
        {"remove an unrelated node", [](auto& d) { d->RemoveChild("Group"); }, true},
        {"clear by a reset load", [](auto& d) { d->Load(true, std::vector<std::string>{"Z:1"}); },
         true},
        {"replace a subtree", [](auto& d) { d->GetChild("Item") = std::move(*sampleDocument()); },
         true},
        {"move another document over it", [](auto& d) { *d = std::move(*sampleDocument()); }, true},
        {"move it into a new document",
         [](auto& d) { d = std::make_unique<DvkDocument>(std::move(*d)); }, true},
        {"destroy it", [](auto& d) { d.reset(); }, true},
    };
    for (const Case& tried : cases) {
        std::unique_ptr<DvkDocument> document = sampleDocument();
        Drevak& watched = document->GetChild(WATCHED);
        const Watch watch(watched);
        tried.apply(document);
        EXPECT_EQ(watch.stale(), tried.stale) << tried.operation;
        if (!watch.stale()) {
            EXPECT_EQ(watched.GetInteger(), 4) << tried.operation;
        }
    }
}

// The nodes of a tree moved or attached into a document follow the document's generation,
// not that of the tree they came from.
TEST(LineageTest, NodesThatJoinADocumentFollowItsGeneration) {
    auto document = sampleDocument();
    auto arriving = sampleDocument();
    const Watch beforeJoining(arriving->GetChild(WATCHED));
    *document = std::move(*arriving);
    EXPECT_TRUE(beforeJoining.stale());
    Drevak& joined = document->GetChild(WATCHED);
    const Watch afterMove(joined);
    arriving.reset();
    EXPECT_FALSE(afterMove.stale()) << "the tree the nodes left ended";
    EXPECT_EQ(joined.GetInteger(), 4);

    auto subtree = std::make_unique<Drevak>();
    Drevak& inSubtree = subtree->childOrNew("deep").childOrNew("x");
    const Watch beforeAttaching(inSubtree);
    document->AddChild(std::move(subtree), "attached");
    EXPECT_TRUE(beforeAttaching.stale()) << "its tree's removals would no longer reach it";
    const Watch afterAttaching(inSubtree);
    document->GetChild("attached").RemoveChild("deep");
    EXPECT_TRUE(afterAttaching.stale());
    EXPECT_TRUE(afterMove.stale());
}

} // namespace
} // namespace drevak
