#pragma once

#include <string>
#include <string_view>

#include "system/win32.h"

namespace tavrin {

// One launcher per data folder: two launchers on the same files would each write them at the
// end and the last one would silently undo the other's changes.
//
// The claim is a named mutex, found by the data folder and not by the window's class (every
// window of the toolkit shares that class); a file mapping beside it holds the running
// launcher's main window, so that a later start can call it forward.
class SingleInstance {
public:
    // Claims the data folder for this process, or finds that another process holds it.
    explicit SingleInstance(std::wstring_view dataFolder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process holds the data folder.
    bool first() const noexcept { return first_; }
    // The first process tells later starts where its window is.
    void publish(HWND window) noexcept;
    // A later start lets the running launcher take the foreground and sends it message. It
    // waits a little for a launcher that is still starting to publish its window; false when
    // no window turned up.
    bool callForward(UINT message) const noexcept;

private:
    HANDLE mutex_ = nullptr;
    HANDLE mapping_ = nullptr;
    bool first_ = false;
};

// The object names of a data folder: "Local\Tavrin-" and a hash of the folder's full,
// lower-cased path without trailing backslashes, so that spellings of one folder agree.
std::wstring instanceName(std::wstring_view dataFolder);

} // namespace tavrin
