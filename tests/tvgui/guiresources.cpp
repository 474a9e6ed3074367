#include "guiresources.h"

#include <cstdint>
#include <sstream>

namespace tavrin::tvgui::test {

GuiObjectCounts guiObjectCounts() {
    HANDLE process = GetCurrentProcess();
    return {GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS)};
}

bool gdiObjectAlive(const void* handle) {
    return GetObjectType(const_cast<void*>(handle)) != 0;
}

GuiResourceProbe::GuiResourceProbe() : before(guiObjectCounts()) {}

void GuiResourceProbe::watch(const void* handle, IsAlive isAlive) {
    handles.emplace_back(handle, isAlive);
}

testing::AssertionResult GuiResourceProbe::nothingLeft() const {
    std::ostringstream left;
    if (counted()) {
        const GuiObjectCounts after = guiObjectCounts();
        if (after != before) {
            left << "GDI objects " << before.gdi << " -> " << after.gdi << ", USER objects "
                 << before.user << " -> " << after.user << "; ";
        }
    }
    std::size_t alive = 0;
    for (const auto& [handle, isAlive] : handles) {
        if (isAlive(handle)) {
            if (alive == 0) {
                left << "alive: ";
            }
            if (alive < 5) {
                left << std::hex << reinterpret_cast<std::uintptr_t>(handle) << std::dec << ' ';
            }
            ++alive;
        }
    }
    if (alive > 0) {
        left << "(" << alive << " of " << handles.size() << " watched handles)";
    }
    const std::string text = left.str();
    if (text.empty()) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << text;
}

} // namespace tavrin::tvgui::test
