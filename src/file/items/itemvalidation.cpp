#include "file/items/itemvalidation.h"

#include <vector>

#include "utility/convert.h"

namespace tavrin::file {
namespace {

using TYPE = Item::TYPE;

void checkId(const ItemEditor& editor, std::string_view originalId, const drevak::Drevak& items,
             std::vector<Refusal>& found) {
    if (editor.id.empty()) {
        found.push_back({EDITOR_FIELD::ID, "ID未入力"});
        return;
    }
    if (editor.id == originalId) {
        return;
    }
    if (!isNewItemId(editor.id)) {
        found.push_back({EDITOR_FIELD::ID, editor.id + "はIDに使用不可"});
        return;
    }
    // A renamed item must not land on another one either: that would merge two items.
    if (items.HaveChild(editor.id)) {
        found.push_back({EDITOR_FIELD::ID, editor.id + "は既に存在する"});
    }
}

void checkAddress(const ItemEditor& editor, const PathProbe& probe, std::vector<Refusal>& found) {
    if (editor.type == TYPE::NORMAL) {
        if (editor.address.empty()) {
            found.push_back({EDITOR_FIELD::ADDRESS, "アドレス未記入"});
        } else if (probe(editor.address) == PathKind::MISSING) {
            found.push_back({EDITOR_FIELD::ADDRESS, "指定アドレス無効"});
        }
    } else if (editor.type == TYPE::URI && editor.address.empty()) {
        found.push_back({EDITOR_FIELD::ADDRESS, "URI未記入"});
    }
}

void checkFiles(const ItemEditor& editor, const PathProbe& probe, std::vector<Refusal>& found) {
    if (!editor.workFolder.empty()) {
        const PathKind folder = probe(editor.workFolder);
        if (folder == PathKind::MISSING) {
            found.push_back({EDITOR_FIELD::WORK_FOLDER, "フォルダが変"});
        } else if (folder != PathKind::FOLDER) {
            found.push_back({EDITOR_FIELD::WORK_FOLDER, "フォルダじゃない"});
        }
    }
    if (!editor.iconAddress.empty() && probe(editor.iconAddress) == PathKind::MISSING) {
        found.push_back({EDITOR_FIELD::ICON, "アイコンが変"});
    }
}

} // namespace

bool isNewItemId(std::string_view text) {
    return utility::isItemId(text) && text.find('/') == std::string_view::npos;
}

std::vector<Refusal> itemRefusals(const ItemEditor& editor, std::string_view originalId,
                                  const drevak::Drevak& items, const PathProbe& probe) {
    std::vector<Refusal> found;
    checkId(editor, originalId, items, found);
    if (editor.name.empty()) {
        found.push_back({EDITOR_FIELD::NAME, "名前未入力"});
    }
    checkAddress(editor, probe, found);
    checkFiles(editor, probe, found);
    return found;
}

} // namespace tavrin::file
