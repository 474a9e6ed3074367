#pragma once

#include <string>
#include <vector>

#include "system/tavrinerrors.h"
#include "system/win32.h"
#include "tvgui/draw/canvas.h"

namespace tavrin::tvgui::test {

// The message of what raise throws, or "" when it throws nothing.
template <typename Raise> std::string failureOf(Raise&& raise) {
    try {
        raise();
    } catch (const system::TavrinThrowable& failure) {
        return failure.message();
    }
    return "";
}

// Pixels per logical inch of the screen, vertically.
inline int screenDpiY() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// Every pixel of the canvas's width x height, row by row.
inline std::vector<COLORREF> pixelsOf(const Canvas& canvas, int width, int height) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(GetPixel(canvas.get(), x, y));
        }
    }
    return pixels;
}

// How many of them differ from colour.
inline std::size_t pixelsOtherThan(const std::vector<COLORREF>& pixels, COLORREF color) {
    std::size_t count = 0;
    for (COLORREF pixel : pixels) {
        count += pixel != color ? 1 : 0;
    }
    return count;
}

} // namespace tavrin::tvgui::test
