#include "tvgui/draw/imagelist.h"

#include "system/tavrinerrors.h"

namespace tavrin::tvgui {

namespace {

HIMAGELIST createImageList(int width, int height, ImageList::COLOR_TYPE color, int initial,
                           int grow) {
    HIMAGELIST list =
        ImageList_Create(width, height, ILC_MASK | static_cast<UINT>(color), initial, grow);
    if (list == nullptr) {
        throw system::DrawException("ImageList_Create");
    }
    return list;
}

} // namespace

ImageList::ImageList(int width, int height, COLOR_TYPE color, int initial, int grow)
    : Draw(createImageList(width, height, color, initial, grow), true) {}

ImageList::ImageList(HIMAGELIST handle, bool owned) : Draw(handle, owned) {}

int ImageList::replaceIcon(int index, const image::Icon& icon) {
    const int at = ImageList_ReplaceIcon(handle, index, icon.get());
    if (at < 0) {
        throw system::DrawException("ImageList_ReplaceIcon");
    }
    return at;
}

int ImageList::add(const image::Icon& icon) {
    return replaceIcon(-1, icon);
}

void ImageList::replace(int index, const image::Icon& icon) {
    // The system would read -1 as "append".
    if (index < 0 || index >= count()) {
        throw system::DrawException("ImageList_ReplaceIcon");
    }
    replaceIcon(index, icon);
}

int ImageList::count() const {
    return ImageList_GetImageCount(handle);
}

void ImageList::remove(int index) {
    // The system would read -1 as "everything".
    if (index < 0 || index >= count() || !ImageList_Remove(handle, index)) {
        throw system::DrawException("ImageList_Remove");
    }
}

void ImageList::release() {
    if (!ImageList_Destroy(handle)) {
        raiseReleaseFailure("イメージリスト");
    }
    handle = nullptr;
}

} // namespace tavrin::tvgui
