#include "testfiles.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "system/unicode.h"
#include "system/win32.h"

namespace tavrin::systemtest {

TempFolder::TempFolder() {
    static std::atomic<int> counter;
    path_ = std::filesystem::temp_directory_path() /
            (L"tavrin-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(++counter));
    std::filesystem::create_directories(path_);
}

namespace {

// The standard library's removal stops at the classic path limit; the long form of the
// path reaches any depth.
void removeTree(const std::wstring& longPath) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((longPath + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring child = longPath + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(child);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(longPath.c_str());
}

} // namespace

TempFolder::~TempFolder() {
    removeTree(L"\\\\?\\" + path_.wstring());
}

std::string TempFolder::text() const {
    return utf8(path_);
}

std::string utf8(const std::filesystem::path& path) {
    return system::toUtf8(path.wstring());
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + utf8(path));
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + utf8(path));
    }
}

std::wstring environment(const wchar_t* name) {
    std::wstring value(256, L'\0');
    for (;;) {
        const DWORD length =
            GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
        if (length < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(length);
    }
}

} // namespace tavrin::systemtest
