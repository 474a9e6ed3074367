#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace drevak {

class Drevak;

// The children of a node by name. Most nodes have a handful of children, looked up by a
// short scan; a large family (thousands of items under one node) gets an open-addressing
// index. Entries keep no particular order.
class ChildMap {
public:
    struct Entry {
        std::string name;
        std::unique_ptr<Drevak> node;
        std::size_t hash;
    };

    ChildMap() noexcept;
    ChildMap(ChildMap&&) noexcept;
    ChildMap& operator=(ChildMap&&) noexcept;
    ~ChildMap();

    using const_iterator = std::vector<Entry>::const_iterator;

    std::size_t size() const noexcept { return entries_.size(); }
    bool empty() const noexcept { return entries_.empty(); }
    const_iterator begin() const noexcept { return entries_.cbegin(); }
    const_iterator end() const noexcept { return entries_.cend(); }

    Drevak* find(std::string_view name) const noexcept;
    // The name must not be taken.
    Drevak& insert(std::string_view name, std::unique_ptr<Drevak> node);
    // Removes the child and hands it over; null when there is none.
    std::unique_ptr<Drevak> take(std::string_view name);
    // The old name must exist and the new one must be free.
    void rename(std::string_view oldName, std::string_view newName);
    // Empties the table, handing the entries over.
    std::vector<Entry> release() noexcept;

private:
    static constexpr std::size_t NOT_FOUND = static_cast<std::size_t>(-1);

    std::size_t indexOf(std::string_view name) const noexcept;
    void addToIndex(std::size_t entry);
    void rebuildIndex();

    std::vector<Entry> entries_;
    // Entry position + 1 per slot, 0 for a free slot; none while the table is small.
    // Held by pointer to keep nodes small: most tables never need it.
    std::unique_ptr<std::vector<std::uint32_t>> slots_;
};

} // namespace drevak
