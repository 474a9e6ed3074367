#pragma once

#include <cstdint>

// The information record every library of the launcher's kind fills when it is loaded.
namespace tavrin::dll {

struct DLLINFOS {
    wchar_t name[24];
    std::uint32_t version;
    std::uint8_t reserved[12];
};
static_assert(sizeof(DLLINFOS) == 64);

// The names the libraries export, exactly as the launcher looks them up.
inline constexpr char SET_PROXY_EXPORT[] = "gc_setProxy";
inline constexpr char CLEAR_PROXY_EXPORT[] = "gc_clrProxy";
inline constexpr char INFOS_EXPORT[] = "D12dllinterface12DllToolInfosFKS12dllinterface8DLLINFOSZv";
inline constexpr char REGIST_HOOK_EXPORT[] =
    "D8hookfunc10RegistHookFT5win325winnt6HANDLEE7hookdef4HOOKkZT5win327winuser5HHOOK";
inline constexpr char UNREGIST_HOOK_EXPORT[] = "D8hookfunc12UnRegistHookFZb";

} // namespace tavrin::dll
