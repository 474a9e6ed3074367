#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tavrin::file {

// A file-system failure: what() names the operation, the path and the system's reason.
// A file that was read but holds no text raises it too, with system code 0.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& message, std::string path, int systemCode);
    const std::string& path() const noexcept { return path_; }
    int systemCode() const noexcept { return systemCode_; }

private:
    std::string path_;
    int systemCode_;
};

// Paths are UTF-8 everywhere; the Windows implementation converts them to UTF-16.

// True only when nothing exists at the path (its folder or the file itself is missing).
// Other failures to look (access denied, bad name) are not "missing": they raise FileError.
bool fileMissing(const std::string& path);

// A file's size and last write time, the time in the platform's finest unit; none when the
// file is missing or cannot be looked at.
struct FileHint {
    std::uint64_t size = 0;
    std::int64_t time = 0;
    bool operator==(const FileHint&) const = default;
};
std::optional<FileHint> fileHint(const std::string& path) noexcept;

// The whole file. Raises FileError when it cannot be opened or read.
std::string readFile(const std::string& path);

// Writes a temporary file in the same folder, flushes it to disk, then replaces the
// target in one step. On failure the target is untouched, the temporary file removed,
// and FileError raised.
void replaceFile(const std::string& path, std::string_view bytes);

// A file's new content.
struct FileContent {
    std::string path;
    std::string bytes;
};

// Replaces the files together, so that a failure part way leaves no mix of old and new: every
// content is written to a temporary file beside its target first, then the targets are
// replaced one by one, each old file kept as a backup. When a replacement fails, the files
// already replaced get their old files back, those that did not exist are removed, and
// FileError names the file that could not be replaced and the system's reason. No temporary
// or backup file is left, except a backup that could not be put back (the error names it).
void replaceFiles(std::span<const FileContent> files);

} // namespace tavrin::file
