#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "system/raii.h"
#include "system/tavrinerrors.h"
#include "system/win32.h"

namespace tavrin::shell {

// The Windows file attribute bits as an enumeration reports them in dwFileAttributes.
struct FILEITEM {
    enum ATTRIBUTE : DWORD {
        READONLY = FILE_ATTRIBUTE_READONLY,
        HIDDEN = FILE_ATTRIBUTE_HIDDEN,
        SYSTEM = FILE_ATTRIBUTE_SYSTEM,
        DIRECTORY = FILE_ATTRIBUTE_DIRECTORY,
        ARCHIVE = FILE_ATTRIBUTE_ARCHIVE,
        DEVICE = FILE_ATTRIBUTE_DEVICE,
        NORMAL = FILE_ATTRIBUTE_NORMAL,
        TEMPORARY = FILE_ATTRIBUTE_TEMPORARY,
        SPARSE_FILE = FILE_ATTRIBUTE_SPARSE_FILE,
        REPARSE_POINT = FILE_ATTRIBUTE_REPARSE_POINT,
        COMPRESSED = FILE_ATTRIBUTE_COMPRESSED,
        OFFLINE = FILE_ATTRIBUTE_OFFLINE,
        NOT_CONTENT_INDEXED = FILE_ATTRIBUTE_NOT_CONTENT_INDEXED,
        ENCRYPTED = FILE_ATTRIBUTE_ENCRYPTED,
        VIRTUAL = FILE_ATTRIBUTE_VIRTUAL,
    };
};

// The entries that match one search pattern (such as a folder followed by "\*"), one at a
// time. A pattern that matches nothing is no failure: next simply answers false.
class Finder : public system::HandleRaii<HANDLE> {
public:
    explicit Finder(std::wstring_view pattern);
    ~Finder() override { releaseAtEnd(); }

    // Ends any search and starts over, at the first entry of the new pattern.
    void reset(std::wstring_view pattern);

    // Writes the next entry into data and answers true; answers false once the entries are
    // exhausted (or when there are none), and keeps answering false until reset.
    bool next(WIN32_FIND_DATAW& data);

    // The number of entries returned so far.
    std::size_t count() const noexcept { return count_; }

protected:
    // Raises the release failure "ファイル検索" when the system refuses to close the search.
    void release() override;

private:
    enum class STATE { READY, RUNNING, FINISHED };

    std::wstring pattern_;
    STATE state_ = STATE::READY;
    std::size_t count_ = 0;
};

} // namespace tavrin::shell
