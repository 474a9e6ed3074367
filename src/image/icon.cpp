#include "image/icon.h"

#include <cstdlib>
#include <shellapi.h>
#include <string>
#include <utility>
#include <vector>

#include "image/fileiconcache.h"
#include "system/staticdata.h"
#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"
#include "utility/pathrules.h"

namespace tavrin::image {

using system::TavrinException;

namespace {

struct OwnIcon {
    const wchar_t* fileName;
    WORD resource;
};

OwnIcon ownIcon(SYSICON icon) {
    switch (icon) {
    case SYSICON::TAVRIN:
        return {L"tavrin.ico", 100};
    case SYSICON::URI:
        return {L"uri.ico", 106};
    case SYSICON::MULTI:
        return {L"multi.ico", 108};
    case SYSICON::TASKTRAY:
        return {L"tasktray.ico", 105};
    case SYSICON::FOLDER:
        return {L"folder.ico", 110};
    case SYSICON::FILE:
        return {L"file.ico", 112};
    default:
        // Only the six own values reach here; anything above them is a programming error.
        std::abort();
    }
}

bool hasExtension(std::wstring_view path, const wchar_t* extension) {
    return CompareStringOrdinal(utility::extension(path).c_str(), -1, extension, -1, TRUE) ==
           CSTR_EQUAL;
}

// The number of icons in the file; the shell answers UINT_MAX, not 0, for a file that it
// cannot read at all.
UINT iconCount(const std::wstring& path) {
    UINT count = ExtractIconExW(path.c_str(), -1, nullptr, nullptr, 0);
    return count == UINT_MAX ? 0 : count;
}

HICON extractIcon(ICONSIZE size, const std::wstring& path, int index) {
    HICON icon = nullptr;
    HICON* largeSlot = size == ICONSIZE::LARGE ? &icon : nullptr;
    HICON* smallSlot = size == ICONSIZE::SMALL ? &icon : nullptr;
    UINT extracted = ExtractIconExW(path.c_str(), index, largeSlot, smallSlot, 1);
    if (extracted == 0 || extracted == UINT_MAX) {
        return nullptr;
    }
    return icon;
}

HICON shellIcon(ICONSIZE size, const std::wstring& path) {
    SHFILEINFOW info{};
    UINT flags = SHGFI_ICON | (size == ICONSIZE::SMALL ? SHGFI_SMALLICON : SHGFI_LARGEICON);
    if (SHGetFileInfoW(path.c_str(), FILE_ATTRIBUTE_ARCHIVE, &info, sizeof info, flags) == 0) {
        throw TavrinException(L"GetFileIcon:SHGetFileInfo(" + path + L")");
    }
    return info.hIcon;
}

bool isFile(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

int pixelSize(ICONSIZE size) {
    switch (size) {
    case ICONSIZE::SMALL:
        return 16;
    case ICONSIZE::LARGE:
        return 32;
    }
    std::abort();
}

Icon::Icon(HICON held, bool owned) : HandleRaii(held, owned) {}

void Icon::release() {
    if (handle != nullptr) {
        if (!DestroyIcon(handle)) {
            raiseReleaseFailure("アイコン");
        }
        handle = nullptr;
    }
}

Icon Icon::duplicate() const {
    if (handle == nullptr) {
        return Icon();
    }
    HICON copy = DuplicateIcon(nullptr, handle);
    if (copy == nullptr) {
        throw TavrinException("Icon.duplicate:" + system::systemMessage(GetLastError()));
    }
    return Icon(copy, true);
}

namespace {

// The shell's look-up behind GetFileIcon; the handle is the caller's.
HICON lookUpFileIcon(ICONSIZE size, const std::wstring& path, int index) {
    // An icon file is read like a library: Windows' shell would show its picture as the
    // file's icon, but not every shell does, so the picture is taken from the file itself.
    bool iconSource = hasExtension(path, L"dll") || hasExtension(path, L"ico");
    bool extractable =
        iconSource || SHGetFileInfoW(path.c_str(), 0, nullptr, 0, SHGFI_EXETYPE) != 0;
    UINT count = extractable ? iconCount(path) : 0;
    // A library without icons still has the shell's icon; a program without any has none.
    if (iconSource && count == 0) {
        extractable = false;
    }
    if (!extractable) {
        return shellIcon(size, path);
    }
    // ExtractIconEx reads a negative index as a resource number, and one at the count is
    // past the last icon: both mean the first icon.
    if (index < 0 || static_cast<UINT>(index) >= count) {
        index = 0;
    }
    return extractIcon(size, path, index);
}

} // namespace

Icon GetFileIcon(ICONSIZE size, std::wstring_view pathText, int index) {
    std::wstring path(pathText);
    WIN32_FILE_ATTRIBUTE_DATA file{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &file)) {
        throw TavrinException(path + L"がない");
    }
    return Icon(FileIconCache::copyOf(path, index, pixelSize(size), file.ftLastWriteTime,
                                      [&] { return lookUpFileIcon(size, path, index); }),
                true);
}

Icon GetSystemIcon(ICONSIZE size, SYSICON icon, int dpi) {
    const int pixels = MulDiv(pixelSize(size), dpi, 96);
    if (icon < SYSICON::TAVRIN) {
        auto stock = static_cast<HICON>(
            LoadImageW(nullptr, MAKEINTRESOURCEW(icon), IMAGE_ICON, pixels, pixels, LR_SHARED));
        if (stock == nullptr) {
            throw TavrinException("GetSystemIcon:LoadIcon");
        }
        return Icon(stock, false);
    }
    OwnIcon own = ownIcon(icon);
    std::wstring path = utility::addBackslash(system::toWide(system::StaticData::ResourceFolder()));
    path += own.fileName;
    if (isFile(path)) {
        return GetFileIcon(size, path, 0);
    }
    // The built-in icon; a failure leaves the holder without a handle, as callers draw
    // nothing rather than stop for a missing picture.
    auto builtIn =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(own.resource),
                                      IMAGE_ICON, pixels, pixels, LR_SHARED));
    return Icon(builtIn, false);
}

Icon blankIcon(int pixels) {
    // A monochrome icon whose mask keeps every screen pixel and whose image adds nothing.
    const int rowBytes = ((pixels + 15) / 16) * 2;
    const std::vector<BYTE> keep(static_cast<std::size_t>(rowBytes * pixels), 0xFF);
    const std::vector<BYTE> nothing(keep.size(), 0x00);
    HICON blank = CreateIcon(nullptr, pixels, pixels, 1, 1, keep.data(), nothing.data());
    if (blank == nullptr) {
        throw TavrinException("blankIcon:" + system::systemMessage(GetLastError()));
    }
    return Icon(blank, true);
}

} // namespace tavrin::image
