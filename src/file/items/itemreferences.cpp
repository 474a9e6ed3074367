#include "file/items/itemreferences.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "file/items/linkitem.h"
#include "system/tavrinerrors.h"
#include "utility/convert.h"

namespace tavrin::file {
namespace {

using system::CODE;
using TYPE = Item::TYPE;

std::string joined(const std::vector<std::string>& trail) {
    std::string text;
    for (const std::string& id : trail) {
        text += (text.empty() ? "" : " -> ") + id;
    }
    return text;
}

// The IDs already being followed, outermost first.
class Trail {
public:
    Trail(const Item& start, CODE code) : start_(start), code_(code), ids_{start.id()} {}

    // Steps on to id; raises when id is already on the trail or the trail is too long.
    void enter(const std::string& id) {
        const bool loop = std::find(ids_.begin(), ids_.end(), id) != ids_.end();
        ids_.push_back(id);
        if (loop) {
            refuse("の参照が循環: ");
        }
        if (ids_.size() > MAX_REFERENCE_DEPTH + 1) {
            refuse("の参照が深すぎる: ");
        }
    }
    void leave() { ids_.pop_back(); }
    // A loop that passes a multi-item is a multi-item's fault, whatever else it passes.
    void passMulti() { code_ = CODE::ITEM_MULTI; }

private:
    [[noreturn]] void refuse(std::string_view what) const {
        throw system::ItemException(
            "アイテム(" + start_.id() + ")" + std::string(what) + joined(ids_), code_);
    }

    const Item& start_;
    CODE code_;
    std::vector<std::string> ids_;
};

// The IDs the item starts in its turn.
std::vector<std::string> references(const Item& item) {
    switch (item.type()) {
    case TYPE::LINK:
        return {item.linkAddress()};
    case TYPE::MULTI:
        return item.multiAddresses();
    case TYPE::NORMAL:
    case TYPE::URI:
        break;
    }
    return {};
}

class LoopCheck {
public:
    explicit LoopCheck(const Item& start) : trail_(start, CODE::ITEM_LINK) {}

    // Depth first; an item whose references were all followed once needs no second look,
    // which keeps shared members from making the walk exponential.
    void walk(const Item& item) {
        if (item.type() == TYPE::MULTI) {
            trail_.passMulti();
        }
        for (const std::string& id : references(item)) {
            if (!utility::isItemId(id) || !item.items().HaveChild(id) || done_.contains(id)) {
                continue;
            }
            trail_.enter(id);
            walk(Item(id, item.items()));
            trail_.leave();
            done_.insert(id);
        }
    }

private:
    Trail trail_;
    std::set<std::string> done_;
};

} // namespace

std::unique_ptr<Item> followLinks(const Item& item) {
    Trail trail(item, CODE::ITEM_LINK);
    std::unique_ptr<Item> view = item.clone();
    while (view->type() == TYPE::LINK) {
        trail.enter(view->linkAddress());
        view = std::make_unique<LinkItem>(*view, item.items());
    }
    return view;
}

void checkItemLoops(const Item& item) {
    LoopCheck(item).walk(item);
}

} // namespace tavrin::file
