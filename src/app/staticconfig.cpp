#include "app/staticconfig.h"

#include "etc/drevak/drevakexception.h"
#include "etc/drevak/dvkdocument.h"
#include "file/datafile.h"
#include "shell/path.h"
#include "system/unicode.h"
#include "system/win32.h"
#include "utility/pathrules.h"

namespace tavrin::app {

using system::StaticData;

namespace {

constexpr std::string_view programFolderMark = "<TAVRIN>";

std::string withoutTrailingBackslashes(std::string_view folder) {
    while (!folder.empty() && folder.back() == '\\') {
        folder.remove_suffix(1);
    }
    return std::string(folder);
}

std::string replaceAll(std::string_view text, std::string_view mark, std::string_view by) {
    std::string result;
    for (std::size_t found = text.find(mark); found != std::string_view::npos;
         found = text.find(mark)) {
        result.append(text.substr(0, found)).append(by);
        text.remove_prefix(found + mark.size());
    }
    return result.append(text);
}

std::wstring expandEnvironment(const std::wstring& text) {
    std::wstring buffer(text.size() + 1, L'\0');
    for (;;) {
        const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), buffer.data(),
                                                       static_cast<DWORD>(buffer.size()));
        if (needed == 0) {
            return text;
        }
        if (needed <= buffer.size()) {
            buffer.resize(needed - 1);
            return buffer;
        }
        buffer.resize(needed);
    }
}

// The node at the address when it holds a value of the wanted type. Filter names come
// from the file and may not make a valid address: such a key counts as missing too.
const drevak::Drevak* valueNode(const drevak::DvkDocument& document, std::string_view address,
                                drevak::HAGATA type) {
    try {
        if (!document.HaveChild(address)) {
            return nullptr;
        }
        const drevak::Drevak& node = document.GetChild(address);
        return node.HaveFile() && node.FileType() == type ? &node : nullptr;
    } catch (const drevak::DrevakException&) {
        return nullptr;
    }
}

class Reader {
public:
    Reader(const drevak::DvkDocument& document, std::string_view programFolder)
        : document_(document), programFolder_(programFolder) {}

    std::string string(std::string_view address, std::string_view fallback) const {
        const drevak::Drevak* node = valueNode(document_, address, drevak::HAGATA::string);
        return expandStaticText(node ? std::string_view(node->GetString()) : fallback,
                                programFolder_);
    }

    bool flag(std::string_view address) const {
        const drevak::Drevak* node = valueNode(document_, address, drevak::HAGATA::Integer);
        return node && node->GetInteger() != 0;
    }

    std::vector<std::vector<std::wstring>> filters() const {
        const drevak::Drevak* names = strings("filter");
        if (!names) {
            return {{L"all", L"*"}};
        }
        std::vector<std::vector<std::wstring>> result;
        for (const std::string& name : names->GetStrings()) {
            const drevak::Drevak* patterns = strings("filter/" + name);
            if (!patterns) {
                result.push_back({L"*"});
                continue;
            }
            std::vector<std::wstring>& filter = result.emplace_back();
            for (const std::string& pattern : patterns->GetStrings()) {
                filter.push_back(system::toWide(pattern));
            }
        }
        return result;
    }

private:
    const drevak::Drevak* strings(std::string_view address) const {
        return valueNode(document_, address, drevak::HAGATA::TSV_string);
    }

    const drevak::DvkDocument& document_;
    std::string_view programFolder_;
};

drevak::DvkDocument loadOrEmpty(const std::string& path) {
    try {
        return file::LoadDocument(path);
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

StaticData::Values readStaticConfiguration(const drevak::DvkDocument& document,
                                           std::string_view programFolder) {
    const Reader reader(document, programFolder);
    StaticData::Values values;
    values.DataFolder = reader.string("folder/data", "<TAVRIN>\\data\\%USERNAME%\\");
    values.TempFolder = reader.string("folder/temp", "%TEMP%\\tavrin\\");
    values.ResourceFolder = reader.string("folder/res", "<TAVRIN>\\resource\\");
    values.LanguageFolder = reader.string("folder/lang", "<TAVRIN>\\resource\\language\\");
    values.LogFolder = reader.string("folder/log", "<TAVRIN>\\log\\");
    values.ApplicationFile = reader.string("file/data/application", "app.dvk");
    values.GroupsFile = reader.string("file/data/groups", "groups.dvk");
    values.ItemsFile = reader.string("file/data/items", "items.dvk");
    values.Filters = reader.filters();
    values.HelpFile = reader.string("help", "<TAVRIN>\\help\\help.hta");
    values.LogEnabled = reader.flag("setting/log");
    values.HookerFile = reader.string("folder/plugin", "<TAVRIN>\\plugin\\") +
                        reader.string("file/plugin/hooker", "Hooker.dll");
    return values;
}

std::string expandStaticText(std::string_view text, std::string_view programFolder) {
    const std::string located =
        replaceAll(text, programFolderMark, withoutTrailingBackslashes(programFolder));
    return system::toUtf8(expandEnvironment(system::toWide(located)));
}

void loadStaticConfiguration() {
    const std::string folder = system::toUtf8(utility::parentFolder(shell::programPath()));
    StaticData::initialize(readStaticConfiguration(loadOrEmpty(folder + ".\\static.dvk"), folder));
}

} // namespace tavrin::app
