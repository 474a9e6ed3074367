#pragma once

#include <cstdint>
#include <string>

namespace tavrin::file {

// Settings that one start of an item uses instead of the stored ones; only those whose bit
// is set in mask count.
struct OverrideInfo {
    enum MASK : std::uint32_t {
        WORK_FOLDER = 1,
        OPTION = 2,
        SHOW = 4,
    };

    std::uint32_t mask = 0;
    std::string workFolder;
    std::string option;
    std::int32_t show = 0;
};

} // namespace tavrin::file
