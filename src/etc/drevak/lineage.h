#pragma once

#include <cstdint>
#include <memory>

namespace drevak {

class Kareha;
class NodePool;

// What the nodes of one tree share: a generation that moves on whenever nodes of the tree
// may have been freed (a removal, a clearing, a tree moved over a subtree, the end of the
// tree). Adding nodes leaves it as it is. Its root owns it; watches keep it alive past the
// tree, so that a view over a destroyed document still finds out.
class Lineage {
public:
    explicit Lineage(const Kareha& root) noexcept : root_(&root) {}
    Lineage(const Lineage&) = delete;
    Lineage& operator=(const Lineage&) = delete;

    // A block owned by root, which keeps it alive until end().
    static Lineage& create(const Kareha& root);

    std::uint64_t generation() const noexcept { return generation_; }
    void bump() noexcept { ++generation_; }
    const Kareha* root() const noexcept { return root_; }
    // A moved tree's new root takes over.
    void handTo(const Kareha& root) noexcept { root_ = &root; }
    std::shared_ptr<const Lineage> shared() const noexcept { return self_; }
    // Where the tree's nodes come from, made when first asked for.
    NodePool& pool();
    // The tree is gone: moves the generation on a last time, lets go of the pool (which
    // lives on while nodes taken out of the tree do) and of the block, which lives on only
    // as long as watches hold it.
    void end() noexcept;

private:
    std::uint64_t generation_ = 0;
    const Kareha* root_;
    NodePool* pool_ = nullptr;
    std::shared_ptr<Lineage> self_;
};

// Taken over a node, tells later whether the nodes of its tree as they were then may have
// been freed since. A watch made by default watches nothing and is never stale.
class Watch {
public:
    Watch() = default;
    // The node's tree gets its lineage here when it has none yet.
    explicit Watch(Kareha& node);

    bool active() const noexcept { return lineage_ != nullptr; }
    bool stale() const noexcept { return lineage_ && lineage_->generation() != generation_; }

private:
    std::shared_ptr<const Lineage> lineage_;
    std::uint64_t generation_ = 0;
};

} // namespace drevak
