#include "dvktest.h"

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "dvk/dvkcli.h"

namespace dvk::test {

DvkTest::DvkTest() {
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        folder_ = base / ("dvk-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(folder_)) {
            return;
        }
    }
    throw std::runtime_error("no fresh temporary folder");
}

DvkTest::~DvkTest() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::filesystem::path DvkTest::nativePath(std::string_view name) const {
    return folder_ / std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::string DvkTest::path(std::string_view name) const {
    const std::u8string text = nativePath(name).u8string();
    return {text.begin(), text.end()};
}

std::string DvkTest::write(std::string_view name, std::string_view bytes) const {
    std::ofstream file(nativePath(name), std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
        throw std::runtime_error("cannot write a test file");
    }
    return path(name);
}

std::string DvkTest::bytesOf(std::string_view name) const {
    std::ifstream file(nativePath(name), std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read a test file");
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

Outcome DvkTest::run(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = runDvk(args, out, err);
    return {exitCode, out.str(), err.str()};
}

} // namespace dvk::test
