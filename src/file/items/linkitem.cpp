#include "file/items/linkitem.h"

#include <memory>
#include <string>
#include <utility>

#include "etc/drevak/drevakexception.h"
#include "system/tavrinerrors.h"

namespace tavrin::file {
namespace {

using system::CODE;

Item linked(const Item& link, drevak::Drevak& items) {
    if (link.type() != Item::TYPE::LINK) {
        throw system::ItemException(link.description() + " is no link", CODE::ITEM_LINK);
    }
    // An invalid ID is refused before the lookup, with the item's own exception.
    try {
        return Item(link.linkAddress(), items);
    } catch (const drevak::DrevakException& missing) {
        throw system::TavrinException("ダメだって", CODE::NONE,
                                      std::make_shared<drevak::DrevakException>(missing));
    }
}

} // namespace

LinkItem::LinkItem(const Item& link, drevak::Drevak& items)
    : Item(linked(link, items)), source_(link.clone()) {}

LinkItem::LinkItem(const LinkItem& other) : Item(other), source_(other.source_->clone()) {}

std::unique_ptr<Item> LinkItem::clone() const {
    return std::make_unique<LinkItem>(*this);
}

std::string LinkItem::id() const {
    return source_->id();
}

std::string LinkItem::comment() const {
    std::string own = source_->comment();
    return own.empty() ? Item::comment() : own;
}

std::string LinkItem::workFolder() const {
    return source_->hasWorkFolder() ? source_->workFolder() : Item::workFolder();
}

bool LinkItem::hasWorkFolder() const {
    return source_->hasWorkFolder() || Item::hasWorkFolder();
}

std::string LinkItem::option() const {
    return source_->hasOption() ? source_->option() : Item::option();
}

bool LinkItem::hasOption() const {
    return source_->hasOption() || Item::hasOption();
}

std::string LinkItem::iconAddress() const {
    return source_->hasIconAddress() ? source_->iconAddress() : Item::iconAddress();
}

bool LinkItem::hasIconAddress() const {
    return source_->hasIconAddress() || Item::hasIconAddress();
}

Item::Integer LinkItem::iconIndex() const {
    return source_->hasIconIndex() ? source_->iconIndex() : Item::iconIndex();
}

bool LinkItem::hasIconIndex() const {
    return source_->hasIconIndex() || Item::hasIconIndex();
}

Item::Integer LinkItem::show() const {
    return hasOwnShow() ? source_->show() : Item::show();
}

bool LinkItem::hasShow() const {
    return hasOwnShow() || Item::hasShow();
}

std::vector<std::string> LinkItem::tags() const {
    return source_->tags();
}

void LinkItem::setTags(std::vector<std::string> tags) {
    source_->setTags(std::move(tags));
}

std::optional<ItemDateTime> LinkItem::registered() const {
    return source_->registered();
}

void LinkItem::setRegistered(const ItemDateTime& time) {
    source_->setRegistered(time);
}

std::optional<ItemDateTime> LinkItem::lastUsed() const {
    return source_->lastUsed();
}

void LinkItem::setLastUsed(const ItemDateTime& time) {
    source_->setLastUsed(time);
}

Item::Integer LinkItem::useCount() const {
    return source_->useCount();
}

void LinkItem::setUseCount(Integer count) {
    source_->setUseCount(count);
}

bool LinkItem::hasOwnShow() const {
    return source_->hasShow();
}

} // namespace tavrin::file
