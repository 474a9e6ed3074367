#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace dvk::test {

// What one in-process run of the tool produced.
struct Outcome {
    int exitCode;
    std::string out;
    std::string err;
};

// Each test gets a fresh folder under the temporary folder, removed afterwards.
class DvkTest : public ::testing::Test {
protected:
    DvkTest();
    ~DvkTest() override;

    // The UTF-8 path of a file in the test's folder, as the tool takes paths.
    std::string path(std::string_view name) const;
    std::filesystem::path nativePath(std::string_view name) const;
    // Plain file access that does not go through the code under test.
    std::string write(std::string_view name, std::string_view bytes) const;
    std::string bytesOf(std::string_view name) const;

    static Outcome run(std::vector<std::string> args);

private:
    std::filesystem::path folder_;
};

inline constexpr std::string_view BOM = "\xEF\xBB\xBF";

} // namespace dvk::test
