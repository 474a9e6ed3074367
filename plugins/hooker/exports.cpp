// The hook library's exports, under the exact names the launcher looks up (hooker.def maps
// them), in the platform's one calling convention.
#include <cstdint>
#include <cwchar>
#include <iterator>

#include "dll/dllinfos.h"
#include "hookthread.h"

extern "C" {

void dllToolInfos(tavrin::dll::DLLINFOS& infos) {
    std::wcsncpy(infos.name, L"Hooker", std::size(infos.name) - 1);
    infos.version = 1;
}

HHOOK registHook(HANDLE window, int kind, std::uint32_t message) {
    return tavrin::hooker::startHook(static_cast<HWND>(window), kind, message);
}

bool unRegistHook() {
    return tavrin::hooker::stopHook();
}
}
