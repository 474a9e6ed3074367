#include "etc/drevak/dvkdocument.h"

#include <algorithm>
#include <optional>
#include <span>

#include "etc/drevak/convert.h"
#include "etc/drevak/drevakexception.h"

namespace drevak {
namespace {

constexpr std::string_view CRLF = "\r\n";

// Address, type order, value text: the order of the lines in a written document.
int compareLines(const Convert::DataLine& a, const Convert::DataLine& b) {
    if (const int order = a.address.compare(b.address); order != 0) {
        return order < 0 ? -1 : 1;
    }
    if (const int order = typeOrder(a.type) - typeOrder(b.type); order != 0) {
        return order < 0 ? -1 : 1;
    }
    const int order = a.value.compare(b.value);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

// Comment lines without their ";", joined with CR LF.
std::string commentOf(std::span<const std::string_view> commentLines) {
    std::string comment;
    for (std::size_t i = 0; i < commentLines.size(); ++i) {
        if (i > 0) {
            comment += CRLF;
        }
        comment += commentLines[i].substr(1);
    }
    return comment;
}

std::string blockText(std::span<const std::string_view> commentLines, std::string_view line) {
    std::string text;
    for (const std::string_view comment : commentLines) {
        text += comment;
        text += CRLF;
    }
    text += line;
    return text;
}

std::vector<std::string_view> viewsOf(std::span<const std::string> lines) {
    return {lines.begin(), lines.end()};
}

// A saved document lists the values of one node together, so most lines share the path of
// the line before: its nodes are taken again instead of being looked up from the root.
// Valid for one load, which adds nodes but never removes any.
class PathCache {
public:
    explicit PathCache(Drevak& root) : root_(root) {}

    // The node at the address, made as CreatePath makes it (every new name checked first).
    Drevak& nodeAt(std::string_view address) {
        splitInto(address);
        std::size_t same = 0;
        while (same < names_.size() && same < components_.size() &&
               names_[same] == components_[same]) {
            ++same;
        }
        names_.resize(same);
        nodes_.resize(same);
        Drevak* node = same == 0 ? &root_ : nodes_.back();
        const std::span<const std::string_view> rest =
            std::span<const std::string_view>(components_).subspan(same);
        Drevak& last = node->CreatePath(rest);
        for (std::size_t i = 0; i + 1 < rest.size(); ++i) {
            node = &node->GetChildPath(rest.subspan(i, 1));
            nodes_.push_back(node);
        }
        if (!rest.empty()) {
            nodes_.push_back(&last);
        }
        names_.assign(components_.begin(), components_.end());
        return last;
    }

private:
    void splitInto(std::string_view address) {
        components_.clear();
        std::size_t start = 0;
        for (std::size_t slash; (slash = address.find('/', start)) != std::string_view::npos;
             start = slash + 1) {
            components_.push_back(address.substr(start, slash - start));
        }
        components_.push_back(address.substr(start));
    }

    Drevak& root_;
    std::vector<std::string_view> components_;
    std::vector<std::string_view> names_;
    std::vector<Drevak*> nodes_;
};

void assignValue(Drevak& node, char type, std::string_view text) {
    switch (static_cast<HAGATA>(type)) {
    case HAGATA::Integer:
        node = Convert::toInteger(text);
        break;
    case HAGATA::TSV_Integer:
        node = Convert::toIntegers(text);
        break;
    case HAGATA::real:
        node = Convert::toReal(text);
        break;
    case HAGATA::TSV_real:
        node = Convert::toReals(text);
        break;
    case HAGATA::string:
        node = Convert::toText(text);
        break;
    case HAGATA::TSV_string:
        node = Convert::toTexts(text);
        break;
    case HAGATA::Binary:
        node = Convert::toBinary(text);
        break;
    case HAGATA::TSV_Binary:
        node = Convert::toBinaries(text);
        break;
    }
}

} // namespace

DvkDocument::DataBlock::DataBlock(std::string line) : Line(std::move(line)) {
    if (!Convert::isDataLine(Line)) {
        throw DrevakException("不完全アドレス:" + Line);
    }
}

std::string DvkDocument::DataBlock::toString() const {
    std::vector<std::string_view> comments(Comments.begin(), Comments.end());
    return blockText(comments, Line);
}

int DvkDocument::DataBlock::opCmp(const DataBlock& other) const {
    return compareLines(Convert::splitDataLine(Line), Convert::splitDataLine(other.Line));
}

DvkDocument::DvkDocument(std::span<const std::string_view> lines) {
    if (lines.empty()) {
        throw DrevakException("いやいや、むりむり");
    }
    Load(true, lines);
}

DvkDocument::DvkDocument(std::span<const std::string> lines) : DvkDocument(viewsOf(lines)) {}

std::vector<std::string> DvkDocument::Load(bool reset, std::span<const std::string_view> lines) {
    std::vector<std::string> failed;
    for (LoadFailure& failure : LoadWithReasons(reset, lines)) {
        failed.push_back(std::move(failure.block));
    }
    return failed;
}

std::vector<std::string> DvkDocument::Load(bool reset, std::span<const std::string> lines) {
    return Load(reset, viewsOf(lines));
}

std::vector<DvkDocument::LoadFailure>
DvkDocument::LoadWithReasons(bool reset, std::span<const std::string_view> lines) {
    if (reset) {
        clearNode();
    }
    std::size_t first = 0;
    if (!lines.empty() && Convert::isComment(lines.front())) {
        std::size_t runEnd = 1;
        while (runEnd < lines.size() && Convert::isComment(lines[runEnd])) {
            ++runEnd;
        }
        if (runEnd < lines.size() && lines[runEnd].empty()) {
            Comment += commentOf(lines.first(runEnd));
            first = runEnd + 1;
        }
    }

    std::vector<LoadFailure> failures;
    PathCache paths(*this);
    std::size_t commentStart = first;
    for (std::size_t i = first; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (Convert::isComment(line)) {
            continue;
        }
        const std::span<const std::string_view> comments =
            lines.subspan(commentStart, i - commentStart);
        commentStart = i + 1;
        const std::optional<Convert::DataLine> parts = Convert::readDataLine(line);
        if (!parts) {
            continue;
        }
        try {
            Drevak& node = paths.nodeAt(parts->address);
            assignValue(node, parts->type, parts->value);
            if (!comments.empty()) {
                node.Comment = commentOf(comments);
            }
        } catch (const DrevakException& error) {
            failures.push_back({blockText(comments, line), error.text(), i + 1});
        } catch (const std::invalid_argument& error) {
            failures.push_back({blockText(comments, line), error.what(), i + 1});
        } catch (const std::out_of_range& error) {
            failures.push_back({blockText(comments, line), error.what(), i + 1});
        }
    }
    return failures;
}

// The children are visited in name order, which gives address order except where a
// name is a prefix of a sibling's and the rest sorts before "/" ("A" "A-1" "A/x"): a
// final check catches that and sorts the blocks.
std::string DvkDocument::toString() const {
    std::string text;
    if (!Comment.empty()) {
        for (const std::string_view line : Convert::splitComment(Comment)) {
            text += ';';
            text += line;
            text += CRLF;
        }
        text += CRLF;
    }
    const std::size_t headerEnd = text.size();

    // Offsets into text of one node's comment lines, address, value text and line end.
    struct Block {
        std::size_t begin;
        std::size_t line;
        std::size_t addressEnd;
        std::size_t end;
    };
    std::vector<Block> blocks;
    std::string address;
    const auto writeBlock = [&](const Kareha& node) {
        Block block{text.size(), 0, 0, 0};
        for (const std::string_view comment : Convert::splitComment(node.Comment)) {
            text += ';';
            text += comment;
            text += CRLF;
        }
        block.line = text.size();
        text += address;
        block.addressEnd = text.size();
        node.appendValueText(text);
        block.end = text.size();
        text += CRLF;
        blocks.push_back(block);
    };

    // Children waiting to be visited, each frame's share sorted by name.
    std::vector<const ChildMap::Entry*> waiting;
    struct Frame {
        std::size_t start;
        std::size_t next;
        std::size_t end;
        std::size_t addressLength;
    };
    std::vector<Frame> frames;
    const auto enter = [&](const Kareha& node, std::size_t addressLength) {
        const std::size_t start = waiting.size();
        for (const ChildMap::Entry& entry : node.ChildTable()) {
            waiting.push_back(&entry);
        }
        std::sort(
            waiting.begin() + static_cast<std::ptrdiff_t>(start), waiting.end(),
            [](const ChildMap::Entry* a, const ChildMap::Entry* b) { return a->name < b->name; });
        frames.push_back({start, start, waiting.size(), addressLength});
    };

    if (HaveFile()) {
        writeBlock(*this);
    }
    enter(*this, 0);
    while (!frames.empty()) {
        Frame& frame = frames.back();
        if (frame.next == frame.end) {
            waiting.resize(frame.start);
            frames.pop_back();
            continue;
        }
        const ChildMap::Entry& entry = *waiting[frame.next++];
        address.resize(frame.addressLength);
        if (!address.empty()) {
            address += '/';
        }
        address += entry.name;
        if (entry.node->HaveFile()) {
            writeBlock(*entry.node);
        }
        if (entry.node->ChildCount() > 0) {
            enter(*entry.node, address.size());
        }
    }

    const std::string_view all(text);
    const auto lineOf = [all](const Block& block) {
        return Convert::DataLine{
            all.substr(block.line, block.addressEnd - block.line), all[block.addressEnd],
            all.substr(block.addressEnd + 1, block.end - block.addressEnd - 1)};
    };
    const auto before = [&](const Block& a, const Block& b) {
        return compareLines(lineOf(a), lineOf(b)) < 0;
    };
    if (std::is_sorted(blocks.begin(), blocks.end(), before)) {
        return text;
    }
    std::sort(blocks.begin(), blocks.end(), before);
    std::string sorted(all.substr(0, headerEnd));
    sorted.reserve(text.size());
    for (const Block& block : blocks) {
        sorted += all.substr(block.begin, block.end + CRLF.size() - block.begin);
    }
    return sorted;
}

} // namespace drevak
