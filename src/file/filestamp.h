#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "file/rawfile.h"

namespace tavrin::file {

// What the launcher last read from or wrote to a data file. Size and time only hint at a
// change, as sync tools touch times without changing content: the bytes decide.
class FileStamp {
public:
    // The file as it is now; a missing or unreadable file is stamped as having no bytes.
    static FileStamp of(const std::string& path);
    // The file as just written with bytes. Reading it back could take in an edit that landed
    // right after the write as the launcher's own: the next look compares the file with the
    // bytes instead.
    static FileStamp written(std::string_view bytes);

    // Whether the file holds other bytes than stamped, or is gone, right now: what must not be
    // written over. A file that cannot be read just now counts as other bytes.
    bool differs(const std::string& path);
    // Whether the file was changed and has stayed so since the last look: an editor that
    // writes in pieces is not read half way. A file that cannot be read just now (being
    // replaced, locked) counts as unchanged until a later look.
    bool changed(const std::string& path);

private:
    // None while the file is missing.
    using Hint = std::optional<FileHint>;
    static std::optional<std::size_t> hashOf(const std::string& path) noexcept;
    // Compares the bytes behind a hint that moved; when only the hint moved, the stamp takes
    // it, so the next look reads nothing.
    bool otherBytes(const std::string& path, const Hint& now, bool unreadableDiffers);

    Hint hint_;
    std::optional<std::size_t> hash_;
    // The moved hint of the last look, while a change settles.
    bool moving_ = false;
    Hint movedTo_;
};

} // namespace tavrin::file
