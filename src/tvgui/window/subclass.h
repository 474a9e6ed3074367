#pragma once

#include "system/controller.h"
#include "system/raii.h"
#include "system/win32.h"

// After the Windows headers, on which it builds.
#include <commctrl.h>

namespace tavrin::tvgui {

class TvGui;

// What a class that takes over a system control's window procedure supplies: its own
// procedure, which handles what it wants and hands the rest to SubClass::callOriginal.
class ISubClass {
public:
    virtual ~ISubClass() = default;
    virtual LRESULT procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// Hooks a bound object's window into the common controls' chain of subclass procedures and
// unhooks it once. Chaining, rather than swapping the window procedure, keeps a procedure
// hooked later (tool tips that subclass their tool) working after this one is released.
// The object must implement ISubClass. WM_DESTROY goes to the object's OnDestroy and then
// down the chain, so the system control still frees what it owns; when the window is gone,
// there is nothing left to unhook.
class SubClass : public system::Raii, public system::IController {
public:
    explicit SubClass(TvGui& target);
    ~SubClass() override { releaseAtEnd(); }

    // The procedure hooked into the chain.
    SUBCLASSPROC procedure() const noexcept;
    // Installs the replacement; true when it is in place.
    bool subclass();
    bool isInstalled() const noexcept { return installed_; }
    LRESULT callOriginal(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const;

    void start() override { subclass(); }
    void stop() override { dispose(); }
    bool isRunning() const override { return isInstalled(); }

protected:
    // Unhooks the procedure; TvGuiException "サブクラス化解除失敗" when refused.
    void release() override;

private:
    static LRESULT CALLBACK replacement(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self) noexcept;
    LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    bool installed_ = false;
    TvGui& target_;
    ISubClass& handler_;
};

} // namespace tavrin::tvgui
