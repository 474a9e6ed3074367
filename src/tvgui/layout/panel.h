#pragma once

#include <cstddef>
#include <vector>

#include "tvgui/layout/content.h"
#include "tvgui/layout/layout.h"

namespace tavrin::tvgui {

// A layout made of cells. An index out of range raises TavrinLayoutError named after the
// operation, with the range error as its chained cause.
class Panel : public Layout {
public:
    virtual std::size_t count() const { return contents_.size(); }
    // New cells are empty.
    virtual void setCount(std::size_t n);

    virtual CONTENT& contentAt(std::size_t i);
    virtual void setContent(std::size_t i, const CONTENT& content);
    virtual void setGui(std::size_t i, Placeable& gui);
    virtual void setLayout(std::size_t i, Layout& layout);
    virtual void clearContent(std::size_t i);

    // The append operations all go through operator+=, so a kind that keeps data per cell
    // overrides that one.
    virtual Panel& operator+=(const CONTENT& content);
    virtual void addGui(Placeable& gui);
    virtual void addLayout(Layout& layout);
    virtual void addEmpty();

    // The object of cell i, or null when the cell holds something else.
    virtual Placeable* gui(std::size_t i) const;
    virtual Layout* panel(std::size_t i) const;

protected:
    Panel() = default;
    explicit Panel(std::size_t n) : contents_(n) {}

    // A window cell is moved to the box with repaint; a layout cell is laid out over it at
    // this layout's DPI; an empty cell is skipped.
    void apply(std::size_t i, const Box& box) const;

    // Raises the index error named after the operation when i is out of range.
    void checkIndex(std::size_t i, const char* operation) const;

private:
    std::vector<CONTENT> contents_;
};

} // namespace tavrin::tvgui
