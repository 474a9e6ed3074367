// What staying in step with the disk costs the GUI thread: the timer's look at the three data
// files when nothing changed, and the write of an items document of 1,000 items after a start.
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include "etc/drevak/dvkdocument.h"
#include "file/datafile.h"
#include "file/filestamp.h"

namespace {

constexpr int ITEM_COUNT = 1000;

// An items document of the launcher's shape: each item with its name, address, option,
// work folder, tags and history.
std::string itemsText() {
    std::string text;
    char line[256];
    for (int i = 0; i < ITEM_COUNT; ++i) {
        const char* patterns[] = {
            "Item/item%04d\\アイテム %d\r\n",
            "Item/item%04d/Address\\C:\\Program Files\\Tool %d\\tool.exe\r\n",
            "Item/item%04d/Option\\--open \"D:\\work\\%d\"\r\n",
            "Item/item%04d/WorkFolder\\D:\\work\\%d\r\n",
            "Item/item%04d/Tag\\道具\ttool%d\r\n",
            "Item/item%04d/History/Use:%d\r\n",
            "Item/item%04d/History/Last\\2026/12/08 00:%02d:00\r\n",
        };
        for (const char* pattern : patterns) {
            std::snprintf(line, sizeof line, pattern, i, i % 60);
            text += line;
        }
    }
    return text;
}

struct Folder {
    std::filesystem::path path = std::filesystem::temp_directory_path() / "tavrin_datasync_bench";
    Folder() { std::filesystem::create_directories(path); }
    ~Folder() { std::filesystem::remove_all(path); }
    std::string file(std::string_view name) const { return (path / name).string(); }
};

drevak::DvkDocument loadDocument(const std::string& text) {
    const std::vector<std::string_view> lines = tavrin::file::splitLines(text);
    return drevak::DvkDocument(std::span<const std::string_view>(lines));
}

void StepCheckOfThreeFiles(benchmark::State& state) {
    const Folder folder;
    const drevak::DvkDocument items = loadDocument(itemsText());
    const std::vector<std::string> paths = {folder.file("app.dvk"), folder.file("items.dvk"),
                                            folder.file("groups.dvk")};
    std::vector<tavrin::file::FileStamp> stamps;
    for (const std::string& path : paths) {
        tavrin::file::SaveDocument(items, path);
        stamps.push_back(tavrin::file::FileStamp::of(path));
    }
    for (auto _ : state) {
        for (std::size_t i = 0; i < paths.size(); ++i) {
            benchmark::DoNotOptimize(stamps[i].changed(paths[i]));
        }
    }
}

void SaveItemsOf1000(benchmark::State& state) {
    const Folder folder;
    const drevak::DvkDocument items = loadDocument(itemsText());
    const std::string path = folder.file("items.dvk");
    for (auto _ : state) {
        tavrin::file::SaveDocument(items, path);
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}

} // namespace

BENCHMARK(StepCheckOfThreeFiles)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveItemsOf1000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
