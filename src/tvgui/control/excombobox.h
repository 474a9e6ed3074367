#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tvgui/control/combobox.h"
#include "tvgui/control/commoncontrol.h"
#include "tvgui/draw/imagelist.h"

namespace tavrin::tvgui {

// Which members of a COMBOBOXITEM are meant.
enum class COMBOBOXITEM_MASK : UINT {
    NONE = 0,
    TEXT = CBEIF_TEXT,
    IMAGE = CBEIF_IMAGE,
    SELECTEDIMAGE = CBEIF_SELECTEDIMAGE,
    OVERLAY = CBEIF_OVERLAY,
    INDENT = CBEIF_INDENT,
    LPARAM = CBEIF_LPARAM,
};

constexpr COMBOBOXITEM_MASK operator|(COMBOBOXITEM_MASK left, COMBOBOXITEM_MASK right) {
    return static_cast<COMBOBOXITEM_MASK>(static_cast<UINT>(left) | static_cast<UINT>(right));
}

// An item of the extended combo box; images are indexes into its image list.
struct COMBOBOXITEM {
    COMBOBOXITEM_MASK mask = COMBOBOXITEM_MASK::NONE;
    // -1 appends when inserting.
    INT_PTR index = -1;
    std::string text;
    int image = 0;
    int selectedImage = 0;
    int overlay = 0;
    // In steps of ten pixels.
    int indent = 0;
    LPARAM data = 0;
};

// A combo box of the common controls ("ComboBoxEx32") whose items carry images. The list
// operations it shares with the plain combo box keep working; text items are inserted
// without an image.
class ExComboBox : public ComboBox, public ICommonControl {
public:
    enum class EVENT : UINT {
        GETDISPINFO = CBEN_GETDISPINFOW,
        INSERTITEM = CBEN_INSERTITEM,
        DELETEITEM = CBEN_DELETEITEM,
        BEGINEDIT = CBEN_BEGINEDIT,
        ENDEDIT = CBEN_ENDEDITW,
        DRAGBEGIN = CBEN_DRAGBEGINW,
    };

    // The plain combo box inside, which the extended one owns.
    class OriginalComboBox final : public ComboBox {
        friend class ExComboBox;
        explicit OriginalComboBox(HWND inner) : ComboBox(inner) {}
    };

    ExComboBox(ITEM_ID id, TvGui& owner, TYPE type);

    int add(std::string_view text) override;
    int insert(int index, std::string_view text) override;
    std::optional<std::string> itemText(int index) const override;
    std::optional<LPARAM> itemData(int index) const override;
    bool itemData(int index, LPARAM data) override;

    // The new item's index.
    int insertItem(const COMBOBOXITEM& item);
    // The members of the item at index that the mask names.
    COMBOBOXITEM item(int index, COMBOBOXITEM_MASK wanted) const;
    void setItem(const COMBOBOXITEM& item);

    // Shows the images of the list, which the caller keeps alive; gives back the previous
    // list, not owned, if there was one.
    std::optional<ImageList> setImageList(const ImageList& images);
    OriginalComboBox originalComboBox() const;

protected:
    HWND commonControl() const override { return hwnd(); }
    HWND editChild() const override;
    HWND listChild() const override;
};

} // namespace tavrin::tvgui
