#include "utility/expansion.h"

namespace tavrin::utility {

std::wstring expandBy(const std::wstring& source, const ExpandCall& expand) {
    // Another thread may keep changing the environment; a few retries are plenty.
    constexpr int attempts = 4;
    std::size_t needed = expand(source.c_str(), nullptr, 0);
    for (int attempt = 0; attempt < attempts && needed > 0; ++attempt) {
        std::wstring expanded(needed, L'\0');
        const std::size_t written = expand(source.c_str(), expanded.data(), needed);
        if (written == 0) {
            break;
        }
        if (written <= needed) {
            expanded.resize(written - 1);
            return expanded;
        }
        needed = written;
    }
    return source;
}

} // namespace tavrin::utility
