#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "etc/drevak/drevak.h"
#include "file/data.h"
#include "file/items/itemdatetime.h"

namespace tavrin::file {

// One launch item: a typed view over its node under the items document's "Item" node. It
// copies nothing: every getter reads the node and every setter writes it. Building the view
// repairs the node, creating missing settings with their defaults and resetting settings of
// the wrong type or out of range, so a damaged items file never stops a start.
class Item : public Data {
public:
    using Integer = drevak::Integer;

    enum class TYPE : Integer { NORMAL, URI, MULTI, LINK };

    // The settings, in the order of the node table; NODE is the item's own node.
    enum class ITEM : std::size_t {
        NODE,
        TYPE,
        ADDRESS,
        WORK_FOLDER,
        OPTION,
        ICON_ADDRESS,
        ICON_INDEX,
        SHOW,
        TAGS,
        KEY,
        HISTORY_WORK_FOLDERS,
        HISTORY_OPTIONS,
        HISTORY_REGIST,
        HISTORY_LAST,
        HISTORY_USE,
    };
    static constexpr std::size_t ITEM_COUNT = 15;

    // The view over the child of items named by id. Raises ItemException with the ID as its
    // message for an ID that utility::isItemId refuses (nothing is created), and
    // DrevakException when items has no such child.
    Item(std::string id, drevak::Drevak& items);

    // A copy of the view as the class it is, so that a link can keep the item it wraps.
    virtual std::unique_ptr<Item> clone() const;

    // The items document's "Item" node, which other items are looked up in.
    drevak::Drevak& items() const;

    virtual TYPE type() const;
    virtual std::string id() const;
    // "name(id)[letter]", or "(id)[letter]" without a display name.
    virtual std::string description() const;

    virtual std::string name() const;
    virtual void setName(std::string name);
    virtual std::string comment() const;
    virtual void setComment(std::string comment);

    // The address getters read "Address" whatever the kind; each setter sets its kind too.
    virtual std::string fileAddress() const;
    virtual void setFileAddress(std::string path);
    virtual std::string uriAddress() const;
    virtual void setUriAddress(std::string uri);
    // Empty unless "Address" holds a list.
    virtual std::vector<std::string> multiAddresses() const;
    virtual void setMultiAddresses(std::vector<std::string> ids);
    virtual std::string linkAddress() const;
    virtual void setLinkAddress(std::string id);

    // Settings a link may leave out, so that the linked item's apply. Read while absent,
    // each gives its default; a setter creates the node.
    virtual std::string workFolder() const;
    virtual void setWorkFolder(std::string folder);
    virtual bool hasWorkFolder() const;
    virtual std::string option() const;
    virtual void setOption(std::string option);
    virtual bool hasOption() const;
    virtual std::string iconAddress() const;
    virtual void setIconAddress(std::string path);
    virtual bool hasIconAddress() const;
    virtual Integer iconIndex() const;
    // Raises ItemException for a negative index, which the repair would discard.
    virtual void setIconIndex(Integer index);
    virtual bool hasIconIndex() const;
    // A show-window code, 0 to 11.
    virtual Integer show() const;
    // Raises ItemException for a code outside 0 to 11, which the repair would discard.
    virtual void setShow(Integer show);
    virtual bool hasShow() const;

    virtual std::vector<std::string> tags() const;
    virtual void setTags(std::vector<std::string> tags);
    // The letter "A" to "Z".
    virtual char key() const;
    // Raises ItemException for anything but "A" to "Z".
    virtual void setKey(char letter);

    virtual std::vector<std::string> historyWorkFolders() const;
    virtual void setHistoryWorkFolders(std::vector<std::string> folders);
    virtual bool hasHistoryWorkFolders() const;
    virtual std::vector<std::string> historyOptions() const;
    virtual void setHistoryOptions(std::vector<std::string> options);
    virtual bool hasHistoryOptions() const;

    // Empty while the item has never been registered or started; a stored text that is not
    // a history time raises its ItemException.
    virtual std::optional<ItemDateTime> registered() const;
    virtual void setRegistered(const ItemDateTime& time);
    virtual std::optional<ItemDateTime> lastUsed() const;
    virtual void setLastUsed(const ItemDateTime& time);
    virtual Integer useCount() const;
    // A negative count is stored as 0.
    virtual void setUseCount(Integer count);

    // Items are the same item when their IDs are.
    bool operator==(const Item& other) const { return id() == other.id(); }

protected:
    Item(const Item&) = default;
    Item& operator=(const Item&) = default;

    // ItemError "item "<ID>" no longer exists".
    [[noreturn]] void raiseGone() const override;

private:
    drevak::Drevak& itemNode() const { return field(0); }
    drevak::Drevak& setting(ITEM item) const { return field(static_cast<std::size_t>(item)); }
    bool present(ITEM item) const { return node(static_cast<std::size_t>(item)) != nullptr; }
    std::string text(ITEM item) const { return stringField(static_cast<std::size_t>(item)); }
    std::vector<std::string> texts(ITEM item) const;
    // The setting's node, created first when the item has none.
    drevak::Drevak& ensure(ITEM item);
    void setAddress(TYPE type, std::string address);

    std::string id_;
    drevak::Drevak* items_;
};

} // namespace tavrin::file
