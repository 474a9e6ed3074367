#pragma once

#include <filesystem>
#include <string>

namespace tavrin::systemtest {

// A new empty folder under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const noexcept { return path_; }
    // The folder in UTF-8, without a trailing backslash.
    std::string text() const;

private:
    std::filesystem::path path_;
};

std::string utf8(const std::filesystem::path& path);
std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);
// An environment variable as the system reports it; empty when unset.
std::wstring environment(const wchar_t* name);

inline constexpr const char* byteOrderMark = "\xEF\xBB\xBF";

} // namespace tavrin::systemtest
