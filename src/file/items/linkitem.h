#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "file/items/item.h"

namespace tavrin::file {

// A link item seen as the item it links to: kind, address and display name are the linked
// item's; the ID, the tags and the history are the link's own; the settings a link may leave
// out are the link's where it has them and the linked item's otherwise.
class LinkItem : public Item {
public:
    // Views the item named by the link's address under items. Raises ItemException
    // (ITEM_LINK) when link is not a link, the linked ID's ItemException when that ID is
    // invalid, and TavrinException "ダメだって" with the document's error as its cause when
    // items has no such item.
    LinkItem(const Item& link, drevak::Drevak& items);
    LinkItem(const LinkItem& other);
    LinkItem& operator=(const LinkItem&) = delete;

    std::unique_ptr<Item> clone() const override;

    std::string id() const override;
    std::string comment() const override;

    std::string workFolder() const override;
    bool hasWorkFolder() const override;
    std::string option() const override;
    bool hasOption() const override;
    std::string iconAddress() const override;
    bool hasIconAddress() const override;
    Integer iconIndex() const override;
    bool hasIconIndex() const override;
    Integer show() const override;
    bool hasShow() const override;

    std::vector<std::string> tags() const override;
    void setTags(std::vector<std::string> tags) override;
    std::optional<ItemDateTime> registered() const override;
    void setRegistered(const ItemDateTime& time) override;
    std::optional<ItemDateTime> lastUsed() const override;
    void setLastUsed(const ItemDateTime& time) override;
    Integer useCount() const override;
    void setUseCount(Integer count) override;

    // Whether the link itself decides the show code.
    virtual bool hasOwnShow() const;

    const Item& source() const noexcept { return *source_; }

private:
    std::unique_ptr<Item> source_;
};

} // namespace tavrin::file
