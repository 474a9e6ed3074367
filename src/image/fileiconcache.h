#pragma once

#include <functional>
#include <string>

#include "system/win32.h"

namespace tavrin::image {

// The pictures of files looked up before, by path, icon index, size and the file's last
// change, so that the many items of one program ask the shell once (the shell takes a good
// part of a launcher's start for each picture); a file changed since is looked up anew.
// Holds at most LIMIT pictures and forgets them all when full. Safe across threads.
class FileIconCache {
public:
    static constexpr std::size_t LIMIT = 512;

    // A copy of the cached picture, or of the one lookUp gives (which the cache then owns);
    // what lookUp raises passes, and nothing is kept. Null when the file has no picture (lookUp
    // gave none, which is not kept) or the copy cannot be made.
    static HICON copyOf(const std::wstring& path, int index, int pixels, const FILETIME& changed,
                        const std::function<HICON()>& lookUp);
};

} // namespace tavrin::image
