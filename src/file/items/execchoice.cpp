#include "file/items/execchoice.h"

#include <algorithm>

namespace tavrin::file {

namespace {

std::string trimmed(std::string_view text) {
    constexpr std::string_view BLANKS = " \t";
    const std::size_t first = text.find_first_not_of(BLANKS);
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(BLANKS) - first + 1));
}

} // namespace

std::optional<OverrideInfo> overrideOf(const Item& item, const ExecChoice& chosen) {
    OverrideInfo changed;
    if (chosen.workFolder != item.workFolder()) {
        changed.mask |= OverrideInfo::WORK_FOLDER;
        changed.workFolder = chosen.workFolder;
    }
    if (chosen.option != item.option()) {
        changed.mask |= OverrideInfo::OPTION;
        changed.option = chosen.option;
    }
    if (chosen.show != item.show()) {
        changed.mask |= OverrideInfo::SHOW;
        changed.show = static_cast<std::int32_t>(chosen.show);
    }
    if (changed.mask == 0) {
        return std::nullopt;
    }
    return changed;
}

std::optional<std::vector<std::string>> updatedHistory(const std::vector<std::string>& older,
                                                       std::string_view started,
                                                       std::string_view typed, std::size_t limit) {
    std::string entry = trimmed(typed);
    if (limit == 0 || entry.empty() || entry == trimmed(started)) {
        return std::nullopt;
    }
    std::vector<std::string> history{std::move(entry)};
    for (const std::string& kept : older) {
        if (history.size() == limit) {
            break;
        }
        std::string text = trimmed(kept);
        if (!text.empty() && std::find(history.begin(), history.end(), text) == history.end()) {
            history.push_back(std::move(text));
        }
    }
    return history;
}

} // namespace tavrin::file
