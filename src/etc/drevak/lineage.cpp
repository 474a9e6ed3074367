#include "etc/drevak/lineage.h"

#include <utility>

#include "etc/drevak/drevak.h"
#include "etc/drevak/nodepool.h"

namespace drevak {

Lineage& Lineage::create(const Kareha& root) {
    auto block = std::make_shared<Lineage>(root);
    block->self_ = block;
    return *block;
}

NodePool& Lineage::pool() {
    if (pool_ == nullptr) {
        pool_ = new NodePool(sizeof(Drevak));
    }
    return *pool_;
}

void Lineage::end() noexcept {
    ++generation_;
    root_ = nullptr;
    if (pool_ != nullptr) {
        std::exchange(pool_, nullptr)->disown();
    }
    // Last: dropping the root's hold may free this block.
    const std::shared_ptr<Lineage> last = std::move(self_);
}

Watch::Watch(Kareha& node)
    : lineage_(node.lineage().shared()), generation_(lineage_->generation()) {}

} // namespace drevak
