#include "tavrin/singleinstance.h"

#include <cstdint>
#include <cwchar>
#include <vector>

namespace tavrin {

namespace {

constexpr DWORD mappingSize = sizeof(std::uint64_t);

std::wstring fullLowerPath(std::wstring_view folder) {
    const std::wstring given(folder);
    std::vector<wchar_t> full(GetFullPathNameW(given.c_str(), 0, nullptr, nullptr) + 1);
    const DWORD length =
        GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    std::wstring path =
        length > 0 && length < full.size() ? std::wstring(full.data(), length) : given;
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) {
        path.pop_back();
    }
    if (!path.empty()) {
        CharLowerBuffW(path.data(), static_cast<DWORD>(path.size()));
    }
    return path;
}

} // namespace

std::wstring instanceName(std::wstring_view dataFolder) {
    // FNV-1a over the UTF-16 units: stable across runs and builds, unlike std::hash.
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const wchar_t unit : fullLowerPath(dataFolder)) {
        hash = (hash ^ static_cast<std::uint16_t>(unit)) * 0x100000001b3ull;
    }
    wchar_t digits[17]{};
    std::swprintf(digits, 17, L"%016llx", static_cast<unsigned long long>(hash));
    return L"Local\\Tavrin-" + std::wstring(digits);
}

SingleInstance::SingleInstance(std::wstring_view dataFolder) {
    const std::wstring name = instanceName(dataFolder);
    mutex_ = CreateMutexW(nullptr, FALSE, name.c_str());
    // A mutex that cannot be made at all claims nothing: the launcher runs as it always did.
    first_ = mutex_ == nullptr || GetLastError() != ERROR_ALREADY_EXISTS;
    const std::wstring window = name + L"-window";
    mapping_ = first_ ? CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                           mappingSize, window.c_str())
                      : OpenFileMappingW(FILE_MAP_READ, FALSE, window.c_str());
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
    if (!IsWindow(window)) {
        return false;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    // The user started this process, so it may hand the foreground on.
    AllowSetForegroundWindow(processId);
    return PostMessageW(window, message, 0, 0) != FALSE;
}

} // namespace tavrin
