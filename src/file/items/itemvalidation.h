#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "etc/drevak/drevak.h"
#include "file/items/itemeditor.h"

namespace tavrin::file {

// What a path names once its environment variables are expanded.
enum class PathKind { MISSING, FILE, FOLDER };
using PathProbe = std::function<PathKind(std::string_view)>;

// Whether the text can be the ID of a new or renamed item: an item ID that is one name. An
// ID with "/" would be an address into another item's node.
bool isNewItemId(std::string_view text);

// The fields of the edit that a check can refuse.
enum class EDITOR_FIELD { ID, NAME, ADDRESS, WORK_FOLDER, ICON };

struct Refusal {
    EDITOR_FIELD field;
    std::string message;
};

// Checks the edit before it is applied; originalId is the ID the item is stored under, empty
// for a new item. Every check runs, and every refusal is listed in the order found, so the
// user sees all of them at once: "ID未入力", "<ID>はIDに使用不可" (a stored ID kept as it is
// stays acceptable), "<ID>は既に存在する", "名前未入力", "アドレス未記入" / "指定アドレス無効"
// (NORMAL), "URI未記入" (URI), "フォルダが変" / "フォルダじゃない", "アイコンが変".
std::vector<Refusal> itemRefusals(const ItemEditor& editor, std::string_view originalId,
                                  const drevak::Drevak& items, const PathProbe& probe);

} // namespace tavrin::file
