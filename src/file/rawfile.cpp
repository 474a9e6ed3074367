#include "file/rawfile.h"
#include "file/rawfilesteps.h"

#include <charconv>
#include <utility>

namespace tavrin::file {

FileError::FileError(const std::string& message, std::string path, int systemCode)
    : std::runtime_error(message), path_(std::move(path)), systemCode_(systemCode) {}

namespace steps {

std::optional<std::uint32_t> temporaryOwner(std::string_view targetName, std::string_view name) {
    constexpr std::string_view end = ".tmp";
    if (name.size() <= targetName.size() + 1 + end.size() || !name.starts_with(targetName) ||
        name[targetName.size()] != '.' || !name.ends_with(end)) {
        return std::nullopt;
    }
    const std::string_view digits =
        name.substr(targetName.size() + 1, name.size() - targetName.size() - 1 - end.size());
    std::uint32_t owner = 0;
    const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), owner);
    // The id is written without leading zeros: "01" came from someone else.
    if (error != std::errc() || stop != digits.data() + digits.size() || owner == 0 ||
        digits.front() == '0') {
        return std::nullopt;
    }
    return owner;
}

} // namespace steps

} // namespace tavrin::file
