#pragma once

#include <string>

#include "system/raii.h"
#include "system/win32.h"

namespace tavrin::dll {

// A library loaded by its full path only: neither the current folder nor the folders of the
// search path are looked in, so no library planted beside a document is ever taken.
class DLL : public system::Raii {
public:
    // Raises TavrinException with the path as its message, the system's reason as its cause.
    explicit DLL(const std::string& path);
    ~DLL() override;

    HMODULE handle() const noexcept { return handle_; }
    const std::string& path() const noexcept { return path_; }

    // The export's address, null when the library has no export of that name.
    template <typename Function> Function* function(const char* name) const noexcept {
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(handle_, name)));
    }

protected:
    void release() override;

private:
    std::string path_;
    HMODULE handle_ = nullptr;
};

} // namespace tavrin::dll
