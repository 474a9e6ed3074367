#pragma once

#include "system/win32.h"

namespace tavrin::tvgui {

enum class HORIZON_ALIGN { LEFT, CENTER, RIGHT };
enum class VERTICAL_ALIGN { TOP, CENTER, BOTTOM };

// Each setter gives back the style long it replaced.

class IHorizonAlign {
public:
    virtual HORIZON_ALIGN horizonAlign() const = 0;
    virtual LONG_PTR horizonAlign(HORIZON_ALIGN align) = 0;

protected:
    ~IHorizonAlign() = default;
};

class IVerticalAlign {
public:
    virtual VERTICAL_ALIGN verticalAlign() const = 0;
    virtual LONG_PTR verticalAlign(VERTICAL_ALIGN align) = 0;

protected:
    ~IVerticalAlign() = default;
};

// Whether the control tells its owner about clicks and focus changes.
class INotify {
public:
    virtual bool notify() const = 0;
    virtual LONG_PTR notify(bool on) = 0;

protected:
    ~INotify() = default;
};

// Whether the owner paints the control; a multi-bit style reads as set only when all its bits
// are.
class IOwnerDraw {
public:
    virtual bool ownerDraw() const = 0;
    virtual LONG_PTR ownerDraw(bool on) = 0;

protected:
    ~IOwnerDraw() = default;
};

// Whether the selection stays visible while the control has no focus.
class INoHideSelect {
public:
    virtual bool noHideSelect() const = 0;
    virtual LONG_PTR noHideSelect(bool on) = 0;

protected:
    ~INoHideSelect() = default;
};

} // namespace tavrin::tvgui
