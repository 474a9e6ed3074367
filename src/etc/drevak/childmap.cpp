#include "etc/drevak/childmap.h"

#include <functional>

#include "etc/drevak/drevak.h"

namespace drevak {
namespace {

// Up to this many children a scan beats hashing.
constexpr std::size_t SCAN_LIMIT = 8;

std::size_t hashOf(std::string_view name) noexcept {
    return std::hash<std::string_view>{}(name);
}

} // namespace

ChildMap::ChildMap() noexcept = default;
ChildMap::ChildMap(ChildMap&&) noexcept = default;
ChildMap& ChildMap::operator=(ChildMap&&) noexcept = default;
ChildMap::~ChildMap() = default;

std::size_t ChildMap::indexOf(std::string_view name) const noexcept {
    if (!slots_) {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].name == name) {
                return i;
            }
        }
        return NOT_FOUND;
    }
    const std::size_t hash = hashOf(name);
    const std::vector<std::uint32_t>& slots = *slots_;
    const std::size_t mask = slots.size() - 1;
    for (std::size_t slot = hash & mask; slots[slot] != 0; slot = (slot + 1) & mask) {
        const Entry& entry = entries_[slots[slot] - 1];
        if (entry.hash == hash && entry.name == name) {
            return slots[slot] - 1;
        }
    }
    return NOT_FOUND;
}

Drevak* ChildMap::find(std::string_view name) const noexcept {
    const std::size_t index = indexOf(name);
    return index == NOT_FOUND ? nullptr : entries_[index].node.get();
}

Drevak& ChildMap::insert(std::string_view name, std::unique_ptr<Drevak> node) {
    Drevak& inserted = *node;
    if (entries_.empty()) {
        entries_.reserve(SCAN_LIMIT);
    }
    entries_.push_back({std::string(name), std::move(node), hashOf(name)});
    if (slots_ && entries_.size() * 2 <= slots_->size()) {
        addToIndex(entries_.size() - 1);
    } else if (entries_.size() > SCAN_LIMIT) {
        rebuildIndex();
    }
    return inserted;
}

std::unique_ptr<Drevak> ChildMap::take(std::string_view name) {
    const std::size_t index = indexOf(name);
    if (index == NOT_FOUND) {
        return nullptr;
    }
    std::unique_ptr<Drevak> node = std::move(entries_[index].node);
    if (index != entries_.size() - 1) {
        entries_[index] = std::move(entries_.back());
    }
    entries_.pop_back();
    rebuildIndex();
    return node;
}

void ChildMap::rename(std::string_view oldName, std::string_view newName) {
    Entry& entry = entries_[indexOf(oldName)];
    entry.name = std::string(newName);
    entry.hash = hashOf(newName);
    rebuildIndex();
}

std::vector<ChildMap::Entry> ChildMap::release() noexcept {
    std::vector<Entry> taken;
    taken.swap(entries_);
    slots_.reset();
    return taken;
}

void ChildMap::addToIndex(std::size_t entry) {
    std::vector<std::uint32_t>& slots = *slots_;
    const std::size_t mask = slots.size() - 1;
    std::size_t slot = entries_[entry].hash & mask;
    while (slots[slot] != 0) {
        slot = (slot + 1) & mask;
    }
    slots[slot] = static_cast<std::uint32_t>(entry + 1);
}

// At most half the slots are used, so probe runs stay short.
void ChildMap::rebuildIndex() {
    if (entries_.size() <= SCAN_LIMIT) {
        slots_.reset();
        return;
    }
    std::size_t capacity = 32;
    while (capacity < entries_.size() * 4) {
        capacity *= 2;
    }
    slots_ = std::make_unique<std::vector<std::uint32_t>>(capacity, 0);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        addToIndex(i);
    }
}

} // namespace drevak
