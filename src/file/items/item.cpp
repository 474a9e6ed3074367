#include "file/items/item.h"

#include <array>
#include <string>
#include <utility>

#include "etc/drevak/convert.h"
#include "file/settingrules.h"
#include "system/tavrinerrors.h"
#include "utility/convert.h"

namespace tavrin::file {
namespace {

using drevak::Convert;
using drevak::Drevak;
using drevak::HAGATA;
using Integer = Item::Integer;
using ITEM = Item::ITEM;
using TYPE = Item::TYPE;

constexpr Integer DEFAULT_SHOW = 1; // shows the window normally
constexpr Integer LAST_SHOW = 11;
constexpr Integer FIRST_KEY = 'A';
constexpr Integer LAST_KEY = 'Z';

constexpr rules::Range COUNT = rules::atLeast(0, 0);

struct Setting {
    ITEM item;
    std::string_view address;
    rules::Rule rule;
    // A link leaves the settings it shares with its target out.
    bool optionalOnLink;
};

constexpr std::array<Setting, 12> settings{{
    {ITEM::WORK_FOLDER, "WorkFolder", rules::Text{}, true},
    {ITEM::OPTION, "Option", rules::Text{}, true},
    {ITEM::ICON_ADDRESS, "Icon/Address", rules::Text{}, true},
    {ITEM::ICON_INDEX, "Icon/Index", COUNT, true},
    {ITEM::SHOW, "Show", rules::Range{0, LAST_SHOW, DEFAULT_SHOW}, true},
    {ITEM::TAGS, "Tags", rules::Texts{}, false},
    {ITEM::KEY, "Key", rules::Range{FIRST_KEY, LAST_KEY, FIRST_KEY}, false},
    {ITEM::HISTORY_WORK_FOLDERS, "History/WorkFolders", rules::Texts{}, false},
    {ITEM::HISTORY_OPTIONS, "History/Options", rules::Texts{}, false},
    {ITEM::HISTORY_REGIST, "History/Regist", rules::Text{}, false},
    {ITEM::HISTORY_LAST, "History/Last", rules::Text{}, false},
    {ITEM::HISTORY_USE, "History/Use", COUNT, false},
}};

constexpr std::size_t indexOf(ITEM item) {
    return static_cast<std::size_t>(item);
}

static_assert(indexOf(ITEM::HISTORY_USE) + 1 == Item::ITEM_COUNT);
static_assert(rules::inTableOrder(settings, indexOf(ITEM::WORK_FOLDER)));

// Group nodes hold settings, never a value of their own.
Drevak& groupNode(Drevak& item, std::string_view name) {
    Drevak& group = item.childOrNew(name);
    if (group.HaveFile()) {
        group.DeleteFile();
    }
    return group;
}

char kindLetter(TYPE type) {
    switch (type) {
    case TYPE::NORMAL:
        return 'n';
    case TYPE::URI:
        return 'u';
    case TYPE::MULTI:
        return 'm';
    case TYPE::LINK:
        return 'l';
    }
    throw system::ItemError("TYPE(" + std::to_string(static_cast<Integer>(type)) + ")");
}

std::string_view checkedId(std::string_view id) {
    if (!utility::isItemId(id)) {
        throw system::ItemException(std::string(id));
    }
    return id;
}

std::optional<ItemDateTime> timeOf(const std::string& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    return ItemDateTime(text);
}

} // namespace

Item::Item(std::string id, Drevak& items) : Data(ITEM_COUNT), id_(checkedId(id)), items_(&items) {
    Drevak& item = items.GetChild(id_);
    bind(indexOf(ITEM::NODE), item);

    Drevak& type = item.childOrNew("Type");
    rules::repair(type, rules::Range{0, static_cast<Integer>(TYPE::LINK),
                                     static_cast<Integer>(TYPE::NORMAL)});
    bind(indexOf(ITEM::TYPE), type);
    const bool link = type.GetInteger() == static_cast<Integer>(TYPE::LINK);
    const bool multi = type.GetInteger() == static_cast<Integer>(TYPE::MULTI);

    if (!item.HaveChild("Address")) {
        Drevak& created = item.childOrNew("Address");
        if (multi) {
            created = std::vector<std::string>();
        } else {
            created = std::string();
        }
    }
    Drevak& address = item.GetChild("Address");
    if (!rules::holds(address, HAGATA::string) && !rules::holds(address, HAGATA::TSV_string)) {
        address = std::string();
    }
    bind(indexOf(ITEM::ADDRESS), address);

    groupNode(item, "Icon");
    groupNode(item, "History");

    for (const Setting& setting : settings) {
        const std::vector<std::string_view> path = Convert::splitAddress(setting.address);
        if (link && setting.optionalOnLink && !item.HaveChildPath(path)) {
            continue;
        }
        Drevak& held = item.CreatePath(path);
        bind(indexOf(setting.item), held);
        rules::repair(held, setting.rule);
    }
}

drevak::Drevak& Item::items() const {
    checkCurrent();
    return *items_;
}

void Item::raiseGone() const {
    throw system::ItemError("item \"" + id_ + "\" no longer exists");
}

std::unique_ptr<Item> Item::clone() const {
    return std::unique_ptr<Item>(new Item(*this));
}

Item::TYPE Item::type() const {
    return static_cast<TYPE>(setting(ITEM::TYPE).GetInteger());
}

std::string Item::id() const {
    return id_;
}

std::string Item::description() const {
    return name() + "(" + id() + ")[" + kindLetter(type()) + "]";
}

std::string Item::name() const {
    return text(ITEM::NODE);
}

void Item::setName(std::string name) {
    itemNode() = std::move(name);
}

std::string Item::comment() const {
    return itemNode().Comment;
}

void Item::setComment(std::string comment) {
    itemNode().Comment = std::move(comment);
}

std::string Item::fileAddress() const {
    return text(ITEM::ADDRESS);
}

void Item::setFileAddress(std::string path) {
    setAddress(TYPE::NORMAL, std::move(path));
}

std::string Item::uriAddress() const {
    return text(ITEM::ADDRESS);
}

void Item::setUriAddress(std::string uri) {
    setAddress(TYPE::URI, std::move(uri));
}

std::vector<std::string> Item::multiAddresses() const {
    return texts(ITEM::ADDRESS);
}

void Item::setMultiAddresses(std::vector<std::string> ids) {
    setting(ITEM::ADDRESS) = std::move(ids);
    setting(ITEM::TYPE) = static_cast<Integer>(TYPE::MULTI);
}

std::string Item::linkAddress() const {
    return text(ITEM::ADDRESS);
}

void Item::setLinkAddress(std::string id) {
    setAddress(TYPE::LINK, std::move(id));
}

std::string Item::workFolder() const {
    return text(ITEM::WORK_FOLDER);
}

void Item::setWorkFolder(std::string folder) {
    ensure(ITEM::WORK_FOLDER) = std::move(folder);
}

bool Item::hasWorkFolder() const {
    return present(ITEM::WORK_FOLDER);
}

std::string Item::option() const {
    return text(ITEM::OPTION);
}

void Item::setOption(std::string option) {
    ensure(ITEM::OPTION) = std::move(option);
}

bool Item::hasOption() const {
    return present(ITEM::OPTION);
}

std::string Item::iconAddress() const {
    return text(ITEM::ICON_ADDRESS);
}

void Item::setIconAddress(std::string path) {
    ensure(ITEM::ICON_ADDRESS) = std::move(path);
}

bool Item::hasIconAddress() const {
    return present(ITEM::ICON_ADDRESS);
}

Integer Item::iconIndex() const {
    return hasIconIndex() ? setting(ITEM::ICON_INDEX).GetInteger() : 0;
}

void Item::setIconIndex(Integer index) {
    if (index < 0) {
        throw system::ItemException("Icon/Index = " + std::to_string(index));
    }
    ensure(ITEM::ICON_INDEX) = index;
}

bool Item::hasIconIndex() const {
    return present(ITEM::ICON_INDEX);
}

Integer Item::show() const {
    return hasShow() ? setting(ITEM::SHOW).GetInteger() : DEFAULT_SHOW;
}

void Item::setShow(Integer show) {
    if (show < 0 || show > LAST_SHOW) {
        throw system::ItemException("Show = " + std::to_string(show));
    }
    ensure(ITEM::SHOW) = show;
}

bool Item::hasShow() const {
    return present(ITEM::SHOW);
}

std::vector<std::string> Item::tags() const {
    return texts(ITEM::TAGS);
}

void Item::setTags(std::vector<std::string> tags) {
    setting(ITEM::TAGS) = std::move(tags);
}

char Item::key() const {
    return static_cast<char>(setting(ITEM::KEY).GetInteger());
}

void Item::setKey(char letter) {
    if (letter < FIRST_KEY || letter > LAST_KEY) {
        throw system::ItemException("Key = " + std::string(1, letter));
    }
    setting(ITEM::KEY) = Integer{letter};
}

std::vector<std::string> Item::historyWorkFolders() const {
    return texts(ITEM::HISTORY_WORK_FOLDERS);
}

void Item::setHistoryWorkFolders(std::vector<std::string> folders) {
    ensure(ITEM::HISTORY_WORK_FOLDERS) = std::move(folders);
}

bool Item::hasHistoryWorkFolders() const {
    return present(ITEM::HISTORY_WORK_FOLDERS);
}

std::vector<std::string> Item::historyOptions() const {
    return texts(ITEM::HISTORY_OPTIONS);
}

void Item::setHistoryOptions(std::vector<std::string> options) {
    ensure(ITEM::HISTORY_OPTIONS) = std::move(options);
}

bool Item::hasHistoryOptions() const {
    return present(ITEM::HISTORY_OPTIONS);
}

std::optional<ItemDateTime> Item::registered() const {
    return timeOf(text(ITEM::HISTORY_REGIST));
}

void Item::setRegistered(const ItemDateTime& time) {
    setting(ITEM::HISTORY_REGIST) = time.toString();
}

std::optional<ItemDateTime> Item::lastUsed() const {
    return timeOf(text(ITEM::HISTORY_LAST));
}

void Item::setLastUsed(const ItemDateTime& time) {
    setting(ITEM::HISTORY_LAST) = time.toString();
}

Integer Item::useCount() const {
    return setting(ITEM::HISTORY_USE).GetInteger();
}

void Item::setUseCount(Integer count) {
    setting(ITEM::HISTORY_USE) = count < 0 ? 0 : count;
}

std::vector<std::string> Item::texts(ITEM item) const {
    const Drevak* held = node(indexOf(item));
    if (held == nullptr || !rules::holds(*held, HAGATA::TSV_string)) {
        return {};
    }
    return held->GetStrings();
}

Drevak& Item::ensure(ITEM item) {
    if (!present(item)) {
        const Setting& wanted = settings[indexOf(item) - indexOf(ITEM::WORK_FOLDER)];
        bind(indexOf(item), itemNode().CreatePath(Convert::splitAddress(wanted.address)));
    }
    return setting(item);
}

void Item::setAddress(TYPE type, std::string address) {
    setting(ITEM::ADDRESS) = std::move(address);
    setting(ITEM::TYPE) = static_cast<Integer>(type);
}

} // namespace tavrin::file
