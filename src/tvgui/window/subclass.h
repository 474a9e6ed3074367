#pragma once

#include "system/controller.h"
#include "system/raii.h"
#include "system/win32.h"

namespace tavrin::tvgui {

class TvGui;

// What a class that takes over a system control's window procedure supplies: its own
// procedure, which handles what it wants and hands the rest to SubClass::callOriginal.
class ISubClass {
public:
    virtual ~ISubClass() = default;
    virtual LRESULT procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// Replaces the window procedure of a bound object's window and puts the old one back once.
// The object must implement ISubClass. WM_DESTROY goes to the object's OnDestroy and then to
// the replaced procedure, so the system control still frees what it owns; when the window is
// gone, there is nothing left to put back.
class SubClass : public system::Raii, public system::IController {
public:
    explicit SubClass(TvGui& target);
    ~SubClass() override { releaseAtEnd(); }

    // The replacement procedure.
    WNDPROC procedure() const noexcept;
    // Installs the replacement; true when it is in place.
    bool subclass();
    bool isInstalled() const noexcept { return previous_ != nullptr; }
    LRESULT callOriginal(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const;

    void start() override { subclass(); }
    void stop() override { dispose(); }
    bool isRunning() const override { return isInstalled(); }

protected:
    // Puts the replaced procedure back; TvGuiException "サブクラス化解除失敗" when refused.
    void release() override;

private:
    static LRESULT CALLBACK replacement(HWND hwnd, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept;
    LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC previous_ = nullptr;
    TvGui& target_;
    ISubClass& handler_;
};

} // namespace tavrin::tvgui
