#pragma once

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "system/win32.h"

namespace tavrin::tvgui::test {

// This process's GDI and USER objects as the system counts them. Wine counts nothing and
// answers 0 for both.
struct GuiObjectCounts {
    DWORD gdi = 0;
    DWORD user = 0;

    friend bool operator==(const GuiObjectCounts&, const GuiObjectCounts&) = default;
};
GuiObjectCounts guiObjectCounts();

// Whether a GDI object handle still names a live object.
bool gdiObjectAlive(const void* handle);

// Tells whether a loop that makes and frees GUI objects left any behind. Where the system
// counts a process's objects, the counts after the loop must equal those before it. Every
// handle the loop reports through watch must be dead afterwards as well: that is the whole
// check under Wine, which counts nothing. A freed handle's number can come back for a new
// object, so watch only handles that the loop itself frees.
class GuiResourceProbe {
public:
    using IsAlive = bool (*)(const void* handle);

    // Takes the counts before the loop.
    GuiResourceProbe();

    void watch(const void* handle, IsAlive isAlive);
    void watchGdi(const void* object) { watch(object, gdiObjectAlive); }

    // Whether the system counts objects, so that the counts are compared too.
    bool counted() const noexcept { return before.gdi != 0 || before.user != 0; }
    std::size_t watched() const noexcept { return handles.size(); }

    // Success when nothing is left; otherwise what is.
    testing::AssertionResult nothingLeft() const;

private:
    GuiObjectCounts before;
    std::vector<std::pair<const void*, IsAlive>> handles;
};

} // namespace tavrin::tvgui::test
