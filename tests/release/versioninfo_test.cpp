#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "system/win32.h"

namespace tavrin::release::test {
namespace {

struct Binary {
    const wchar_t* path;
    const wchar_t* fileName;
    const wchar_t* description;
    DWORD fileType;
};

std::wstring widened(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

// The project's version as the four numbers of a version block.
std::vector<WORD> versionNumbers() {
    std::vector<WORD> numbers;
    std::istringstream parts(PROJECT_VERSION);
    for (std::string part; std::getline(parts, part, '.');) {
        numbers.push_back(static_cast<WORD>(std::stoi(part)));
    }
    numbers.resize(4);
    return numbers;
}

class VersionBlock {
public:
    explicit VersionBlock(const wchar_t* path) {
        DWORD ignored = 0;
        block_.resize(GetFileVersionInfoSizeW(path, &ignored));
        if (block_.empty() ||
            !GetFileVersionInfoW(path, 0, static_cast<DWORD>(block_.size()), block_.data())) {
            block_.clear();
        }
    }

    bool empty() const { return block_.empty(); }

    const VS_FIXEDFILEINFO* fixed() const {
        return static_cast<const VS_FIXEDFILEINFO*>(query(L"\\"));
    }

    // A string of the block's first language, empty when it has none by that name.
    std::wstring text(const std::wstring& name) const {
        const auto* translation = static_cast<const WORD*>(query(L"\\VarFileInfo\\Translation"));
        if (translation == nullptr) {
            return {};
        }
        wchar_t key[64];
        swprintf(key, 64, L"\\StringFileInfo\\%04x%04x\\%ls", translation[0], translation[1],
                 name.c_str());
        const auto* value = static_cast<const wchar_t*>(query(key));
        return value ? value : L"";
    }

private:
    const void* query(const wchar_t* key) const {
        void* value = nullptr;
        UINT length = 0;
        return VerQueryValueW(block_.data(), key, &value, &length) && length > 0 ? value : nullptr;
    }

    std::vector<BYTE> block_;
};

TEST(VersionInfo, EachBinaryCarriesTheProjectVersionAndNamesItself) {
    const Binary binaries[] = {
        {L"" TAVRIN_EXE, L"tavrin.exe", L"Tavrin application launcher", VFT_APP},
        {L"" DVK_EXE, L"dvk.exe", L"Tavrin data-file tool", VFT_APP},
        {L"" HOOKER_DLL, L"Hooker.dll", L"Tavrin mouse hook library", VFT_DLL},
    };
    const std::vector<WORD> numbers = versionNumbers();
    const std::wstring version = widened(PROJECT_VERSION);
    for (const Binary& binary : binaries) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(binary.fileName)));
        const VersionBlock block(binary.path);
        ASSERT_FALSE(block.empty()) << GetLastError();
        const VS_FIXEDFILEINFO* fixed = block.fixed();
        ASSERT_NE(fixed, nullptr);
        EXPECT_EQ(fixed->dwSignature, VS_FFI_SIGNATURE);
        EXPECT_EQ(fixed->dwFileType, binary.fileType);
        for (const DWORD pair : {fixed->dwFileVersionMS, fixed->dwProductVersionMS}) {
            EXPECT_EQ(std::vector<WORD>({HIWORD(pair), LOWORD(pair)}),
                      std::vector<WORD>(numbers.begin(), numbers.begin() + 2));
        }
        for (const DWORD pair : {fixed->dwFileVersionLS, fixed->dwProductVersionLS}) {
            EXPECT_EQ(std::vector<WORD>({HIWORD(pair), LOWORD(pair)}),
                      std::vector<WORD>(numbers.begin() + 2, numbers.end()));
        }
        EXPECT_EQ(block.text(L"FileVersion"), version);
        EXPECT_EQ(block.text(L"ProductVersion"), version);
        EXPECT_EQ(block.text(L"ProductName"), L"Tavrin");
        EXPECT_EQ(block.text(L"OriginalFilename"), binary.fileName);
        EXPECT_EQ(block.text(L"FileDescription"), binary.description);
        EXPECT_NE(block.text(L"LegalCopyright").find(L"The Tavrin developers"), std::wstring::npos);
    }
}

} // namespace
} // namespace tavrin::release::test
