#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "system/raii.h"
#include "system/win32.h"

#include <shellapi.h>

namespace tavrin::shell {

// The files dropped onto a window (WM_DROPFILES), read once at construction; the paths are
// UTF-8, in the order the shell lists them.
class DropFile : public system::HandleRaii<HDROP> {
public:
    // When owned, the drop is finished (DragFinish) when the holder is done, or at once
    // when construction fails. DropFileException "座標取得失敗" when the drop was not in the
    // client area, "D&Dファイル取得失敗" when a path cannot be read whole.
    DropFile(HDROP drop, bool owned);
    ~DropFile() override { releaseAtEnd(); }

    // The drop point in client coordinates of the target window.
    POINT point() const noexcept { return point_; }
    std::size_t count() const noexcept { return files_.size(); }
    // DropFileException for an index at or past count().
    std::string file(std::size_t index) const;
    const std::vector<std::string>& files() const noexcept { return files_; }
    // The paths from index from up to but not including to; DropFileException unless
    // from <= to <= count().
    std::vector<std::string> slice(std::size_t from, std::size_t to) const;

protected:
    void release() override;

private:
    void read();

    std::vector<std::string> files_;
    POINT point_{};
};

} // namespace tavrin::shell
