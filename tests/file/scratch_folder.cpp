#include "scratch_folder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

namespace tavrin::file::fixture {

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::filesystem::path fromUtf8(std::string_view path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

ScratchFolder::ScratchFolder() {
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        root_ = base / ("tavrin-file-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(root_)) {
            return;
        }
    }
    throw std::runtime_error("no fresh folder under " + utf8(base));
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::string ScratchFolder::path(std::string_view name) const {
    return utf8(root_ / fromUtf8(name));
}

std::vector<std::string> ScratchFolder::names(std::string_view subfolder) const {
    std::vector<std::string> result;
    for (const auto& entry : std::filesystem::directory_iterator(root_ / fromUtf8(subfolder))) {
        result.push_back(utf8(entry.path().filename()));
    }
    std::sort(result.begin(), result.end());
    return result;
}

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + utf8(path));
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + utf8(path));
    }
}

std::string utf16Bytes(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    for (const char16_t unit : std::u16string(1, u'\uFEFF') + std::u16string(text)) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

} // namespace tavrin::file::fixture
