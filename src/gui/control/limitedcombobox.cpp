#include "gui/control/limitedcombobox.h"

#include <algorithm>
#include <utility>

#include "system/log.h"
#include "tvgui/keyboard/key.h"

namespace tavrin::gui {

namespace {

void logOutside(const std::string& format, drevak::Integer value) noexcept {
    system::WriteLog([&] { return system::formatLog(format, {std::to_string(value)}); });
}

std::vector<LimitedComboBox::Entry> letterKeys() {
    std::vector<LimitedComboBox::Entry> letters;
    for (const tvgui::KEY key : tvgui::allKeys()) {
        if (key >= tvgui::KEY::A && key <= tvgui::KEY::Z) {
            letters.push_back(
                {std::string(tvgui::keyName(key)), static_cast<drevak::Integer>(key)});
        }
    }
    return letters;
}

} // namespace

LimitedComboBox::LimitedComboBox(tvgui::ITEM_ID id, tvgui::TvGui& owner, std::vector<Entry> entries,
                                 std::string outsideLog, std::string positionLog)
    : ComboBox(id, owner, TYPE::DROPDOWNLIST), entries_(std::move(entries)),
      outsideLog_(std::move(outsideLog)),
      positionLog_(positionLog.empty() ? outsideLog_ : std::move(positionLog)) {
    for (const Entry& entry : entries_) {
        add(entry.label);
    }
}

void LimitedComboBox::value(Integer stored) {
    if (extra_) {
        remove(static_cast<int>(entries_.size()));
        extra_.reset();
    }
    const auto found = std::ranges::find(entries_, stored, &Entry::value);
    if (found != entries_.end()) {
        selectIndex(static_cast<int>(found - entries_.begin()));
        return;
    }
    logOutside(outsideLog_, stored);
    extra_ = stored;
    selectIndex(add("(" + std::to_string(stored) + ")"));
}

LimitedComboBox::Integer LimitedComboBox::value() const {
    const int position = selectedIndex().value_or(-1);
    if (position >= 0 && static_cast<std::size_t>(position) < entries_.size()) {
        return entries_[static_cast<std::size_t>(position)].value;
    }
    if (extra_ && static_cast<std::size_t>(position) == entries_.size()) {
        return *extra_;
    }
    logOutside(positionLog_, position);
    return entries_.front().value;
}

TypeComboBox::TypeComboBox(tvgui::ITEM_ID id, tvgui::TvGui& owner)
    : LimitedComboBox(id, owner, {{"通常", 0}, {"URI", 1}, {"複数", 2}, {"リンク", 3}},
                      "[%s]は指定値以外のためItem.TYPE.NORMALへ") {}

ShowComboBox::ShowComboBox(tvgui::ITEM_ID id, tvgui::TvGui& owner)
    : LimitedComboBox(id, owner,
                      {{"通常表示", 1},
                       {"最小化", 2},
                       {"最大化", 3},
                       {"通常表示(非アクティブ)", 4},
                       {"最小化(非アクティブ)", 7}},
                      "[%s]は指定値以外のため通常表示へ") {}

KeyComboBox::KeyComboBox(tvgui::ITEM_ID id, tvgui::TvGui& owner)
    : LimitedComboBox(id, owner, letterKeys(), "[%s]は指定値以外のためKEY.Aへ",
                      "[%s]は指定値以外のため0へ") {}

} // namespace tavrin::gui
