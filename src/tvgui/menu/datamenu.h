#pragma once

#include <map>
#include <memory>
#include <utility>

#include "tvgui/menu/ownerdrawmenu.h"

namespace tavrin::tvgui {

// An owner-drawn menu whose entries each stand for an object of T, kept with the menu as long
// as the entry is in it, so that a choice comes back as the object it names.
template <typename T> class DataMenu : public OwnerDrawMenu {
public:
    DataMenu() = default;
    ~DataMenu() override { releaseAtEnd(system::logRefusedRelease); }

    // Appends the owner-drawn entry and, when the system did, binds its id to data.
    virtual bool addData(const MENUITEM& item, DRAWMENUITEM drawn, std::shared_ptr<T> data) {
        if (!insertDrawn(item, std::move(drawn))) {
            return false;
        }
        data_.insert_or_assign(item.info.wID, std::move(data));
        return true;
    }
    virtual bool hasData(UINT id) const { return data_.contains(id); }
    // Null when the id is bound to nothing.
    virtual T* getData(UINT id) const {
        const auto bound = data_.find(id);
        return bound == data_.end() ? nullptr : bound->second.get();
    }

protected:
    void release() override {
        data_.clear();
        OwnerDrawMenu::release();
    }

private:
    std::map<UINT, std::shared_ptr<T>> data_;
};

} // namespace tavrin::tvgui
