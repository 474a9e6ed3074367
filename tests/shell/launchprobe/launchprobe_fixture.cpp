#include "launchprobe_fixture.h"

#include <algorithm>
#include <fstream>
#include <thread>

namespace tavrin::file::fixture {
namespace {

using namespace std::chrono_literals;

constexpr const wchar_t* PROBE_FOLDER_VARIABLE = L"TAVRIN_LAUNCHPROBE_DIR";
constexpr auto START_TIMEOUT = 15s;
constexpr auto SETTLE_TIME = 500ms;
constexpr auto POLL_STEP = 50ms;

ProbeRecord readRecord(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    ProbeRecord record;
    std::string line;
    while (std::getline(stream, line)) {
        const std::size_t equals = line.find('=');
        const std::string key = line.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : line.substr(equals + 1);
        if (key == "command") {
            record.command = value;
        } else if (key == "folder") {
            record.folder = value;
        } else if (key == "show") {
            record.show = std::stoi(value);
        } else if (key == "created") {
            record.created = std::stoull(value);
        }
    }
    return record;
}

std::vector<std::filesystem::path> recordFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".txt") {
            files.push_back(entry.path());
        }
    }
    return files;
}

std::set<HWND> visibleExplorerWindows() {
    std::set<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (!IsWindowVisible(window)) {
                return TRUE;
            }
            const HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
            if (handle == nullptr) {
                return TRUE;
            }
            wchar_t image[MAX_PATH] = {};
            DWORD size = MAX_PATH;
            const bool named = QueryFullProcessImageNameW(handle, 0, image, &size) != 0;
            CloseHandle(handle);
            std::wstring name(image, size);
            std::transform(name.begin(), name.end(), name.begin(), ::towlower);
            if (named && name.ends_with(L"\\explorer.exe")) {
                reinterpret_cast<std::set<HWND>*>(found)->insert(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

} // namespace

std::filesystem::path fromUnix(std::string_view path) {
    std::string windows = "Z:" + std::string(path);
    std::replace(windows.begin(), windows.end(), '/', '\\');
    return fromUtf8(windows);
}

std::filesystem::path copyProbe(const std::filesystem::path& folder, std::wstring_view name) {
    std::filesystem::create_directories(folder);
    const std::filesystem::path copy = folder / name;
    std::filesystem::copy_file(fromUnix(TAVRIN_LAUNCHPROBE_EXE), copy,
                               std::filesystem::copy_options::overwrite_existing);
    return copy;
}

ProbeRecords::ProbeRecords() {
    SetEnvironmentVariableW(PROBE_FOLDER_VARIABLE, folder_.root().wstring().c_str());
}

ProbeRecords::~ProbeRecords() {
    SetEnvironmentVariableW(PROBE_FOLDER_VARIABLE, nullptr);
}

std::vector<ProbeRecord> ProbeRecords::wait(std::size_t count) const {
    const auto deadline = std::chrono::steady_clock::now() + START_TIMEOUT;
    while (recordFiles(folder_.root()).size() < count &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(POLL_STEP);
    }
    std::this_thread::sleep_for(SETTLE_TIME);
    std::vector<ProbeRecord> records;
    for (const std::filesystem::path& file : recordFiles(folder_.root())) {
        records.push_back(readRecord(file));
    }
    std::sort(records.begin(), records.end(),
              [](const ProbeRecord& a, const ProbeRecord& b) { return a.created < b.created; });
    return records;
}

ExplorerWindows::ExplorerWindows() : before_(visibleExplorerWindows()) {}

std::vector<std::string> ExplorerWindows::closeNewTitles() const {
    const auto deadline = std::chrono::steady_clock::now() + START_TIMEOUT;
    std::set<HWND> appeared;
    while (appeared.empty() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(POLL_STEP);
        for (const HWND window : visibleExplorerWindows()) {
            if (!before_.contains(window)) {
                appeared.insert(window);
            }
        }
    }
    std::vector<std::string> titles;
    for (const HWND window : appeared) {
        wchar_t title[MAX_PATH] = {};
        GetWindowTextW(window, title, MAX_PATH);
        titles.push_back(utf8(title));
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return titles;
}

} // namespace tavrin::file::fixture
