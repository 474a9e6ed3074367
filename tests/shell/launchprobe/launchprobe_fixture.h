#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "scratch_folder.h"
#include "system/win32.h"

// Starting things for real: the probe program the tests launch, what it wrote down, and the
// windows a start opens.
namespace tavrin::file::fixture {

struct ProbeRecord {
    std::string command;
    std::string folder;
    int show = -1;
    std::uint64_t created = 0;
};

// A Unix path as Wine shows it to Windows programs.
std::filesystem::path fromUnix(std::string_view path);

// A copy of the probe program under the given name in folder, which is created.
std::filesystem::path copyProbe(const std::filesystem::path& folder, std::wstring_view name);

// The records of the probes started while it lives, gathered in a scratch folder that the
// probes learn from this process's environment.
class ProbeRecords {
public:
    ProbeRecords();
    ~ProbeRecords();
    ProbeRecords(const ProbeRecords&) = delete;
    ProbeRecords& operator=(const ProbeRecords&) = delete;

    // Waits a few seconds at most for count records, then a moment longer for any more a
    // faulty start might add; the records in the order the probes were created.
    std::vector<ProbeRecord> wait(std::size_t count) const;

private:
    ScratchFolder folder_;
};

// Explorer windows that appear after it was made: a folder opened through the shell shows
// one, which a test has to close.
class ExplorerWindows {
public:
    ExplorerWindows();
    // Waits up to a few seconds for new explorer windows, closes them and tells how many.
    std::size_t closeNew() const { return closeNewTitles().size(); }
    // The same, telling their titles: the name of the folder each shows.
    std::vector<std::string> closeNewTitles() const;

private:
    std::set<HWND> before_;
};

} // namespace tavrin::file::fixture
