// Building the dialogs' item set and its prefix trees, and looking items up by prefix as
// the command box does on every keystroke, over 100,000 items with Japanese names and tags.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include "file/items/itemlist.h"

namespace {

using tavrin::file::items::ItemKeys;
using tavrin::file::items::ItemList;
using KEY = ItemList::Tree::KEY;

constexpr std::size_t ITEM_COUNT = 100000;

constexpr std::array<std::string_view, 8> ID_STEMS = {"app",  "doc",  "web",  "tool",
                                                      "game", "メモ", "資料", "写真"};
constexpr std::array<std::string_view, 20> WORDS = {
    "メモ帳", "電卓",   "エディタ", "画像",   "ビューア", "設定", "資料",
    "報告書", "会議",   "写真",     "音楽",   "動画",     "翻訳", "辞書",
    "日記",   "家計簿", "Browser",  "Mailer", "Terminal", "Notes"};
constexpr std::array<std::string_view, 12> TAGS = {"仕事",   "趣味", "開発",   "文書",
                                                   "画像",   "音楽", "net",    "tool",
                                                   "office", "game", "日本語", "テキスト"};

// The same sequence on every run, so that every figure is measured on the same set.
class Sequence {
public:
    std::size_t next(std::size_t bound) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::size_t>(state_ >> 33) % bound;
    }

private:
    std::uint64_t state_ = 20261207;
};

ItemKeys makeItem(std::size_t number, Sequence& sequence) {
    ItemKeys item;
    item.id = std::string(ID_STEMS[sequence.next(ID_STEMS.size())]) + std::to_string(number);
    // One item in ten has no display name, one in twenty repeats its ID.
    const std::size_t nameKind = sequence.next(20);
    if (nameKind == 0) {
        item.name = item.id;
    } else if (nameKind > 2) {
        item.name = std::string(WORDS[sequence.next(WORDS.size())]) +
                    std::string(WORDS[sequence.next(WORDS.size())]) + " " +
                    std::to_string(sequence.next(10000));
    }
    for (std::size_t tag = sequence.next(4); tag > 0; --tag) {
        item.tags.emplace_back(TAGS[sequence.next(TAGS.size())]);
    }
    return item;
}

const std::vector<ItemKeys>& sampleItems() {
    static const std::vector<ItemKeys> items = [] {
        std::vector<ItemKeys> made;
        made.reserve(ITEM_COUNT);
        Sequence sequence;
        for (std::size_t number = 0; number < ITEM_COUNT; ++number) {
            made.push_back(makeItem(number, sequence));
        }
        return made;
    }();
    return items;
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
    const std::vector<ItemKeys>& items = sampleItems();
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
