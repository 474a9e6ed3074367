#pragma once

#include <cstdint>

#include "tvgui/layout/layout.h"

namespace tavrin::tvgui {

// Runs a window's root layout over its client area. The window holds its manager and
// builds it with the frame metrics (at 96 DPI) as spacing; the manager needs no way back to it.
class LayoutManager : public Layout {
public:
    LayoutManager(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);

    // Not owned; null runs nothing.
    Layout* rootLayout() const { return rootLayout_; }
    void setRootLayout(Layout* root) { rootLayout_ = root; }

    // The client area of a window at the DPI changed size: the root is laid out over it less
    // margin and spacing, the far edges being reduced by the near insets once more.
    void onSize(std::int32_t width, std::int32_t height, int dpi = BASE_DPI);

protected:
    void arrange(const Rect& rect) override;

private:
    Layout* rootLayout_ = nullptr;
};

} // namespace tavrin::tvgui
