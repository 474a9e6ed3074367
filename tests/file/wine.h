#pragma once

#include "system/win32.h"

namespace tavrin::file::fixture {

// Whether the test runs under Wine, for the few checks that Wine cannot pass: its ntdll
// exports wine_get_version.
inline bool underWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

} // namespace tavrin::file::fixture
