#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "system/win32.h"

namespace tavrin {

// One launcher per data folder: two launchers on the same files would each write them at the
// end and the last one would silently undo the other's changes.
//
// The claim is a named mutex, found by the data folder and not by the window's class (every
// window of the toolkit shares that class); a file mapping beside it holds the running
// launcher's main window, so that a later start can call it forward. Any program of the user
// can make objects of those names or write into the mapping: a name held by something else
// never keeps the launcher from starting, and a later start calls only a window of this very
// program.
class SingleInstance {
public:
    // Claims the data folder for this process, or finds that another process holds it.
    explicit SingleInstance(std::wstring_view dataFolder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process holds the data folder, or runs without a claim because the
    // objects could not be made.
    bool first() const noexcept { return first_; }
    // Why the objects could not be made, for the log; empty when they were.
    const std::string& trouble() const noexcept { return trouble_; }
    // The first process tells later starts where its window is.
    void publish(HWND window) noexcept;
    // A later start lets the running launcher take the foreground and sends it message. It
    // waits a little for a launcher that is still starting to publish its window; false when
    // no window turned up, or the one named belongs to another program.
    bool callForward(UINT message) const noexcept;

private:
    HANDLE mutex_ = nullptr;
    HANDLE mapping_ = nullptr;
    bool first_ = false;
    std::string trouble_;
};

// The final path of an existing file or folder (drive mappings, substituted drives, junctions
// and short names resolved, as "C:\..." or "\\server\share\..."); nothing when it cannot be
// opened.
using FinalPath = std::function<std::optional<std::wstring>(const std::wstring& path)>;
std::optional<std::wstring> finalPathOf(const std::wstring& path);

// The key of a data folder: the final path of its deepest existing folder, followed by the
// rest as written (the folder may not exist yet), lower-cased, without trailing backslashes.
std::wstring instanceKey(std::wstring_view dataFolder, const FinalPath& finalPath = finalPathOf);

// The object names of a data folder: "Local\Tavrin-" and a hash of its key, so that every
// spelling of one folder agrees.
std::wstring instanceName(std::wstring_view dataFolder);

} // namespace tavrin
