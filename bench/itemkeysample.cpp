#include "itemkeysample.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bench {
namespace {

using tavrin::file::items::ItemKeys;

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

} // namespace

std::span<const ItemKeys> sampleItemKeys() {
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

} // namespace bench
