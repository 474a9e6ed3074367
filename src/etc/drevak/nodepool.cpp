#include "etc/drevak/nodepool.h"

#include <algorithm>
#include <new>

// Under AddressSanitizer a freed node stays unreadable while it waits to be reused, as it
// would on the heap.
#ifdef __SANITIZE_ADDRESS__
#define TAVRIN_POOL_POISONS
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAVRIN_POOL_POISONS
#endif
#endif
#ifdef TAVRIN_POOL_POISONS
#include <sanitizer/asan_interface.h>
#else
#define ASAN_POISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#endif

namespace drevak {
namespace {

// Chunks grow from a few nodes (small documents stay small) to a few hundred kilobytes.
constexpr std::size_t FIRST_CHUNK_NODES = 32;
constexpr std::size_t LARGEST_CHUNK_NODES = 4096;
// The pool pointer; nodes need no more alignment than it has (kareha.cpp checks).
constexpr std::size_t HEADER_SIZE = sizeof(void*);

std::size_t roundUp(std::size_t size) {
    return (size + HEADER_SIZE - 1) / HEADER_SIZE * HEADER_SIZE;
}

} // namespace

NodePool::NodePool(std::size_t nodeSize) noexcept : blockSize_(HEADER_SIZE + roundUp(nodeSize)) {}

NodePool::~NodePool() = default;

void* NodePool::allocate() {
    Block* block = free_;
    if (block != nullptr) {
        free_ = block->nextFree;
    } else {
        if (next_ == chunkEnd_) {
            const std::size_t nodes =
                std::min(FIRST_CHUNK_NODES << std::min<std::size_t>(chunks_.size(), 16),
                         LARGEST_CHUNK_NODES);
            chunks_.push_back(std::make_unique_for_overwrite<std::byte[]>(nodes * blockSize_));
            next_ = chunks_.back().get();
            chunkEnd_ = next_ + nodes * blockSize_;
        }
        block = new (next_) Block;
        next_ += blockSize_;
    }
    block->header.pool = this;
    ++live_;
    std::byte* const node = reinterpret_cast<std::byte*>(block) + HEADER_SIZE;
    ASAN_UNPOISON_MEMORY_REGION(node, blockSize_ - HEADER_SIZE);
    return node;
}

void* NodePool::allocateOnHeap(std::size_t size) {
    auto* block = static_cast<Block*>(::operator new(HEADER_SIZE + size));
    block->header.pool = nullptr;
    return reinterpret_cast<std::byte*>(block) + HEADER_SIZE;
}

void NodePool::free(void* memory) noexcept {
    if (memory == nullptr) {
        return;
    }
    auto* block = reinterpret_cast<Block*>(static_cast<std::byte*>(memory) - HEADER_SIZE);
    if (NodePool* pool = block->header.pool) {
        pool->release(block);
    } else {
        ::operator delete(block);
    }
}

void NodePool::release(Block* block) noexcept {
    block->nextFree = free_;
    free_ = block;
    ASAN_POISON_MEMORY_REGION(reinterpret_cast<std::byte*>(block) + HEADER_SIZE,
                              blockSize_ - HEADER_SIZE);
    if (--live_ == 0 && !owned_) {
        delete this;
    }
}

void NodePool::disown() noexcept {
    owned_ = false;
    if (live_ == 0) {
        delete this;
    }
}

} // namespace drevak
