#include "tvgui/keyboard/key.h"

#include <algorithm>
#include <array>
#include <string>

#include "system/tavrinerrors.h"

namespace tavrin::tvgui {

namespace {

struct KeyRow {
    KEY key;
    std::string_view name;
};

constexpr KeyRow rows[] = {
#define TAVRIN_KEY_ROW(name, value) {KEY::name, #name},
    TAVRIN_KEYS(TAVRIN_KEY_ROW)
#undef TAVRIN_KEY_ROW
};

constexpr auto keys = [] {
    std::array<KEY, std::size(rows)> all{};
    std::ranges::transform(rows, all.begin(), &KeyRow::key);
    return all;
}();

static_assert(keys.size() == 176);

} // namespace

std::span<const KEY> allKeys() noexcept {
    return keys;
}

std::optional<std::string_view> findKeyName(KEY key) noexcept {
    const auto row = std::ranges::find(rows, key, &KeyRow::key);
    if (row == std::end(rows)) {
        return std::nullopt;
    }
    return row->name;
}

std::string_view keyName(KEY key) {
    if (const auto name = findKeyName(key)) {
        return *name;
    }
    throw system::ConvertException("There is no corresponding enum member name in KEY");
}

KEY keyOf(std::string_view name) {
    const auto row = std::ranges::find(rows, name, &KeyRow::name);
    if (row == std::end(rows)) {
        throw system::ConvertException("There is no enum member of KEY named \"" +
                                       std::string(name) + "\"");
    }
    return row->key;
}

} // namespace tavrin::tvgui
