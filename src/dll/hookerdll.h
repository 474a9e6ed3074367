#pragma once

#include <cstdint>
#include <string>

#include "dll/tavrindll.h"
#include "system/controller.h"
#include "system/win32.h"

namespace tavrin::dll {

// The hook library: while started, it posts the window HOOK_MOUSE for each mouse event
// anywhere on the desktop.
class HookerDLL final : public TavrinDLL, public system::IController {
public:
    // The library at StaticData's hook library path.
    explicit HookerDLL(HWND window);
    // Raises TavrinException when the library does not load or lacks an export it needs.
    HookerDLL(const std::string& path, HWND window);
    ~HookerDLL() override;

    // Hooks; raises TavrinException with the system's reason when the library refuses.
    // Starting a started hook changes nothing.
    void start() override;
    void stop() override { unhook(); }
    bool isRunning() const override { return hook_ != nullptr; }

    // The library's answer; false when nothing was hooked.
    bool unhook();

protected:
    // The hook goes before the library that runs it.
    void release() override;

private:
    using RegistHook = HHOOK(HANDLE window, int kind, std::uint32_t message);
    using UnRegistHook = bool();

    RegistHook* registHook_;
    UnRegistHook* unRegistHook_;
    HWND window_;
    HHOOK hook_ = nullptr;
};

} // namespace tavrin::dll
