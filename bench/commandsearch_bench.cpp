// The command box's search: building it, and one keystroke (folding the text, looking it up
// by ID, name and tag, ranking the best 50) for every prefix of a sample of keys, over
// 100,000 items; a plain std::map prefix scan beside it on the same keys and prefixes.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include "file/items/commandsearch.h"
#include "itemkeysample.h"

namespace {

using tavrin::file::items::CommandSearch;
using tavrin::file::items::foldForSearch;
using tavrin::file::items::ItemKeys;
using tavrin::file::items::ItemList;
using Position = tavrin::file::items::Tree::Position;

constexpr std::size_t BUILD_COUNT = 10000;
constexpr std::size_t LIMIT = 50;
constexpr std::size_t SAMPLED_ITEMS = 25;
constexpr int RUNS_PER_PREFIX = 31;

ItemList listOf(std::span<const ItemKeys> keys) {
    ItemList list;
    for (const ItemKeys& item : keys) {
        list.add(item);
    }
    return list;
}

// One item in seven was started: counts up to 13, last uses spread over a year.
std::vector<CommandSearch::Use> usesOf(std::size_t count) {
    std::vector<CommandSearch::Use> uses(count);
    for (std::size_t position = 0; position < count; position += 7) {
        char text[20];
        std::snprintf(text, sizeof text, "2026/%02zu/%02zu %02zu:00:00", position % 12 + 1,
                      position % 28 + 1, position % 24);
        uses[position] = {static_cast<std::int64_t>(position % 13 + 1), text};
    }
    return uses;
}

const CommandSearch& fullSearch() {
    static const CommandSearch search(listOf(bench::sampleItemKeys()), usesOf(bench::ITEM_COUNT));
    return search;
}

// Every prefix of one or more characters of the ID, name and first tag of items spread over
// the sample.
const std::vector<std::string>& samplePrefixes() {
    static const std::vector<std::string> prefixes = [] {
        std::vector<std::string> made;
        const auto keys = bench::sampleItemKeys();
        for (std::size_t at = 0; at < SAMPLED_ITEMS; ++at) {
            const ItemKeys& item = keys[at * (keys.size() / SAMPLED_ITEMS) + at];
            for (const std::string& key :
                 {item.id, item.name, item.tags.empty() ? std::string() : item.tags.front()}) {
                for (std::size_t end = 1; end <= key.size(); ++end) {
                    const bool whole =
                        end == key.size() || (static_cast<unsigned char>(key[end]) & 0xC0) != 0x80;
                    if (whole) {
                        made.push_back(key.substr(0, end));
                    }
                }
            }
        }
        std::sort(made.begin(), made.end());
        made.erase(std::unique(made.begin(), made.end()), made.end());
        return made;
    }();
    return prefixes;
}

// Times every prefix RUNS_PER_PREFIX times; reports the median over prefixes of their
// median keystroke, and the worst prefix's median with the prefix as the label.
template <typename Keystroke> void Keystrokes(benchmark::State& state, Keystroke keystroke) {
    const std::vector<std::string>& prefixes = samplePrefixes();
    std::vector<double> medians;
    std::vector<double> runs(RUNS_PER_PREFIX);
    for (auto _ : state) {
        medians.clear();
        for (const std::string& prefix : prefixes) {
            for (double& run : runs) {
                const auto start = std::chrono::steady_clock::now();
                keystroke(prefix);
                run = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() -
                                                                start)
                          .count();
            }
            std::nth_element(runs.begin(), runs.begin() + RUNS_PER_PREFIX / 2, runs.end());
            medians.push_back(runs[RUNS_PER_PREFIX / 2]);
        }
    }
    const auto worst = std::max_element(medians.begin(), medians.end());
    state.SetLabel("worst prefix \"" + prefixes[worst - medians.begin()] + "\"");
    state.counters["worst_us"] = *worst;
    std::vector<double> sorted = medians;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    state.counters["median_us"] = sorted[sorted.size() / 2];
    state.counters["prefixes"] = static_cast<double>(prefixes.size());
}

void SearchKeystroke(benchmark::State& state) {
    const CommandSearch& search = fullSearch();
    Keystrokes(state, [&](std::string_view typed) {
        benchmark::DoNotOptimize(search.find(typed, LIMIT));
    });
}

// Every folded key (ID, name, tags) with the ID after a zero byte, so that keys that items
// share stay apart.
using KeyMap = std::map<std::string, Position>;

KeyMap keyMapOf(std::span<const ItemKeys> keys) {
    KeyMap map;
    for (Position position = 0; position < keys.size(); ++position) {
        const ItemKeys& item = keys[position];
        const auto enter = [&](const std::string& key) {
            map.emplace(foldForSearch(key) + '\0' + item.id, position);
        };
        enter(item.id);
        if (!item.name.empty()) {
            enter(item.name);
        }
        std::for_each(item.tags.begin(), item.tags.end(), enter);
    }
    return map;
}

// lower_bound and a walk over every match, collecting the positions; no ranking.
void MapKeystroke(benchmark::State& state) {
    static const KeyMap map = keyMapOf(bench::sampleItemKeys());
    std::vector<Position> found;
    Keystrokes(state, [&](std::string_view typed) {
        const std::string folded = foldForSearch(typed);
        found.clear();
        for (auto at = map.lower_bound(folded);
             at != map.end() && std::string_view(at->first).starts_with(folded); ++at) {
            found.push_back(at->second);
        }
        benchmark::DoNotOptimize(found.data());
    });
}

void BuildSearch(benchmark::State& state) {
    const std::size_t count = static_cast<std::size_t>(state.range(0));
    const auto keys = bench::sampleItemKeys().first(count);
    const ItemList list = listOf(keys);
    const std::vector<CommandSearch::Use> uses = usesOf(count);
    // Copying the list and destroying the search are no part of building it.
    for (auto _ : state) {
        state.PauseTiming();
        ItemList copy = list;
        state.ResumeTiming();
        auto search = std::make_unique<CommandSearch>(std::move(copy), uses);
        benchmark::DoNotOptimize(search.get());
        state.PauseTiming();
        search.reset();
        state.ResumeTiming();
    }
}

void BuildMap(benchmark::State& state) {
    const auto keys = bench::sampleItemKeys().first(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(keyMapOf(keys));
    }
}

} // namespace

BENCHMARK(BuildSearch)->Arg(BUILD_COUNT)->Arg(bench::ITEM_COUNT)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildMap)->Arg(BUILD_COUNT)->Arg(bench::ITEM_COUNT)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchKeystroke)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(MapKeystroke)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
