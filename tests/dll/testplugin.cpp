// A library of the launcher's kind built with only the exports its variant asks for, so that
// the loaders meet every combination. What the launcher hands it is written into this
// process's environment, where the test reads it after the library is gone.
#include <cstdint>
#include <cwchar>
#include <string>

#include "dll/dllinfos.h"
#include "dll/tavrindll.h"

#define EXPORTED extern "C" __declspec(dllexport)

#ifdef WITH_PROXY
EXPORTED void gc_setProxy(const tavrin::dll::MemoryProxy* proxy) {
    // A usable proxy gives memory and takes it back.
    void* const memory = proxy->allocate(16);
    proxy->free(memory);
    SetEnvironmentVariableW(L"TAVRIN_TEST_PROXY", memory != nullptr ? L"set" : L"unusable");
}

EXPORTED void gc_clrProxy() {
    SetEnvironmentVariableW(L"TAVRIN_TEST_PROXY", L"cleared");
}
#endif

#ifdef WITH_INFOS
EXPORTED void
D12dllinterface12DllToolInfosFKS12dllinterface8DLLINFOSZv(tavrin::dll::DLLINFOS& infos) {
    std::wcscpy(infos.name, L"testplugin");
}
#endif

#ifdef WITH_REGIST
EXPORTED HHOOK D8hookfunc10RegistHookFT5win325winnt6HANDLEE7hookdef4HOOKkZT5win327winuser5HHOOK(
    HANDLE, int kind, std::uint32_t message) {
    SetEnvironmentVariableW(L"TAVRIN_TEST_HOOK",
                            (std::to_wstring(kind) + L" " + std::to_wstring(message)).c_str());
    return reinterpret_cast<HHOOK>(1);
}
#endif

#ifdef WITH_UNREGIST
EXPORTED bool D8hookfunc12UnRegistHookFZb() {
    SetEnvironmentVariableW(L"TAVRIN_TEST_HOOK", L"removed");
    return true;
}
#endif
