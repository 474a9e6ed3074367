#pragma once

#include <string_view>

#include "image/icon.h"
#include "system/win32.h"

// After the Windows headers, on which it builds.
#include "tvgui/draw/draw.h"
#include <commctrl.h>

namespace tavrin::tvgui {

// An image list of the common controls, holding icons of one size.
class ImageList final : public Draw<HIMAGELIST> {
public:
    enum class COLOR_TYPE : UINT {
        DEFAULT = 0x0,
        COLOR4 = 0x4,
        COLOR8 = 0x8,
        COLOR16 = 0x10,
        COLOR24 = 0x18,
        COLOR32 = 0x20,
        COLORDDB = 0xFE,
    };

    // An empty masked list of images width x height; DrawException "ImageList_Create" when
    // the system refuses.
    ImageList(int width, int height, COLOR_TYPE color, int initial, int grow);
    ImageList(HIMAGELIST handle, bool owned);
    ImageList(ImageList&&) noexcept = default;
    ImageList& operator=(ImageList&&) = default;
    ~ImageList() override { releaseAtEndLogged(); }

    // Appends a copy of the icon and gives its index; DrawException "ImageList_ReplaceIcon"
    // when the system refuses.
    int add(const image::Icon& icon);
    // Puts a copy of the icon at index, an existing one; the same failure.
    void replace(int index, const image::Icon& icon);
    int count() const;
    // DrawException "ImageList_Remove" for an index that is not in the list.
    void remove(int index);

protected:
    void release() override;

private:
    int replaceIcon(int index, const image::Icon& icon);
};

} // namespace tavrin::tvgui
