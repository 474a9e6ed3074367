#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::file::fixture {

// Paths in the file layer are UTF-8 on every platform; the tests reach the same files
// through std::filesystem, which speaks the platform's own encoding.
std::string utf8(const std::filesystem::path& path);
std::filesystem::path fromUtf8(std::string_view path);

// A fresh folder under the system's temporary folder, removed with its contents.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& root() const noexcept { return root_; }
    // The UTF-8 path of an entry of the folder.
    std::string path(std::string_view name) const;
    // The names of everything in the folder (or in one of its folders), sorted.
    std::vector<std::string> names(std::string_view subfolder = {}) const;

private:
    std::filesystem::path root_;
};

// Plain binary file access that does not go through the code under test.
std::string bytesOf(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, std::string_view bytes);

// Text as an editor saves it in UTF-16: the byte-order mark, then each unit's two bytes.
std::string utf16Bytes(std::u16string_view text, bool bigEndian);

} // namespace tavrin::file::fixture
