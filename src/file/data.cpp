#include "file/data.h"

#include "system/tavrinerrors.h"

namespace tavrin::file {

std::string Data::stringField(std::size_t index) const {
    const drevak::Drevak* held = node(index);
    if (held == nullptr || !held->HaveFile() || held->FileType() != drevak::HAGATA::string) {
        return {};
    }
    return held->GetString();
}

bool Data::boolField(std::size_t index) const {
    return field(index).GetInteger() != 0;
}

drevak::Drevak* Data::node(std::size_t index) const {
    const std::size_t at = checkedIndex(index);
    checkCurrent();
    return nodes_[at];
}

void Data::bind(std::size_t index, drevak::Drevak& node) {
    nodes_[checkedIndex(index)] = &node;
    if (!watch_.active()) {
        watch_ = drevak::Watch(node);
    }
}

void Data::checkCurrent() const {
    if (watch_.stale()) {
        raiseGone();
    }
}

void Data::raiseGone() const {
    throw system::DataError("the record's nodes no longer exist in their document");
}

drevak::Drevak& Data::field(std::size_t index) const {
    drevak::Drevak* held = node(index);
    if (held == nullptr) {
        throw system::DataError("no node for field " + std::to_string(index));
    }
    return *held;
}

std::size_t Data::checkedIndex(std::size_t index) const {
    if (index >= nodes_.size()) {
        throw system::DataError("field " + std::to_string(index) + " of " +
                                std::to_string(nodes_.size()));
    }
    return index;
}

} // namespace tavrin::file
