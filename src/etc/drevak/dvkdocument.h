#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "etc/drevak/drevak.h"

namespace drevak {

// A whole document: the root node, whose comment is the header comment.
class DvkDocument : public Drevak {
public:
    // One value line with the comment lines that stood directly before it.
    class DataBlock {
    public:
        explicit DataBlock(std::string line); // raises "不完全アドレス:" for a non-value line
        std::string toString() const;
        int opCmp(const DataBlock& other) const;
        bool operator==(const DataBlock& other) const { return Line == other.Line; }

        std::vector<std::string> Comments;
        std::string Line;
    };

    // A value line that did not apply: its block text, why, and its line number (from 1).
    struct LoadFailure {
        std::string block;
        std::string reason;
        std::size_t lineNumber;
    };

    DvkDocument() = default;
    // Raises "いやいや、むりむり" when there are no lines.
    explicit DvkDocument(std::span<const std::string_view> lines);
    explicit DvkDocument(std::span<const std::string> lines);

    using Drevak::operator=;

    // Adds the lines (after emptying the document when reset is set); returns the texts
    // of the blocks that failed to apply, in input order.
    std::vector<std::string> Load(bool reset, std::span<const std::string_view> lines);
    std::vector<std::string> Load(bool reset, std::span<const std::string> lines);
    // As Load, with the reason and line of every failure.
    std::vector<LoadFailure> LoadWithReasons(bool reset, std::span<const std::string_view> lines);

    // The whole text: header, then the sorted value lines, every line ending in CR LF.
    std::string toString() const override;
};

} // namespace drevak
