#include "file/items/itemvalidation.h"

#include <memory>
#include <source_location>
#include <vector>

#include "system/tavrinerrors.h"
#include "utility/convert.h"

namespace tavrin::file {
namespace {

using TYPE = Item::TYPE;

void checkId(const ItemEditor& editor, std::string_view originalId, const drevak::Drevak& items,
             std::vector<std::string>& found) {
    if (editor.id.empty()) {
        found.push_back("ID未入力");
        return;
    }
    if (editor.id == originalId) {
        return;
    }
    if (!isNewItemId(editor.id)) {
        found.push_back(editor.id + "はIDに使用不可");
        return;
    }
    // A renamed item must not land on another one either: that would merge two items.
    if (items.HaveChild(editor.id)) {
        found.push_back(editor.id + "は既に存在する");
    }
}

void checkAddress(const ItemEditor& editor, const PathProbe& probe,
                  std::vector<std::string>& found) {
    if (editor.type == TYPE::NORMAL) {
        if (editor.address.empty()) {
            found.push_back("アドレス未記入");
        } else if (probe(editor.address) == PathKind::MISSING) {
            found.push_back("指定アドレス無効");
        }
    } else if (editor.type == TYPE::URI && editor.address.empty()) {
        found.push_back("URI未記入");
    }
}

void checkFiles(const ItemEditor& editor, const PathProbe& probe, std::vector<std::string>& found) {
    if (!editor.workFolder.empty()) {
        const PathKind folder = probe(editor.workFolder);
        if (folder == PathKind::MISSING) {
            found.push_back("フォルダが変");
        } else if (folder != PathKind::FOLDER) {
            found.push_back("フォルダじゃない");
        }
    }
    if (!editor.iconAddress.empty() && probe(editor.iconAddress) == PathKind::MISSING) {
        found.push_back("アイコンが変");
    }
}

} // namespace

bool isNewItemId(std::string_view text) {
    return utility::isItemId(text) && text.find('/') == std::string_view::npos;
}

void validateItem(const ItemEditor& editor, std::string_view originalId,
                  const drevak::Drevak& items, const PathProbe& probe) {
    std::vector<std::string> found;
    checkId(editor, originalId, items, found);
    if (editor.name.empty()) {
        found.push_back("名前未入力");
    }
    checkAddress(editor, probe, found);
    checkFiles(editor, probe, found);
    if (found.empty()) {
        return;
    }
    std::shared_ptr<const std::exception> next;
    for (auto message = found.rbegin(); message != found.rend(); ++message) {
        // Built in place by the library, the failure would name the library's line as its own.
        next = std::make_shared<system::ItemSetException>(*message, system::CODE::NONE, next,
                                                          std::source_location::current());
    }
    throw system::ItemSetException(*static_cast<const system::ItemSetException*>(next.get()));
}

} // namespace tavrin::file
