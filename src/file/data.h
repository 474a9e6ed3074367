#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "etc/drevak/drevak.h"
#include "etc/drevak/lineage.h"

namespace tavrin::file {

// The base of the records over a data document. A record copies nothing out of the document:
// it keeps, per field, the node that holds the field, so reading or writing a field reads or
// writes the document, and saving the document saves the record.
//
// The nodes belong to the document, which may remove them or be destroyed while the record
// lives on: the record watches the document from its first node on, and every access checks
// that no node of the document has gone since, raising raiseGone's error instead of reading
// freed memory. A node added to the document keeps the record usable.
class Data {
public:
    virtual ~Data() = default;

    // A copy of the text in the field's node; empty when the node holds no text (no value,
    // another type, or an absent optional field).
    virtual std::string stringField(std::size_t index) const;
    // The field's Integer compared with 0. Raises DrevakException when the node holds another
    // type or none, and DataError when the field has no node.
    virtual bool boolField(std::size_t index) const;
    // The field's node; null for an optional field that is absent.
    virtual drevak::Drevak* node(std::size_t index) const;
    virtual std::size_t nodeCount() const noexcept { return nodes_.size(); }

protected:
    // A table of count fields, each without a node until the subclass binds it.
    explicit Data(std::size_t count) : nodes_(count, nullptr) {}

    // The first node bound starts the watch over its document; the others must be of the
    // same document.
    void bind(std::size_t index, drevak::Drevak& node);
    // The field's node; raises DataError when the field has none.
    drevak::Drevak& field(std::size_t index) const;
    // Raises raiseGone's error when nodes of the document may have gone.
    void checkCurrent() const;
    // A broken invariant: the record was used after its document removed nodes or ended.
    [[noreturn]] virtual void raiseGone() const;

private:
    std::size_t checkedIndex(std::size_t index) const;

    std::vector<drevak::Drevak*> nodes_;
    drevak::Watch watch_;
};

} // namespace tavrin::file
