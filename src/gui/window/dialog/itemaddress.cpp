#include "gui/window/dialog/itemaddress.h"

#include <algorithm>
#include <sstream>

namespace tavrin::gui {
namespace {

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

} // namespace

MultiInput::MultiInput(tvgui::ITEM_ID id, tvgui::TvGui& owner) : MultiEdit(id, owner) {
    wantReturn(true);
}

std::vector<std::string> MultiInput::members() const {
    std::vector<std::string> ids;
    std::istringstream lines(text());
    for (std::string line; std::getline(lines, line);) {
        if (std::string id = trimmed(line); !id.empty()) {
            ids.push_back(std::move(id));
        }
    }
    return ids;
}

void MultiInput::members(const std::vector<std::string>& ids) {
    std::string text;
    for (const std::string& id : ids) {
        text += (text.empty() ? "" : "\r\n") + id;
    }
    setText(text);
}

void MultiInput::keepCaretLine() {
    const auto caret = static_cast<WPARAM>(selection().first);
    const auto line = static_cast<int>(SendMessageW(hwnd(), EM_LINEFROMCHAR, caret, 0));
    std::istringstream lines(text());
    std::string kept;
    for (int index = 0; std::getline(lines, kept) && index < line; ++index) {
    }
    members({trimmed(kept)});
}

ItemAddress::ItemAddress(tvgui::ITEM_ID lineId, tvgui::ITEM_ID listId, tvgui::TvGui& owner,
                         std::int32_t lineHeight)
    : line_(lineId, owner), list_(listId, owner), lineHeight_(lineHeight) {}

void ItemAddress::focus() {
    if (multi_) {
        list_.focus();
    } else {
        line_.focus();
    }
}

void ItemAddress::kind(file::Item::TYPE type) {
    multi_ = type == file::Item::TYPE::MULTI;
    line_.show(multi_ ? tvgui::SHOW::HIDE : tvgui::SHOW::SHOW);
    list_.show(multi_ ? tvgui::SHOW::SHOW : tvgui::SHOW::HIDE);
}

void ItemAddress::load(const file::ItemEditor& editor) {
    line_.setText(editor.address);
    list_.members(editor.members);
    kind(editor.type);
}

void ItemAddress::read(file::ItemEditor& editor) const {
    if (multi_) {
        editor.members = list_.members();
        editor.address.clear();
    } else {
        editor.address = line_.text();
        editor.members.clear();
    }
}

void ItemAddress::arrange(const tvgui::Rect& rect) {
    const int height = static_cast<int>(scaled(lineHeight_));
    line_.move(rect.left, rect.top, rect.right - rect.left, height, true);
    list_.move(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, true);
}

} // namespace tavrin::gui
