#include "file/ownchanges.h"

#include <map>
#include <span>

#include "etc/drevak/convert.h"
#include "file/datafile.h"

namespace tavrin::file {
namespace {

using drevak::Convert;

// The value lines of a document's text by address; comments are no values.
using ValueLines = std::map<std::string, std::string, std::less<>>;

ValueLines valueLines(std::string_view text) {
    ValueLines values;
    for (const std::string_view line : splitLines(text)) {
        if (const auto parts = Convert::readDataLine(line)) {
            values.emplace(parts->address, line);
        }
    }
    return values;
}

std::string_view lineAt(const ValueLines& values, std::string_view address) {
    const auto found = values.find(address);
    return found == values.end() ? std::string_view() : std::string_view(found->second);
}

} // namespace

Reapplied reapplyOwnChanges(std::string_view base, const drevak::DvkDocument& ours,
                            drevak::DvkDocument& fresh) {
    const ValueLines before = valueLines(base);
    const ValueLines edited = valueLines(fresh.toString());
    Reapplied result;
    for (const auto& [address, line] : valueLines(ours.toString())) {
        const std::string_view original = lineAt(before, address);
        if (line == original) {
            continue;
        }
        const std::string_view now = lineAt(edited, address);
        if (now == original) {
            const std::string_view change = line;
            fresh.LoadWithReasons(false, std::span(&change, 1));
            ++result.written;
        } else if (now != line) {
            result.keptAsEdited.push_back(address);
        }
    }
    return result;
}

} // namespace tavrin::file
