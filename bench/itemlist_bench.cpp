// Building the dialogs' item set and its prefix trees, and looking items up by prefix as
// the command box does on every keystroke, over 100,000 items with Japanese names and tags.
#include <span>
#include <string>
#include <string_view>

#include <benchmark/benchmark.h>

#include "file/items/itemlist.h"
#include "itemkeysample.h"

namespace {

using tavrin::file::items::ItemKeys;
using tavrin::file::items::ItemList;
using KEY = ItemList::Tree::KEY;
using bench::ITEM_COUNT;

std::span<const ItemKeys> sampleItems() {
    return bench::sampleItemKeys();
}

const ItemList& sampleList() {
    static const ItemList list = [] {
        ItemList made;
        for (const ItemKeys& item : sampleItems()) {
            made.add(item);
        }
        return made;
    }();
    return list;
}

void countItems(benchmark::State& state) {
    state.counters["items"] = static_cast<double>(ITEM_COUNT);
}

void BuildList(benchmark::State& state) {
    const std::span<const ItemKeys> items = sampleItems();
    for (auto _ : state) {
        ItemList list;
        for (const ItemKeys& item : items) {
            list.add(item);
        }
        benchmark::DoNotOptimize(list);
    }
    countItems(state);
}

void BuildTree(benchmark::State& state, KEY mode) {
    const ItemList& list = sampleList();
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.tree(mode));
    }
    countItems(state);
}

// One lookup of the text, then a visit of every item found, as a list view filling its
// rows would make; "found" counts the items the text finds.
void Lookup(benchmark::State& state, KEY mode, std::string_view text) {
    const ItemList& list = sampleList();
    const ItemList::Tree tree = list.tree(mode);
    std::size_t found = 0;
    for (auto _ : state) {
        const auto positions = tree.lookup(text);
        std::size_t nameBytes = 0;
        for (const ItemList::Tree::Position position : positions) {
            nameBytes += list.at(position).name.size();
        }
        benchmark::DoNotOptimize(nameBytes);
        found = positions.size();
    }
    state.counters["found"] = static_cast<double>(found);
}

// An ID that the sample holds, typed out in full.
void LookupWholeId(benchmark::State& state) {
    Lookup(state, KEY::ID, sampleItems()[ITEM_COUNT / 2].id);
}

// The walk alone, without visiting what it found.
void Walk(benchmark::State& state, KEY mode, std::string_view text) {
    const ItemList::Tree tree = sampleList().tree(mode);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tree.lookup(text));
    }
}

} // namespace

BENCHMARK(BuildList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildTree, id, KEY::ID)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildTree, name, KEY::NAME)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildTree, tag, KEY::TAG)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(Walk, id_one_letter, KEY::ID, "a")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Walk, id_empty, KEY::ID, "")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Walk, name_long, KEY::NAME, "画像ビューア 12")->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(Lookup, id_empty, KEY::ID, "")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Lookup, id_one_letter, KEY::ID, "a")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Lookup, id_japanese, KEY::ID, "資料1")->Unit(benchmark::kMicrosecond);
BENCHMARK(LookupWholeId)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Lookup, id_missing, KEY::ID, "zzz")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Lookup, name_one_letter, KEY::NAME, "画")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Lookup, name_word, KEY::NAME, "画像ビューア")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Lookup, name_long, KEY::NAME, "画像ビューア 12")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Lookup, tag_one_letter, KEY::TAG, "仕")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Lookup, tag_ascii, KEY::TAG, "o")->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
