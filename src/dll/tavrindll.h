#pragma once

#include <cstddef>
#include <string>

#include "dll/dll.h"
#include "dll/dllinfos.h"

namespace tavrin::dll {

// What "gc_setProxy" hands a library: the launcher's allocator, so that memory the library
// gives the launcher can be freed on the launcher's side and the other way round.
struct MemoryProxy {
    void* (*allocate)(std::size_t size);
    void (*free)(void* memory);
};

// A library of the launcher's own kind: it may take the memory proxy, and it must fill the
// information record. A library without the information export is refused.
class TavrinDLL : public DLL {
public:
    // Raises TavrinException when the library does not load or lacks the information export.
    explicit TavrinDLL(const std::string& path);
    ~TavrinDLL() override;

    const DLLINFOS& infos() const noexcept { return infos_; }

protected:
    void release() override;

    // The export's address; a missing one raises TavrinException naming it and the library.
    template <typename Function> Function* required(const char* name) const {
        Function* const found = function<Function>(name);
        if (found == nullptr) {
            missingExport(name);
        }
        return found;
    }

private:
    [[noreturn]] void missingExport(const char* name) const;

    using GetDllInfos = void(DLLINFOS&);
    GetDllInfos* getDllInfos_ = nullptr;
    DLLINFOS infos_{};
};

} // namespace tavrin::dll
