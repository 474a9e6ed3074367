#include "etc/drevak/kareha.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "etc/drevak/convert.h"
#include "etc/drevak/drevak.h"
#include "etc/drevak/drevakexception.h"
#include "etc/drevak/nodepool.h"

namespace drevak {
namespace {

// In the order of the alternatives of Kareha::Value.
constexpr HAGATA VALUE_TYPES[] = {HAGATA::Integer,  HAGATA::TSV_Integer, HAGATA::real,
                                  HAGATA::TSV_real, HAGATA::string,      HAGATA::TSV_string,
                                  HAGATA::Binary,   HAGATA::TSV_Binary};

HAGATA typeOf(const Kareha::Value& value) {
    return VALUE_TYPES[value.index()];
}

bool isArray(const Kareha::Value& value) {
    return value.index() % 2 == 1;
}

template <typename T>
constexpr bool IS_ARRAY =
    std::is_same_v<T, std::vector<Integer>> || std::is_same_v<T, std::vector<real>> ||
    std::is_same_v<T, std::vector<std::string>> || std::is_same_v<T, std::vector<Binary>>;

template <typename T> int threeWay(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareScalar(Integer a, Integer b) {
    return threeWay(a, b);
}

void appendValue(std::string& out, const auto& value) {
    Convert::append(out, value);
}
void appendValue(std::string& out, StoredReal value) {
    Convert::append(out, real(value));
}
void appendValue(std::string&, std::monostate) {}

int compareScalar(real a, real b) {
    if (a != a || b != b) {
        return -1;
    }
    return threeWay(a, b);
}

int compareScalar(StoredReal a, StoredReal b) {
    return compareScalar(real(a), real(b));
}

int compareScalar(std::monostate, std::monostate) {
    return 0;
}

int clampToInt(std::ptrdiff_t difference) {
    return static_cast<int>(std::clamp<std::ptrdiff_t>(difference, INT_MIN, INT_MAX));
}

// The byte difference, or the length difference when one is a prefix of the other.
int compareScalar(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (a[i] != b[i]) {
            return static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]);
        }
    }
    return clampToInt(static_cast<std::ptrdiff_t>(a.size()) -
                      static_cast<std::ptrdiff_t>(b.size()));
}

int compareScalar(const Binary& a, const Binary& b) {
    return threeWay(a, b);
}

template <typename T> int compareScalar(const std::vector<T>& a, const std::vector<T>& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (const int order = compareScalar(a[i], b[i]); order != 0) {
            return order < 0 ? -1 : 1;
        }
    }
    return threeWay(a.size(), b.size());
}

// Fills the one "%s" of a message format.
std::string withName(std::string_view format, std::string_view name) {
    const std::size_t at = format.find("%s");
    std::string text(format.substr(0, at));
    text += name;
    text += format.substr(at + 2);
    return text;
}

} // namespace

static_assert(alignof(Drevak) <= NodePool::MAX_ALIGNMENT);

Kareha::Kareha() = default;

void* Kareha::operator new(std::size_t size) {
    return NodePool::allocateOnHeap(size);
}

void Kareha::operator delete(void* memory) noexcept {
    NodePool::free(memory);
}

// Frees a subtree depth first with a stack of its own, so that a deep chain never recurses
// in destructors; each node goes as soon as its children have gone, close to the order
// the reader made them in, which keeps the allocator's work small.
void Kareha::releaseChildren(ChildMap children) noexcept {
    if (children.empty()) {
        return;
    }
    struct Level {
        std::vector<ChildMap::Entry> entries;
        std::size_t next;
    };
    std::vector<Level> levels;
    levels.push_back({children.release(), 0});
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.entries.size()) {
            levels.pop_back();
            continue;
        }
        ChildMap::Entry& entry = level.entries[level.next];
        if (!entry.node->children_.empty()) {
            levels.push_back({entry.node->children_.release(), 0});
            continue;
        }
        entry.node.reset();
        ++level.next;
    }
}

Kareha::Kareha(Kareha&& other)
    : Comment(std::move(other.Comment)), value_(std::move(other.value_)) {
    takeChildren(other);
}

// The old children go last, so that other may be one of them.
Kareha& Kareha::operator=(Kareha&& other) {
    if (this != &other) {
        ChildMap old = std::move(children_);
        if (!old.empty() && lineage_ != nullptr) {
            lineage_->bump();
        }
        value_ = std::move(other.value_);
        Comment = std::move(other.Comment);
        takeChildren(other);
        releaseChildren(std::move(old));
    }
    return *this;
}

Kareha::~Kareha() {
    releaseChildren(std::move(children_));
    if (ownsLineage()) {
        lineage_->end();
    }
}

// A whole tree moving into a node without a tree keeps its lineage, which only changes hands;
// otherwise the children leave their tree for this node's.
void Kareha::takeChildren(Kareha& other) {
    Lineage* left = other.lineage_;
    if (lineage_ == nullptr && other.ownsLineage()) {
        lineage_ = std::exchange(other.lineage_, nullptr);
        lineage_->handTo(*this);
        lineage_->bump();
        children_ = std::move(other.children_);
        return;
    }
    if (other.children_.empty()) {
        return;
    }
    Lineage& joined = lineage();
    children_ = std::move(other.children_);
    if (left != nullptr) {
        left->bump();
    }
    repoint(left, &joined);
}

Lineage& Kareha::newLineage() {
    lineage_ = &Lineage::create(*this);
    repoint(nullptr, lineage_);
    return *lineage_;
}

void Kareha::repoint(const Lineage* from, Lineage* to) {
    if (from == to || children_.empty()) {
        return;
    }
    std::vector<Kareha*> pending{this};
    while (!pending.empty()) {
        Kareha* node = pending.back();
        pending.pop_back();
        for (const ChildMap::Entry& entry : node->children_) {
            if (entry.node->lineage_ == from) {
                entry.node->lineage_ = to;
                pending.push_back(entry.node.get());
            }
        }
    }
}

Drevak& Kareha::attach(std::string_view name, std::unique_ptr<Drevak> node) {
    Lineage& joined = lineage();
    Lineage* own = node->lineage_;
    node->lineage_ = &joined;
    if (own != nullptr || !node->children_.empty()) {
        const bool wasRoot = own != nullptr && own->root() == node.get();
        node->repoint(own, &joined);
        if (wasRoot) {
            own->end();
        }
    }
    return children_.insert(name, std::move(node));
}

std::string Kareha::toString() const {
    std::string text;
    appendValueText(text);
    return text;
}

void Kareha::appendValueText(std::string& out) const {
    if (HaveFile()) {
        out.push_back(static_cast<char>(typeOf(value_)));
        std::visit([&out](const auto& value) { appendValue(out, value); }, value_);
    }
}

// A node without a value sorts before one with a value.
int Kareha::opCmp(const Kareha& other) const {
    if (!HaveFile() || !other.HaveFile()) {
        return threeWay(HaveFile(), other.HaveFile());
    }
    if (value_.index() != other.value_.index()) {
        return static_cast<unsigned char>(typeOf(value_)) <
                       static_cast<unsigned char>(typeOf(other.value_))
                   ? -1
                   : 1;
    }
    return std::visit(
        [&other](const auto& mine) {
            using T = std::decay_t<decltype(mine)>;
            return compareScalar(mine, std::get<T>(other.value_));
        },
        value_);
}

// Reals compare with floating-point equality, so NaN equals nothing.
bool Kareha::operator==(const Kareha& other) const {
    return value_ == other.value_;
}

template <typename T> const T& Kareha::store(T value) {
    value_ = std::move(value);
    return std::get<T>(value_);
}

Integer Kareha::operator=(Integer value) {
    return store(value);
}
const std::vector<Integer>& Kareha::operator=(std::vector<Integer> value) {
    return store(std::move(value));
}
real Kareha::operator=(real value) {
    return store(StoredReal(value));
}
const std::vector<real>& Kareha::operator=(std::vector<real> value) {
    return store(std::move(value));
}
const std::string& Kareha::operator=(std::string value) {
    return store(std::move(value));
}
const std::vector<std::string>& Kareha::operator=(std::vector<std::string> value) {
    return store(std::move(value));
}
const Binary& Kareha::operator=(Binary value) {
    return store(std::move(value));
}
const std::vector<Binary>& Kareha::operator=(std::vector<Binary> value) {
    return store(std::move(value));
}

void Kareha::ExceptionHaveFile() const {
    if (!HaveFile()) {
        throw DrevakException("ファイルもってな～い");
    }
}

void Kareha::ExceptionTSV() const {
    ExceptionHaveFile();
    if (!isArray(value_)) {
        throw DrevakException("TSV形式じゃな～い");
    }
}

void Kareha::DeleteFile() {
    ExceptionHaveFile();
    value_ = std::monostate{};
}

HAGATA Kareha::FileType() const {
    ExceptionHaveFile();
    return typeOf(value_);
}

bool Kareha::FileIsTSV() const {
    ExceptionHaveFile();
    return isArray(value_);
}

std::size_t Kareha::TSVLength() const {
    ExceptionTSV();
    return std::visit(
        [](const auto& value) -> std::size_t {
            if constexpr (IS_ARRAY<std::decay_t<decltype(value)>>) {
                return value.size();
            } else {
                return 0;
            }
        },
        value_);
}

void Kareha::TSVLength(std::size_t length) {
    ExceptionTSV();
    std::visit(
        [length](auto& value) {
            if constexpr (IS_ARRAY<std::decay_t<decltype(value)>>) {
                value.resize(length);
            }
        },
        value_);
}

template <typename T> const T& Kareha::get(HAGATA wanted) const {
    ExceptionHaveFile();
    if (typeOf(value_) != wanted) {
        throw DrevakException("型は" + std::string(FileToString(wanted)) + "じゃないよ" +
                              std::string(FileToString(typeOf(value_))) + "だよ");
    }
    return std::get<T>(value_);
}

Integer Kareha::GetInteger() const {
    return get<Integer>(HAGATA::Integer);
}
const std::vector<Integer>& Kareha::GetIntegers() const {
    return get<std::vector<Integer>>(HAGATA::TSV_Integer);
}
real Kareha::GetReal() const {
    return get<StoredReal>(HAGATA::real);
}
const std::vector<real>& Kareha::GetReals() const {
    return get<std::vector<real>>(HAGATA::TSV_real);
}
const std::string& Kareha::GetString() const {
    return get<std::string>(HAGATA::string);
}
const std::vector<std::string>& Kareha::GetStrings() const {
    return get<std::vector<std::string>>(HAGATA::TSV_string);
}
const Binary& Kareha::GetBinary() const {
    return get<Binary>(HAGATA::Binary);
}
const std::vector<Binary>& Kareha::GetBinaries() const {
    return get<std::vector<Binary>>(HAGATA::TSV_Binary);
}

void Kareha::RemoveChild(std::string_view name) {
    const std::unique_ptr<Drevak> removed = children_.take(name);
    if (!removed) {
        throw DrevakException(withName("そんな子(%s)うちにいません", name));
    }
    if (lineage_ != nullptr) {
        lineage_->bump();
    }
}

std::size_t Kareha::ChildCount() const noexcept {
    return children_.size();
}

void Kareha::EachChild(const std::function<void(const std::string&, Drevak&)>& visit) {
    for (const ChildMap::Entry& entry : children_) {
        visit(entry.name, *entry.node);
    }
}

void Kareha::EachChild(const std::function<void(const std::string&, const Drevak&)>& visit) const {
    for (const ChildMap::Entry& entry : children_) {
        visit(entry.name, *entry.node);
    }
}

std::vector<std::string> Kareha::ChildNames() const {
    std::vector<std::string> names;
    names.reserve(ChildCount());
    EachChild([&names](const std::string& name, const Drevak&) { names.push_back(name); });
    return names;
}

std::vector<Drevak*> Kareha::Children() {
    std::vector<Drevak*> nodes;
    nodes.reserve(ChildCount());
    EachChild([&nodes](const std::string&, Drevak& child) { nodes.push_back(&child); });
    return nodes;
}

ChildMap& Kareha::ChildTable() {
    return children_;
}

const ChildMap& Kareha::ChildTable() const {
    return children_;
}

std::unique_ptr<Drevak> Kareha::Dup(bool deep) const {
    auto copy = std::make_unique<Drevak>();
    copy->value_ = value_;
    if (!deep) {
        return copy;
    }
    std::vector<std::pair<const Kareha*, Kareha*>> pending{{this, copy.get()}};
    while (!pending.empty()) {
        const auto [source, target] = pending.back();
        pending.pop_back();
        for (const ChildMap::Entry& entry : source->children_) {
            Drevak& twin = target->newChild(entry.name);
            twin.value_ = entry.node->value_;
            pending.emplace_back(entry.node.get(), &twin);
        }
    }
    return copy;
}

void Kareha::RenameChild(std::string_view oldName, std::string_view newName) {
    if (!HaveChild(oldName)) {
        throw DrevakException(withName("%sが見つかんない", oldName));
    }
    if (HaveChild(newName)) {
        throw DrevakException(withName("%sってのはスデにある", newName));
    }
    if (!Convert::isName(newName)) {
        throw DrevakException(withName("%sはツリー名として不正", newName));
    }
    children_.rename(oldName, newName);
}

bool Kareha::HaveChild(std::string_view name) const {
    return children_.find(name) != nullptr;
}

Drevak& Kareha::GetChild(std::string_view name) {
    return const_cast<Drevak&>(std::as_const(*this).GetChild(name));
}

const Drevak& Kareha::GetChild(std::string_view name) const {
    if (const Drevak* child = children_.find(name)) {
        return *child;
    }
    throw DrevakException(withName("指定した子供(%s)が存在しない", name));
}

bool Kareha::AddChild(std::unique_ptr<Drevak> node, std::string_view name) {
    if (!node || !Convert::isName(name) || HaveChild(name)) {
        return false;
    }
    attach(name, std::move(node));
    return true;
}

Drevak& Kareha::childOrNew(std::string_view name) {
    if (Drevak* child = children_.find(name)) {
        return *child;
    }
    return newChild(name);
}

Drevak& Kareha::newChild(std::string_view name) {
    void* memory = lineage().pool().allocate();
    return attach(name, std::unique_ptr<Drevak>(::new (memory) Drevak()));
}

std::vector<std::string> Kareha::CommentLines() const {
    std::vector<std::string> lines;
    for (const std::string_view line : Convert::splitComment(Comment)) {
        lines.push_back(";" + std::string(line));
    }
    return lines;
}

std::vector<std::string> Kareha::ToLines(bool withComments) const {
    std::vector<std::string> lines;
    EachValueNode([&](std::string_view address, const Kareha& node) {
        if (withComments) {
            for (std::string& comment : node.CommentLines()) {
                lines.push_back(std::move(comment));
            }
        }
        lines.push_back(std::string(address) + node.toString());
    });
    return lines;
}

void Kareha::EachValueNode(
    const std::function<void(std::string_view address, const Kareha& node)>& visit) const {
    if (HaveFile()) {
        visit({}, *this);
    }
    struct Frame {
        const ChildMap* table;
        ChildMap::const_iterator next;
        std::size_t addressLength;
    };
    std::vector<Frame> pending;
    if (!children_.empty()) {
        pending.push_back({&children_, children_.begin(), 0});
    }
    std::string address;
    while (!pending.empty()) {
        Frame& frame = pending.back();
        if (frame.next == frame.table->end()) {
            pending.pop_back();
            continue;
        }
        const ChildMap::Entry& entry = *frame.next;
        ++frame.next;
        const Kareha& child = *entry.node;
        address.resize(frame.addressLength);
        if (!address.empty()) {
            address.push_back('/');
        }
        address += entry.name;
        if (child.HaveFile()) {
            visit(address, child);
        }
        if (!child.children_.empty()) {
            pending.push_back({&child.children_, child.children_.begin(), address.size()});
        }
    }
}

void Kareha::clearNode() {
    value_ = std::monostate{};
    if (!children_.empty() && lineage_ != nullptr) {
        lineage_->bump();
    }
    releaseChildren(std::move(children_));
    Comment.clear();
}

} // namespace drevak
