#pragma once

#include "system/win32.h"

namespace tavrin::tvgui {

// The styles every common control shares: where it docks in its parent and how it sizes
// itself there. A multi-bit style (bottom, left, no-move-x, right) reads as set only when all
// its bits are set, and clearing it clears all of them.
class ICommonControl {
public:
    bool top() const;
    LONG_PTR top(bool on);
    bool noMoveY() const;
    LONG_PTR noMoveY(bool on);
    bool bottom() const;
    LONG_PTR bottom(bool on);
    bool noResize() const;
    LONG_PTR noResize(bool on);
    bool noParentAlign() const;
    LONG_PTR noParentAlign(bool on);
    bool adjustable() const;
    LONG_PTR adjustable(bool on);
    bool noDivider() const;
    LONG_PTR noDivider(bool on);
    bool vertical() const;
    LONG_PTR vertical(bool on);
    bool left() const;
    LONG_PTR left(bool on);
    bool noMoveX() const;
    LONG_PTR noMoveX(bool on);
    bool right() const;
    LONG_PTR right(bool on);

protected:
    ~ICommonControl() = default;

    // The control whose styles these are.
    virtual HWND commonControl() const = 0;

private:
    bool has(LONG_PTR bits) const;
    LONG_PTR put(LONG_PTR bits, bool on);
};

} // namespace tavrin::tvgui
