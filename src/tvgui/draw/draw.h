#pragma once

#include <string_view>
#include <utility>

#include "system/log.h"
#include "system/raii.h"
#include "system/tavrinerrors.h"
#include "system/win32.h"

namespace tavrin::tvgui {

// Base of every drawing object: a native handle and whether this holder frees it. Objects
// over stock or shared handles hold them without owning them and never free them.
//
// A refused release raises from dispose() and leaves the handle held; in a destructor it is
// written to the log instead, as a destructor must not throw.
template <typename H> class Draw : public system::HandleRaii<H> {
public:
    // Whether disposing or destroying this holder frees the handle.
    virtual bool owns() const noexcept { return this->isAlive(); }

protected:
    Draw() = default;
    Draw(H held, bool owned) : system::HandleRaii<H>(held, owned) {}
    Draw(Draw&&) noexcept = default;
    Draw& operator=(Draw&&) = default;

    // For the concrete holder's destructor: a refused release is written to the log.
    void releaseAtEndLogged() noexcept { this->releaseAtEnd(system::logRefusedRelease); }
};

// Drawing objects freed with DeleteObject: fonts, pens, brushes and bitmaps.
template <typename H> class GdiObject : public Draw<H> {
protected:
    using Draw<H>::Draw;
    GdiObject(GdiObject&&) noexcept = default;
    GdiObject& operator=(GdiObject&&) = default;

    // The kind word of the release failure.
    virtual std::string_view kind() const noexcept = 0;

    void release() override;
};

template <typename H> void GdiObject<H>::release() {
    if (!DeleteObject(this->handle)) {
        this->raiseReleaseFailure(kind());
    }
    this->handle = nullptr;
}

} // namespace tavrin::tvgui
