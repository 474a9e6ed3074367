#include "tavrin/singleinstance.h"

#include <cstdint>
#include <cwchar>
#include <vector>

#include "system/systemmessage.h"

namespace tavrin {

namespace {

constexpr DWORD mappingSize = sizeof(std::uint64_t);

std::wstring fullPath(std::wstring_view folder) {
    const std::wstring given(folder);
    std::vector<wchar_t> full(GetFullPathNameW(given.c_str(), 0, nullptr, nullptr) + 1);
    const DWORD length =
        GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    return length > 0 && length < full.size() ? std::wstring(full.data(), length) : given;
}

void dropTrailingSeparators(std::wstring& path) {
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) {
        path.pop_back();
    }
}

// "\\?\C:\a" is "C:\a", "\\?\UNC\server\share" is "\\server\share".
std::wstring withoutLongPrefix(std::wstring path) {
    if (path.starts_with(L"\\\\?\\UNC\\")) {
        return L"\\" + path.substr(7);
    }
    if (path.starts_with(L"\\\\?\\")) {
        return path.substr(4);
    }
    return path;
}

std::string lastErrorText(const char* what) {
    return std::string(what) + ": " + system::systemMessage(GetLastError());
}

// The program file of a process, by its key; empty when it cannot be asked.
std::wstring imageKey(HANDLE process) {
    std::vector<wchar_t> image(32768);
    DWORD length = static_cast<DWORD>(image.size());
    if (!QueryFullProcessImageNameW(process, 0, image.data(), &length)) {
        return {};
    }
    return instanceKey(std::wstring_view(image.data(), length));
}

bool isThisProgram(DWORD processId) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        return false;
    }
    const std::wstring other = imageKey(process);
    CloseHandle(process);
    return !other.empty() && other == imageKey(GetCurrentProcess());
}

// A drive made with subst (or DefineDosDevice) names another path: "\??\C:\target".
std::optional<std::wstring> substitutedDrive(const std::wstring& path) {
    if (path.size() < 2 || path[1] != L':') {
        return std::nullopt;
    }
    wchar_t target[MAX_PATH + 8]{};
    const std::wstring drive = path.substr(0, 2);
    if (QueryDosDeviceW(drive.c_str(), target, MAX_PATH + 8) == 0) {
        return std::nullopt;
    }
    const std::wstring_view named(target);
    if (!named.starts_with(L"\\??\\") || named.size() < 6 || named[5] != L':') {
        return std::nullopt;
    }
    return std::wstring(named.substr(4)) + path.substr(2);
}

std::optional<std::wstring> openedFinalPath(const std::wstring& path) {
    // No access is asked for: only the name is read, so a folder in use is still found.
    const HANDLE file =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::vector<wchar_t> final(32768);
    const DWORD length =
        GetFinalPathNameByHandleW(file, final.data(), static_cast<DWORD>(final.size()),
                                  FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(file);
    if (length == 0 || length >= final.size()) {
        return std::nullopt;
    }
    return withoutLongPrefix(std::wstring(final.data(), length));
}

} // namespace

std::optional<std::wstring> finalPathOf(const std::wstring& path) {
    std::wstring named = path;
    // Substitutions may stack, but never loop for long.
    for (int depth = 0; depth < 8; ++depth) {
        std::optional<std::wstring> substituted = substitutedDrive(named);
        if (!substituted) {
            break;
        }
        named = std::move(*substituted);
    }
    return openedFinalPath(named);
}

std::wstring instanceKey(std::wstring_view dataFolder, const FinalPath& finalPath) {
    std::wstring existing = fullPath(dataFolder);
    dropTrailingSeparators(existing);
    std::wstring rest;
    std::wstring key = existing;
    while (!existing.empty()) {
        if (const std::optional<std::wstring> final = finalPath(existing)) {
            key = *final + rest;
            break;
        }
        const std::size_t separator = existing.find_last_of(L"\\/");
        if (separator == std::wstring::npos) {
            break;
        }
        rest = L"\\" + existing.substr(separator + 1) + rest;
        existing.resize(separator);
    }
    dropTrailingSeparators(key);
    if (!key.empty()) {
        CharLowerBuffW(key.data(), static_cast<DWORD>(key.size()));
    }
    return key;
}

std::wstring instanceName(std::wstring_view dataFolder) {
    // FNV-1a over the UTF-16 units: stable across runs and builds, unlike std::hash.
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const wchar_t unit : instanceKey(dataFolder)) {
        hash = (hash ^ static_cast<std::uint16_t>(unit)) * 0x100000001b3ull;
    }
    wchar_t digits[17]{};
    std::swprintf(digits, 17, L"%016llx", static_cast<unsigned long long>(hash));
    return L"Local\\Tavrin-" + std::wstring(digits);
}

SingleInstance::SingleInstance(std::wstring_view dataFolder) {
    const std::wstring name = instanceName(dataFolder);
    mutex_ = CreateMutexW(nullptr, FALSE, name.c_str());
    if (mutex_ == nullptr) {
        // Another kind of object under the name, or one the user may not open: running
        // without the claim is better than not running at all.
        trouble_ = lastErrorText("single-instance mutex");
        first_ = true;
        return;
    }
    first_ = GetLastError() != ERROR_ALREADY_EXISTS;
    const std::wstring window = name + L"-window";
    if (!first_) {
        mapping_ = OpenFileMappingW(FILE_MAP_READ, FALSE, window.c_str());
        return;
    }
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, mappingSize,
                                  window.c_str());
    if (mapping_ == nullptr) {
        trouble_ = lastErrorText("single-instance window mapping");
    } else if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // Made before the claim by someone else: what it holds is theirs, not ours to publish.
        CloseHandle(mapping_);
        mapping_ = nullptr;
        trouble_ = "single-instance window mapping made by another program";
    }
}

SingleInstance::~SingleInstance() {
    if (mapping_) {
        CloseHandle(mapping_);
    }
    if (mutex_) {
        CloseHandle(mutex_);
    }
}

void SingleInstance::publish(HWND window) noexcept {
    if (!first_ || !mapping_) {
        return;
    }
    if (void* view = MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, mappingSize)) {
        *static_cast<volatile std::uint64_t*>(view) = reinterpret_cast<std::uintptr_t>(window);
        UnmapViewOfFile(view);
    }
}

bool SingleInstance::callForward(UINT message) const noexcept {
    if (first_ || !mapping_) {
        return false;
    }
    void* view = MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, mappingSize);
    if (!view) {
        return false;
    }
    HWND window = nullptr;
    // A launcher still loading its data has not published its window yet.
    for (int attempt = 0; attempt < 100 && !IsWindow(window); ++attempt) {
        window = reinterpret_cast<HWND>(
            static_cast<std::uintptr_t>(*static_cast<const volatile std::uint64_t*>(view)));
        if (!IsWindow(window)) {
            Sleep(50);
        }
    }
    UnmapViewOfFile(view);
    DWORD processId = 0;
    if (!IsWindow(window) || GetWindowThreadProcessId(window, &processId) == 0 ||
        !isThisProgram(processId)) {
        return false;
    }
    // The user started this process, so it may hand the foreground on.
    AllowSetForegroundWindow(processId);
    return PostMessageW(window, message, 0, 0) != FALSE;
}

} // namespace tavrin
