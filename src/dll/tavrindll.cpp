#include "dll/tavrindll.h"

#include <cstdlib>

#include "system/tavrinerrors.h"

namespace tavrin::dll {

namespace {

using SetProxy = void(const MemoryProxy*);
using ClearProxy = void();

const MemoryProxy memoryProxy{[](std::size_t size) { return std::malloc(size); },
                              [](void* memory) { std::free(memory); }};

} // namespace

TavrinDLL::TavrinDLL(const std::string& path) : DLL(path) {
    // Looked up first: a refused library has been handed nothing it would need to give back.
    getDllInfos_ = required<GetDllInfos>(INFOS_EXPORT);
    if (SetProxy* const setProxy = function<SetProxy>(SET_PROXY_EXPORT)) {
        setProxy(&memoryProxy);
    }
    getDllInfos_(infos_);
}

TavrinDLL::~TavrinDLL() {
    releaseAtEnd();
}

void TavrinDLL::release() {
    if (ClearProxy* const clearProxy = function<ClearProxy>(CLEAR_PROXY_EXPORT)) {
        clearProxy();
    }
    DLL::release();
}

void TavrinDLL::missingExport(const char* name) const {
    throw system::TavrinException(path() + " has no export " + name);
}

} // namespace tavrin::dll
