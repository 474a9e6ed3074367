#include "dll/dll.h"

#include <memory>

#include "system/systemmessage.h"
#include "system/tavrinerrors.h"
#include "system/unicode.h"

namespace tavrin::dll {

DLL::DLL(const std::string& path) : path_(path) {
    handle_ = LoadLibraryExW(system::toWide(path).c_str(), nullptr,
                             LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (handle_ == nullptr) {
        const DWORD error = GetLastError();
        throw system::TavrinException(
            path, system::CODE::NONE,
            std::make_shared<system::TavrinException>(system::systemMessage(error)));
    }
    alive = true;
}

DLL::~DLL() {
    releaseAtEnd();
}

void DLL::release() {
    if (handle_ != nullptr && !FreeLibrary(handle_)) {
        raiseReleaseFailure("DLL");
    }
    handle_ = nullptr;
}

} // namespace tavrin::dll
