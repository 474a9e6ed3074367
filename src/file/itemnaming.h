#pragma once

#include <string_view>

namespace tavrin::file {

// Settings that name items by their IDs. An item renamed or deleted tells them, so that no
// setting goes on naming an item that is not there.
class ItemNaming {
public:
    virtual bool namesItem(std::string_view id) const = 0;
    virtual void itemRenamed(std::string_view from, std::string_view to) = 0;
    virtual void itemDeleted(std::string_view id) = 0;

protected:
    ~ItemNaming() = default;
};

} // namespace tavrin::file
