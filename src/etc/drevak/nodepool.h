#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace drevak {

// Memory for the nodes a tree makes for itself, in chunks instead of one heap block per node:
// loading a large document is mostly making nodes, and freeing it mostly freeing them.
// Every node allocation, pooled or not, starts with the pool it came from (none for the
// heap), so a node freed anywhere, even after leaving its tree, goes back where it came
// from. The pool lives while its tree owns it or any of its nodes does; like the tree
// itself, it is used by one thread at a time.
class NodePool {
public:
    // The size of the node type the pool makes.
    explicit NodePool(std::size_t nodeSize) noexcept;
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;

    // Objects placed in the memory these give may need no more alignment than a pointer.
    static constexpr std::size_t MAX_ALIGNMENT = alignof(void*);

    // Memory for one node, headed by this pool.
    void* allocate();
    // Memory for any object of the node family, headed by no pool.
    static void* allocateOnHeap(std::size_t size);
    // Gives memory from either back to where it came from.
    static void free(void* memory) noexcept;
    // The tree is gone: the pool ends with its last node.
    void disown() noexcept;

private:
    struct Header {
        NodePool* pool;
    };
    union Block {
        Block* nextFree;
        Header header;
    };

    ~NodePool();
    void release(Block* block) noexcept;

    std::size_t blockSize_;
    std::vector<std::unique_ptr<std::byte[]>> chunks_;
    std::byte* next_ = nullptr;
    std::byte* chunkEnd_ = nullptr;
    Block* free_ = nullptr;
    std::size_t live_ = 0;
    bool owned_ = true;
};

} // namespace drevak
