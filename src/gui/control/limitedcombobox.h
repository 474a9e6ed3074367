#pragma once

#include <optional>
#include <string>
#include <vector>

#include "etc/drevak/types.h"
#include "tvgui/control/combobox.h"

namespace tavrin::gui {

// A drop-down list of fixed labels, each standing for a stored value. A stored value that is
// not among them is logged and shown as an extra entry "(value)" at the end, so that applying
// the form keeps it unless the user chooses another entry: a setting the list cannot name is
// never overwritten behind the user's back.
class LimitedComboBox : public tvgui::ComboBox {
public:
    using Integer = drevak::Integer;
    struct Entry {
        std::string label;
        Integer value;
    };

    // outsideLog is the log text for a value outside the list, with one %s for the value;
    // positionLog, for a selection outside the list, takes the position (empty: outsideLog).
    LimitedComboBox(tvgui::ITEM_ID id, tvgui::TvGui& owner, std::vector<Entry> entries,
                    std::string outsideLog, std::string positionLog = {});

    // Selects the entry of the value; a value outside the list gets its extra entry (logged).
    void value(Integer stored);
    // The value of the selected entry; with nothing selected, the first entry's value (logged).
    Integer value() const;

    const std::vector<Entry>& entries() const noexcept { return entries_; }

private:
    std::vector<Entry> entries_;
    std::string outsideLog_;
    std::string positionLog_;
    // The stored value the list cannot name, while its extra entry is shown.
    std::optional<Integer> extra_;
};

// The item kinds: "通常" 0, "URI" 1, "複数" 2, "リンク" 3.
class TypeComboBox final : public LimitedComboBox {
public:
    TypeComboBox(tvgui::ITEM_ID id, tvgui::TvGui& owner);
};

// The show codes: "通常表示" 1, "最小化" 2, "最大化" 3, "通常表示(非アクティブ)" 4,
// "最小化(非アクティブ)" 7.
class ShowComboBox final : public LimitedComboBox {
public:
    ShowComboBox(tvgui::ITEM_ID id, tvgui::TvGui& owner);
};

// The item's key letter: the key names "A" to "Z" of the keyboard's KEY enumeration, each
// standing for its key code, which is the letter itself (the only keys an item can keep).
class KeyComboBox final : public LimitedComboBox {
public:
    KeyComboBox(tvgui::ITEM_ID id, tvgui::TvGui& owner);
};

} // namespace tavrin::gui
