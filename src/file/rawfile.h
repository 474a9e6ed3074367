#pragma once

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

// The whole file. Raises FileError when it cannot be opened or read.
std::string readFile(const std::string& path);

// Writes a temporary file in the same folder, flushes it to disk, then replaces the
// target in one step. On failure the target is untouched, the temporary file removed,
// and FileError raised.
void replaceFile(const std::string& path, std::string_view bytes);

} // namespace tavrin::file
