#include "etc/drevak/lineage.h"

#include <utility>

#include "etc/drevak/kareha.h"

namespace drevak {

Lineage& Lineage::create(const Kareha& root) {
    auto block = std::make_shared<Lineage>(root);
    block->self_ = block;
    return *block;
}

void Lineage::end() noexcept {
    ++generation_;
    root_ = nullptr;
    // Last: dropping the root's hold may free this block.
    const std::shared_ptr<Lineage> last = std::move(self_);
}

Watch::Watch(Kareha& node)
    : lineage_(node.lineage().shared()), generation_(lineage_->generation()) {}

} // namespace drevak
