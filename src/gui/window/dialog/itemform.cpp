#include "gui/window/dialog/itemform.h"

#include <charconv>
#include <sstream>

#include "gui/window/dialog/dialoglayout.h"
#include "gui/window/dialog/dropdowncell.h"
#include "system/tavrinerrors.h"

namespace tavrin::gui {
namespace {

using tvgui::DIRECTION;

// In 96-DPI pixels.
constexpr std::int32_t ROW_HEIGHT = 22;
constexpr std::int32_t CAPTION_WIDTH = 112;
constexpr std::int32_t ADDRESS_ROWS = 3;
constexpr std::int32_t TAG_ROWS = 2;
constexpr long double ICON_FILE_SHARE = 78;
// The rows one row high.
constexpr std::int32_t ROWS = 14;

constexpr tvgui::ITEM_ID id(ITEM_CTRL control) {
    return itemId(control);
}

void place(tvgui::Dual& line, std::size_t cell, tvgui::TvGui& gui) {
    line.setGui(cell, gui);
}
void place(tvgui::Dual& line, std::size_t cell, tvgui::Layout& layout) {
    line.setLayout(cell, layout);
}

std::string joined(const std::vector<std::string>& texts, std::string_view separator) {
    std::string text;
    for (const std::string& part : texts) {
        text += (text.empty() ? "" : std::string(separator)) + part;
    }
    return text;
}

// The tags typed one a line, blanks kept; an empty line is no tag.
std::vector<std::string> typedTags(const std::string& text) {
    std::vector<std::string> tags;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        if (!line.empty()) {
            tags.push_back(std::move(line));
        }
    }
    return tags;
}

std::string timeText(const std::optional<file::ItemDateTime>& time) {
    return time ? time->toString() : "";
}

} // namespace

ItemForm::ItemForm(tvgui::TvGui& dialog)
    : dialog_(dialog), typeLabel_(id(ITEM_CTRL::TYPE_LABEL), dialog, "種類"),
      commentLabel_(id(ITEM_CTRL::COMMENT_LABEL), dialog, "コメント"),
      id_(id(ITEM_CTRL::ID), dialog), name_(id(ITEM_CTRL::NAME), dialog),
      type_(id(ITEM_CTRL::TYPE), dialog),
      address_(id(ITEM_CTRL::ADDRESS), id(ITEM_CTRL::MEMBERS), dialog, ROW_HEIGHT),
      workFolder_(id(ITEM_CTRL::WORK_FOLDER), dialog), option_(id(ITEM_CTRL::OPTION), dialog),
      icon_(id(ITEM_CTRL::ICON), dialog), iconIndex_(id(ITEM_CTRL::ICON_INDEX), dialog),
      show_(id(ITEM_CTRL::SHOW), dialog), key_(id(ITEM_CTRL::KEY), dialog),
      comment_(id(ITEM_CTRL::COMMENT), dialog), tags_(id(ITEM_CTRL::TAGS), dialog),
      registered_(id(ITEM_CTRL::REGISTERED), dialog), lastUsed_(id(ITEM_CTRL::LAST_USED), dialog),
      use_(id(ITEM_CTRL::USE), dialog), historyFolders_(id(ITEM_CTRL::HISTORY_FOLDERS), dialog),
      historyOptions_(id(ITEM_CTRL::HISTORY_OPTIONS), dialog), column_(DIRECTION::VERTICAL) {
    tags_.wantReturn(true);
    typeLabel_.middle(true);
    commentLabel_.middle(true);
    for (tvgui::EditLine* shownOnly :
         {&registered_, &lastUsed_, &use_, &historyFolders_, &historyOptions_}) {
        shownOnly->readOnly(true);
    }
    auto& icons = *cells_.emplace_back(std::make_unique<tvgui::Dual>(DIRECTION::HORIZON));
    auto& iconPair = static_cast<tvgui::Dual&>(icons);
    iconPair.rule().setPercent(ICON_FILE_SHARE);
    iconPair.setGap(CELL_GAP);
    iconPair.setGui(0, icon_);
    iconPair.setGui(1, iconIndex_);
    column_.spacing = {0, CELL_GAP / 2, 0, CELL_GAP - CELL_GAP / 2};
    const auto add = [&](tvgui::Layout& line, std::int32_t rows) {
        addCell(column_, line, ROW_HEIGHT * rows + CELL_GAP * (rows - 1));
    };
    add(row(fieldButton(ITEM_FIELD::ID, "ID"), id_), 1);
    add(row(fieldButton(ITEM_FIELD::NAME, "名前"), name_), 1);
    add(row(typeLabel_, *cells_.emplace_back(std::make_unique<DropDownCell>(type_))), 1);
    add(row(topCaption(ITEM_FIELD::ADDRESS, "アドレス"), address_), ADDRESS_ROWS);
    add(row(fieldButton(ITEM_FIELD::WORK_FOLDER, "作業フォルダ"), workFolder_), 1);
    add(row(fieldButton(ITEM_FIELD::OPTION, "オプション"), option_), 1);
    add(row(fieldButton(ITEM_FIELD::ICON, "アイコン"), icons), 1);
    add(row(fieldButton(ITEM_FIELD::SHOW, "表示"),
            *cells_.emplace_back(std::make_unique<DropDownCell>(show_))),
        1);
    add(row(fieldButton(ITEM_FIELD::KEY, "キー"),
            *cells_.emplace_back(std::make_unique<DropDownCell>(key_))),
        1);
    add(row(commentLabel_, comment_), 1);
    add(row(topCaption(ITEM_FIELD::TAGS, "タグ"), tags_), TAG_ROWS);
    add(row(fieldButton(ITEM_FIELD::REGISTERED, "登録日時"), registered_), 1);
    add(row(fieldButton(ITEM_FIELD::LAST_USED, "使用日時"), lastUsed_), 1);
    add(row(fieldButton(ITEM_FIELD::USE, "使用回数"), use_), 1);
    add(row(fieldButton(ITEM_FIELD::HISTORY_FOLDERS, "作業フォルダ履歴"), historyFolders_), 1);
    add(row(fieldButton(ITEM_FIELD::HISTORY_OPTIONS, "オプション履歴"), historyOptions_), 1);
}

ItemForm::~ItemForm() = default;

std::int32_t ItemForm::height() {
    const std::int32_t rows = ROWS + ADDRESS_ROWS + TAG_ROWS;
    return rows * ROW_HEIGHT + (rows - 1) * CELL_GAP + CELL_GAP;
}

tvgui::Push& ItemForm::fieldButton(ITEM_FIELD field, std::string_view caption) {
    auto& button = *buttons_.emplace_back(std::make_unique<tvgui::Push>(
        static_cast<tvgui::ITEM_ID>(static_cast<unsigned>(ITEM_CTRL::FIELD_BUTTON) +
                                    static_cast<unsigned>(field)),
        dialog_));
    button.setText(std::string(caption) + " ▼");
    return button;
}

tvgui::Layout& ItemForm::topCaption(ITEM_FIELD field, std::string_view caption) {
    auto& column = static_cast<tvgui::Line&>(
        *cells_.emplace_back(std::make_unique<tvgui::Line>(DIRECTION::VERTICAL)));
    addCell(column, fieldButton(field, caption), ROW_HEIGHT);
    return column;
}

template <typename Caption, typename Content>
tvgui::Layout& ItemForm::row(Caption& caption, Content& content) {
    auto line = std::make_unique<tvgui::Dual>(DIRECTION::HORIZON);
    line->rule().setAbsolute(CAPTION_WIDTH);
    line->setGap(CELL_GAP);
    place(*line, 0, caption);
    place(*line, 1, content);
    return *cells_.emplace_back(std::move(line));
}

void ItemForm::load(const file::ItemEditor& editor) {
    shown_ = editor;
    id_.setText(editor.id);
    name_.setText(editor.name);
    type_.value(static_cast<drevak::Integer>(editor.type));
    address_.load(editor);
    workFolder_.setText(editor.workFolder);
    option_.setText(editor.option);
    icon_.setText(editor.iconAddress);
    iconIndex_.setText(std::to_string(editor.iconIndex));
    show_.value(editor.show);
    key_.value(editor.key);
    comment_.setText(editor.comment);
    tags_.setText(joined(editor.tags, "\r\n"));
    registered_.setText(timeText(editor.registered));
    lastUsed_.setText(timeText(editor.lastUsed));
    use_.setText(std::to_string(editor.useCount));
    historyFolders_.setText(joined(editor.historyWorkFolders, " | "));
    historyOptions_.setText(joined(editor.historyOptions, " | "));
}

file::ItemEditor ItemForm::read() const {
    file::ItemEditor editor = shown_;
    editor.id = id_.text();
    editor.name = name_.text();
    const drevak::Integer kind = type_.value();
    editor.type =
        kind >= 0 && kind <= 3 ? static_cast<file::Item::TYPE>(kind) : file::Item::TYPE::NORMAL;
    address_.read(editor);
    editor.workFolder = workFolder_.text();
    editor.option = option_.text();
    editor.iconAddress = icon_.text();
    const std::string index = iconIndex_.text();
    const auto [end, failure] =
        std::from_chars(index.data(), index.data() + index.size(), editor.iconIndex);
    if (failure != std::errc() || end != index.data() + index.size() || editor.iconIndex < 0) {
        throw system::ItemSetException("アイコン番号が変");
    }
    editor.show = show_.value();
    editor.key = key_.value();
    editor.comment = comment_.text();
    // Tags left alone stay as they were, even those a line cannot show (an empty one).
    if (const std::string typed = tags_.text(); typed != joined(shown_.tags, "\r\n")) {
        editor.tags = typedTags(typed);
    }
    return editor;
}

void ItemForm::focus(file::EDITOR_FIELD field) {
    switch (field) {
    case file::EDITOR_FIELD::ID:
        id_.focus();
        return;
    case file::EDITOR_FIELD::NAME:
        name_.focus();
        return;
    case file::EDITOR_FIELD::ADDRESS:
        address_.focus();
        return;
    case file::EDITOR_FIELD::WORK_FOLDER:
        workFolder_.focus();
        return;
    case file::EDITOR_FIELD::ICON:
        icon_.focus();
        return;
    }
}

void ItemForm::focusIconIndex() {
    iconIndex_.focus();
}

void ItemForm::kindChanged() {
    const drevak::Integer kind = type_.value();
    address_.kind(kind == static_cast<drevak::Integer>(file::Item::TYPE::MULTI)
                      ? file::Item::TYPE::MULTI
                      : file::Item::TYPE::NORMAL);
}

} // namespace tavrin::gui
