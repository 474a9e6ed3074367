#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "etc/drevak/kareha.h"

namespace drevak {

// A node reached by addresses: names joined by "/".
class Drevak : public Kareha {
public:
    Drevak() = default;

    using Kareha::operator=;

    bool HaveChild(std::string_view address) const;
    Drevak& GetChild(std::string_view address);
    const Drevak& GetChild(std::string_view address) const;
    bool HaveChildPath(std::span<const std::string_view> components) const;
    Drevak& GetChildPath(std::span<const std::string_view> components);
    const Drevak& GetChildPath(std::span<const std::string_view> components) const;
    // Checks every component first, then creates what is missing; returns the last node.
    Drevak& CreatePath(std::span<const std::string_view> components);
    // Stores a two-element Integer array (a position or a size).
    void SetPairAt(std::span<const std::string_view> components, Integer first, Integer second);

private:
    const Drevak& walk(std::span<const std::string_view> components) const;
};

} // namespace drevak
