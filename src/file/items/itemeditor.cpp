#include "file/items/itemeditor.h"

#include <memory>

#include "file/items/itemrenaming.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

void checkKey(const ItemEditor& editor) {
    if (editor.key < 'A' || editor.key > 'Z') {
        throw system::ItemSetException("キーが変: " + std::to_string(editor.key));
    }
}

using TYPE = Item::TYPE;

template <typename Read> auto readableTime(Read read) -> decltype(read()) {
    try {
        return read();
    } catch (const system::ItemException&) {
        return std::nullopt;
    }
}

void applyAddress(const ItemEditor& editor, Item& item) {
    switch (editor.type) {
    case TYPE::NORMAL:
        item.setFileAddress(editor.address);
        break;
    case TYPE::URI:
        item.setUriAddress(editor.address);
        break;
    case TYPE::MULTI:
        item.setMultiAddresses(editor.members);
        break;
    case TYPE::LINK:
        item.setLinkAddress(editor.address);
        break;
    }
}

} // namespace

ItemEditor loadEditor(const Item& item) {
    ItemEditor editor;
    editor.id = item.id();
    editor.name = item.name();
    editor.type = item.type();
    if (editor.type == TYPE::MULTI) {
        editor.members = item.multiAddresses();
    } else {
        editor.address = item.fileAddress();
    }
    editor.workFolder = item.workFolder();
    editor.option = item.option();
    editor.iconAddress = item.iconAddress();
    editor.iconIndex = item.iconIndex();
    editor.show = item.show();
    editor.tags = item.tags();
    editor.key = item.key();
    editor.comment = item.comment();
    editor.historyWorkFolders = item.historyWorkFolders();
    editor.historyOptions = item.historyOptions();
    editor.registered = readableTime([&] { return item.registered(); });
    editor.lastUsed = readableTime([&] { return item.lastUsed(); });
    editor.useCount = item.useCount();
    return editor;
}

void applyEditor(const ItemEditor& editor, Item& item) {
    item.setName(editor.name);
    item.setComment(editor.comment);
    applyAddress(editor, item);
    // A link's own setting overrides the linked item's; one it never had stays absent.
    const bool all = editor.type != TYPE::LINK;
    if (all || item.hasWorkFolder() || !editor.workFolder.empty()) {
        item.setWorkFolder(editor.workFolder);
    }
    if (all || item.hasOption() || !editor.option.empty()) {
        item.setOption(editor.option);
    }
    if (all || item.hasIconAddress() || !editor.iconAddress.empty()) {
        item.setIconAddress(editor.iconAddress);
    }
    if (all || item.hasIconIndex() || editor.iconIndex != 0) {
        item.setIconIndex(editor.iconIndex);
    }
    if (all || item.hasShow() || editor.show != 1) {
        item.setShow(editor.show);
    }
    item.setTags(editor.tags);
    item.setKey(static_cast<char>(editor.key));
    item.setHistoryWorkFolders(editor.historyWorkFolders);
    item.setHistoryOptions(editor.historyOptions);
    if (editor.registered) {
        item.setRegistered(*editor.registered);
    }
    if (editor.lastUsed) {
        item.setLastUsed(*editor.lastUsed);
    }
    item.setUseCount(editor.useCount);
}

void addEditor(const ItemEditor& editor, drevak::Drevak& items) {
    checkKey(editor);
    items.AddChild(std::make_unique<drevak::Drevak>(), editor.id);
    Item item(editor.id, items);
    applyEditor(editor, item);
    if (!editor.registered) {
        item.setRegistered(ItemDateTime());
    }
}

void commitEditor(const ItemEditor& editor, const std::string& originalId, drevak::Drevak& items,
                  drevak::Drevak& groups, ItemNaming& settings) {
    if (originalId.empty()) {
        addEditor(editor, items);
        return;
    }
    checkKey(editor);
    if (originalId != editor.id) {
        renameItem(items, groups, settings, originalId, editor.id);
    }
    Item item(editor.id, items);
    applyEditor(editor, item);
}

} // namespace tavrin::file
