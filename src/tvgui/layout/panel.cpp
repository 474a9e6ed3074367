#include "tvgui/layout/panel.h"

#include <memory>
#include <stdexcept>
#include <string>

#include "system/tavrinerrors.h"

namespace tavrin::tvgui {

void Panel::setCount(std::size_t n) {
    contents_.resize(n);
}

CONTENT& Panel::contentAt(std::size_t i) {
    checkIndex(i, "contentAt");
    return contents_[i];
}

void Panel::setContent(std::size_t i, const CONTENT& content) {
    checkIndex(i, "setContent");
    contents_[i] = content;
}

void Panel::setGui(std::size_t i, Placeable& gui) {
    checkIndex(i, "setGui");
    contents_[i] = CONTENT(gui);
}

void Panel::setLayout(std::size_t i, Layout& layout) {
    checkIndex(i, "setLayout");
    contents_[i] = CONTENT(layout);
}

void Panel::clearContent(std::size_t i) {
    checkIndex(i, "clearContent");
    contents_[i] = CONTENT();
}

Panel& Panel::operator+=(const CONTENT& content) {
    contents_.push_back(content);
    return *this;
}

void Panel::addGui(Placeable& gui) {
    *this += CONTENT(gui);
}

void Panel::addLayout(Layout& layout) {
    *this += CONTENT(layout);
}

void Panel::addEmpty() {
    *this += CONTENT();
}

Placeable* Panel::gui(std::size_t i) const {
    checkIndex(i, "gui");
    return contents_[i].gui();
}

Layout* Panel::panel(std::size_t i) const {
    checkIndex(i, "panel");
    return contents_[i].layout();
}

void Panel::apply(std::size_t i, const Box& box) const {
    const CONTENT& content = contents_[i];
    if (Placeable* gui = content.gui()) {
        gui->move(toCoordinate(box.left), toCoordinate(box.top), toCoordinate(box.right - box.left),
                  toCoordinate(box.bottom - box.top), true);
    } else if (Layout* layout = content.layout()) {
        layout->layout(toRect(box), dpi());
    }
}

void Panel::checkIndex(std::size_t i, const char* operation) const {
    if (i >= contents_.size()) {
        auto cause = std::make_shared<std::out_of_range>("cell " + std::to_string(i) + " of " +
                                                         std::to_string(contents_.size()));
        throw system::TavrinLayoutError(operation, system::CODE::NONE, std::move(cause));
    }
}

} // namespace tavrin::tvgui
