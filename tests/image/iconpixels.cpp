#include "iconpixels.h"

#include <algorithm>
#include <stdexcept>

#include "system/unicode.h"

namespace tavrin::imagetest {

std::wstring windowsPath(std::string_view buildPath) {
    std::wstring path = system::toWide(buildPath);
    if (path.starts_with(L"/")) {
        std::replace(path.begin(), path.end(), L'/', L'\\');
        path = L"Z:" + path;
    }
    return path;
}

std::vector<std::uint32_t> drawnPixels(HICON icon, int size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC canvas = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HBITMAP bitmap = CreateDIBSection(canvas, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (canvas == nullptr || bitmap == nullptr) {
        throw std::runtime_error("no drawing surface");
    }
    HGDIOBJ previous = SelectObject(canvas, bitmap);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    std::fill(pixels, pixels + size * size, 0x00FF00FFu);
    const bool drawn = DrawIconEx(canvas, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::vector<std::uint32_t> result(pixels, pixels + size * size);
    SelectObject(canvas, previous);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    if (!drawn) {
        throw std::runtime_error("DrawIconEx failed");
    }
    return result;
}

int iconWidth(HICON icon) {
    ICONINFO parts{};
    if (!GetIconInfo(icon, &parts)) {
        return 0;
    }
    BITMAP bitmap{};
    GetObjectW(parts.hbmColor ? parts.hbmColor : parts.hbmMask, sizeof bitmap, &bitmap);
    if (parts.hbmColor) {
        DeleteObject(parts.hbmColor);
    }
    DeleteObject(parts.hbmMask);
    return bitmap.bmWidth;
}

std::vector<std::uint32_t> filePixels(const std::wstring& icoFile, int size) {
    auto icon = static_cast<HICON>(
        LoadImageW(nullptr, icoFile.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
    if (icon == nullptr) {
        throw std::runtime_error("cannot load " + system::toUtf8(icoFile));
    }
    std::vector<std::uint32_t> pixels = drawnPixels(icon, size);
    DestroyIcon(icon);
    return pixels;
}

} // namespace tavrin::imagetest
