#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "image/icon.h"
#include "system/win32.h"

namespace tavrin::image {

// Looks pictures up on a thread of its own, so that a file the shell is slow to read (a
// network share gone to sleep, a large program) never holds up the window that shows them.
// Whenever found pictures wait and none waited before, the window is posted the message with
// this loader's serial in wParam; it then takes them. Pictures are looked up in order.
class IconLoader {
public:
    // Runs on the loader's thread: it must use only what it captured by value. A look-up that
    // raises or finds nothing leaves that picture out.
    using LookUp = std::function<Icon()>;
    using Found = std::pair<std::size_t, Icon>;

    IconLoader(HWND window, UINT message, std::vector<LookUp> lookUps);
    IconLoader(const IconLoader&) = delete;
    IconLoader& operator=(const IconLoader&) = delete;
    // Does not wait: a look-up under way ends on its own and what it finds is destroyed.
    ~IconLoader();

    // Waits, at most the time given, until no loader's thread is looking a picture up any more:
    // the program calls it before it ends, so that no look-up runs on while the process takes
    // down what the look-ups use.
    static void waitForAll(DWORD milliseconds) noexcept;

    // Whether the message with this wParam came from this loader (an older loader's message
    // may still be queued).
    bool sent(WPARAM serial) const noexcept { return serial == serial_; }
    // The pictures found since the last call, each with its place among the look-ups.
    std::vector<Found> take();

    // What the loader and its thread share.
    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
    WPARAM serial_;
};

} // namespace tavrin::image
