#include "itemsample.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "etc/drevak/dvkdocument.h"

namespace bench {

namespace {

constexpr std::size_t ITEM_COUNT = 10000;

std::string format(const char* pattern, std::size_t a, std::size_t b = 0) {
    std::array<char, 256> buffer{};
    std::snprintf(buffer.data(), buffer.size(), pattern, a, b);
    return buffer.data();
}

// A history time as the launcher stores it: "[YYYY]/[M]/[DD] [hh]:[mm]:[ss]".
std::string historyTime(std::size_t seed) {
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04zu/%02zu/%02zu %02zu:%02zu:%02zu",
                  2008 + seed % 17, 1 + seed % 12, 1 + seed % 28, seed % 24, (seed * 7) % 60,
                  (seed * 13) % 60);
    return buffer.data();
}

// The settings of one item node; every field goes into both forms.
struct ItemSettings {
    std::string id;
    std::string name;
    std::string comment;
    int type;
    std::string address;
    std::vector<std::string> multiAddress; // for MULTI items, in place of address
    std::string workFolder;
    std::string option;
    std::string iconAddress;
    int iconIndex;
    int show;
    std::vector<std::string> tags;
    int key;
    // Not an item setting of the application: it stands for the Integer[] positions and
    // sizes of the settings file, so that the load covers that type too.
    std::vector<int> window;
    std::vector<std::string> historyWorkFolders;
    std::vector<std::string> historyOptions;
    std::string registered;
    std::string lastUsed;
    int useCount;
};

ItemSettings makeItem(std::size_t i) {
    ItemSettings item;
    item.id = format("item%05zu", i);
    item.name = format("メモ帳 %zu 号", i);
    item.comment = i % 5 == 0 ? format("よく使う道具 %zu", i) : std::string();
    item.type = i % 20 == 0 ? 2 : i % 10 == 0 ? 1 : 0;
    if (item.type == 2) {
        item.multiAddress = {format("item%05zu", (i + 1) % ITEM_COUNT),
                             format("item%05zu", (i + 2) % ITEM_COUNT)};
    } else if (item.type == 1) {
        item.address = format("https://example.org/ページ/%zu?q=%zu", i, i * 3);
    } else {
        item.address = format("C:\\Program Files\\アプリ%zu\\app%zu.exe", i, i);
    }
    item.workFolder = format("C:\\Users\\利用者\\作業 %zu", i);
    item.option = format("--open \"%%USERPROFILE%%\\文書\\file%zu.txt\"\t-v%zu", i, i % 3);
    item.iconAddress = i % 3 == 0 ? format("C:\\Icons\\icon%zu.ico", i) : std::string();
    item.iconIndex = static_cast<int>(i % 5);
    item.show = i % 4 == 0 ? 3 : 1;
    item.tags = {"ツール", format("tag%zu", i % 7), format("分類%zu", i % 11)};
    item.key = 65 + static_cast<int>(i % 26);
    item.window = {static_cast<int>(i % 1920), static_cast<int>(i % 1080), 640, 480};
    item.historyWorkFolders = {format("C:\\Work\\%zu", i), format("D:\\資料\\%zu", i % 50)};
    item.historyOptions = {format("-n %zu", i), ""};
    item.registered = historyTime(i);
    item.lastUsed = historyTime(i * 31 + 7);
    item.useCount = static_cast<int>((i * 7) % 1000);
    return item;
}

drevak::Drevak& node(drevak::Drevak& root, std::initializer_list<std::string_view> address) {
    const std::vector<std::string_view> components(address);
    return root.CreatePath(components);
}

void addToDocument(drevak::DvkDocument& document, const ItemSettings& item) {
    drevak::Drevak& itemNode = node(document, {"Item", item.id});
    itemNode = item.name;
    itemNode.Comment = item.comment;
    node(itemNode, {"Type"}) = item.type;
    if (item.type == 2) {
        node(itemNode, {"Address"}) = item.multiAddress;
    } else {
        node(itemNode, {"Address"}) = item.address;
    }
    node(itemNode, {"WorkFolder"}) = item.workFolder;
    node(itemNode, {"Option"}) = item.option;
    node(itemNode, {"Icon", "Address"}) = item.iconAddress;
    node(itemNode, {"Icon", "Index"}) = item.iconIndex;
    node(itemNode, {"Show"}) = item.show;
    node(itemNode, {"Tags"}) = item.tags;
    node(itemNode, {"Key"}) = item.key;
    node(itemNode, {"Window"}) =
        std::vector<drevak::Integer>(item.window.begin(), item.window.end());
    node(itemNode, {"History", "WorkFolders"}) = item.historyWorkFolders;
    node(itemNode, {"History", "Options"}) = item.historyOptions;
    node(itemNode, {"History", "Regist"}) = item.registered;
    node(itemNode, {"History", "Last"}) = item.lastUsed;
    node(itemNode, {"History", "Use"}) = item.useCount;
}

nlohmann::json toJson(const ItemSettings& item) {
    nlohmann::json json = {
        {"Name", item.name},
        {"Type", item.type},
        {"WorkFolder", item.workFolder},
        {"Option", item.option},
        {"Icon", {{"Address", item.iconAddress}, {"Index", item.iconIndex}}},
        {"Show", item.show},
        {"Tags", item.tags},
        {"Key", item.key},
        {"Window", item.window},
        {"History",
         {{"WorkFolders", item.historyWorkFolders},
          {"Options", item.historyOptions},
          {"Regist", item.registered},
          {"Last", item.lastUsed},
          {"Use", item.useCount}}},
    };
    if (item.type == 2) {
        json["Address"] = item.multiAddress;
    } else {
        json["Address"] = item.address;
    }
    if (!item.comment.empty()) {
        json["Comment"] = item.comment;
    }
    return json;
}

ItemSample makeSample() {
    drevak::DvkDocument document;
    document.Comment = "ランチャーのアイテム";
    nlohmann::json items = nlohmann::json::object();
    for (std::size_t i = 0; i < ITEM_COUNT; ++i) {
        const ItemSettings item = makeItem(i);
        addToDocument(document, item);
        items[item.id] = toJson(item);
    }
    const nlohmann::json json = {{"Comment", document.Comment}, {"Item", std::move(items)}};
    return {document.toString(), json.dump(), ITEM_COUNT};
}

} // namespace

const ItemSample& itemSample() {
    static const ItemSample sample = makeSample();
    return sample;
}

} // namespace bench
