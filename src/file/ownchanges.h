#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "etc/drevak/dvkdocument.h"

namespace tavrin::file {

// Writes into fresh, read from a file someone edited, the values the launcher changed in ours
// since both stood at base (the text ours was read from or last written as), so that neither
// the edit nor the launcher's own change is lost. A value the edit changed too stays as the
// edit has it. The launcher only sets values, so a value it removed is not removed again.
struct Reapplied {
    std::size_t written = 0;
    // The addresses of the values left as edited, in address order.
    std::vector<std::string> keptAsEdited;
};
Reapplied reapplyOwnChanges(std::string_view base, const drevak::DvkDocument& ours,
                            drevak::DvkDocument& fresh);

} // namespace tavrin::file
