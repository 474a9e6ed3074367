#include "file/filestamp.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <limits>

namespace tavrin::file {

namespace {

// A hint no file has, so that the next look reads the bytes.
constexpr FileHint NOT_LOOKED_AT{std::numeric_limits<std::uint64_t>::max(),
                                 std::numeric_limits<std::int64_t>::min()};

} // namespace

FileStamp FileStamp::of(const std::string& path) {
    FileStamp stamp;
    stamp.hint_ = fileHint(path);
    stamp.hash_ = hashOf(path);
    return stamp;
}

FileStamp FileStamp::written(std::string_view bytes) {
    FileStamp stamp;
    stamp.hint_ = NOT_LOOKED_AT;
    stamp.hash_ = std::hash<std::string_view>{}(bytes);
    return stamp;
}

bool FileStamp::differs(const std::string& path) {
    const Hint now = fileHint(path);
    return now != hint_ && otherBytes(path, now, true);
}

bool FileStamp::changed(const std::string& path) {
    const Hint now = fileHint(path);
    if (now == hint_) {
        moving_ = false;
        return false;
    }
    if (!moving_ || movedTo_ != now) {
        moving_ = true;
        movedTo_ = now;
        return false;
    }
    return otherBytes(path, now, false);
}

bool FileStamp::otherBytes(const std::string& path, const Hint& now, bool unreadableDiffers) {
    if (!now) {
        return hint_.has_value();
    }
    const std::optional<std::size_t> hash = hashOf(path);
    if (!hash) {
        return unreadableDiffers;
    }
    if (*hash != hash_) {
        return true;
    }
    hint_ = now;
    moving_ = false;
    return false;
}

std::optional<std::size_t> FileStamp::hashOf(const std::string& path) noexcept {
    try {
        return std::hash<std::string_view>{}(readFile(path));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace tavrin::file
