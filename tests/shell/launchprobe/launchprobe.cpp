// A program to be launched by the tests: it writes down how it was started, as UTF-8 lines
// "command=", "folder=", "show=" (the show code it was given, -1 for none) and "created="
// (its creation time in 100 ns units, which orders the starts), into a new file in the
// folder named by TAVRIN_LAUNCHPROBE_DIR, and ends. The record appears whole, by a rename.
#include <cstdint>
#include <string>

#include "system/win32.h"

namespace {

std::string utf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

std::wstring environment(const wchar_t* name) {
    std::wstring value(32768, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, value.data(), 32768);
    value.resize(length < 32768 ? length : 0);
    return value;
}

std::wstring currentFolder() {
    std::wstring folder(32768, L'\0');
    folder.resize(GetCurrentDirectoryW(32768, folder.data()));
    return folder;
}

std::uint64_t creationTime() {
    FILETIME created{};
    FILETIME unused{};
    GetProcessTimes(GetCurrentProcess(), &created, &unused, &unused, &unused);
    return (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::wstring folder = environment(L"TAVRIN_LAUNCHPROBE_DIR");
    if (folder.empty()) {
        return 2;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : -1;
    const std::string record =
        "command=" + utf8(GetCommandLineW()) + "\nfolder=" + utf8(currentFolder()) +
        "\nshow=" + std::to_string(show) + "\ncreated=" + std::to_string(creationTime()) + "\n";

    const std::wstring name = folder + L"\\" + std::to_wstring(GetCurrentProcessId());
    const std::wstring partial = name + L".part";
    const HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 3;
    }
    DWORD written = 0;
    const BOOL wrote =
        WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    if (!wrote ||
        !MoveFileExW(partial.c_str(), (name + L".txt").c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return 4;
    }
    return 0;
}
