#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "etc/drevak/dvkdocument.h"

namespace tavrin::file::fixture {

// An items document from its lines ("Item/edit\Editor", "Item/edit/Type:0", ...).
inline drevak::DvkDocument itemsDocument(const std::vector<std::string>& lines) {
    return drevak::DvkDocument(std::span<const std::string>(lines));
}

// A node's type character and value text as its line shows them; "(none)" when the node is
// missing.
inline std::string valueAt(const drevak::Drevak& document, std::string_view address) {
    return document.HaveChild(address) ? document.GetChild(address).toString() : "(none)";
}

} // namespace tavrin::file::fixture
