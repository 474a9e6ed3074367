#include "shell/dropfile.h"

#include "system/tavrinerrors.h"
#include "system/unicode.h"

namespace tavrin::shell {

using system::DropFileException;

DropFile::DropFile(HDROP drop, bool owned) : HandleRaii(drop) {
    alive = owned && drop != nullptr;
    try {
        read();
    } catch (...) {
        // Nobody else will finish a drop that was handed over.
        releaseAtEnd();
        throw;
    }
}

void DropFile::read() {
    if (!DragQueryPoint(handle, &point_)) {
        throw DropFileException("座標取得失敗");
    }
    const UINT count = DragQueryFileW(handle, 0xFFFFFFFF, nullptr, 0);
    files_.reserve(count);
    for (UINT index = 0; index < count; ++index) {
        const UINT length = DragQueryFileW(handle, index, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        if (DragQueryFileW(handle, index, path.data(), length + 1) != length) {
            throw DropFileException("D&Dファイル取得失敗");
        }
        path.resize(length);
        files_.push_back(system::toUtf8(path));
    }
}

void DropFile::release() {
    DragFinish(handle);
    handle = nullptr;
}

std::string DropFile::file(std::size_t index) const {
    if (index >= files_.size()) {
        throw DropFileException("D&Dファイル番号範囲外(" + std::to_string(index) + "/" +
                                std::to_string(files_.size()) + ")");
    }
    return files_[index];
}

std::vector<std::string> DropFile::slice(std::size_t from, std::size_t to) const {
    if (from > to || to > files_.size()) {
        throw DropFileException("D&Dファイル範囲不正(" + std::to_string(from) + ".." +
                                std::to_string(to) + "/" + std::to_string(files_.size()) + ")");
    }
    return {files_.begin() + static_cast<std::ptrdiff_t>(from),
            files_.begin() + static_cast<std::ptrdiff_t>(to)};
}

} // namespace tavrin::shell
