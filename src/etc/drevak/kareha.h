#pragma once

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "etc/drevak/childmap.h"
#include "etc/drevak/lineage.h"
#include "etc/drevak/types.h"

namespace drevak {

// A real kept in plain bytes: its 16-byte alignment would make every node a quarter larger
// and slower to allocate.
class StoredReal {
public:
    StoredReal(real value) noexcept { std::memcpy(bytes_, &value, sizeof value); }
    operator real() const noexcept {
        real value;
        std::memcpy(&value, bytes_, sizeof value);
        return value;
    }
    friend bool operator==(const StoredReal& a, const StoredReal& b) noexcept {
        return real(a) == real(b);
    }

private:
    unsigned char bytes_[sizeof(real)];
};

// A node: an optional typed value (its "file"), named children and a comment.
// A node knows neither its name nor its parent, only the lineage of its tree.
class Kareha {
public:
    // No value is an alternative rather than a flag beside the variant, which leaves room for
    // the lineage without growing the node; it comes last so the others keep the type order.
    using Value =
        std::variant<Integer, std::vector<Integer>, StoredReal, std::vector<real>, std::string,
                     std::vector<std::string>, Binary, std::vector<Binary>, std::monostate>;

    Kareha();
    // A move moves the generation of the tree the children come from on (a view over the
    // moved-from node would read it emptied); moving over a node removes its old children.
    Kareha(Kareha&&);
    Kareha& operator=(Kareha&&);
    Kareha(const Kareha&) = delete;
    Kareha& operator=(const Kareha&) = delete;
    // Tears the subtree down without recursion: documents may be arbitrarily deep.
    virtual ~Kareha();

    // Nodes made one by one come from the heap, children a tree makes for itself from its
    // pool; either is freed by delete (see NodePool).
    static void* operator new(std::size_t size);
    static void operator delete(void* memory) noexcept;

    // Type character and value text; empty without a value.
    virtual std::string toString() const;
    void appendValueText(std::string& out) const;
    int opCmp(const Kareha& other) const;
    bool operator==(const Kareha& other) const;

    Integer operator=(Integer value);
    const std::vector<Integer>& operator=(std::vector<Integer> value);
    real operator=(real value);
    const std::vector<real>& operator=(std::vector<real> value);
    const std::string& operator=(std::string value);
    const std::vector<std::string>& operator=(std::vector<std::string> value);
    const Binary& operator=(Binary value);
    const std::vector<Binary>& operator=(std::vector<Binary> value);

    void ExceptionHaveFile() const;
    void ExceptionTSV() const;
    bool HaveFile() const noexcept { return !std::holds_alternative<std::monostate>(value_); }
    void DeleteFile();
    HAGATA FileType() const;
    bool FileIsTSV() const;
    std::size_t TSVLength() const;
    void TSVLength(std::size_t length);

    Integer GetInteger() const;
    const std::vector<Integer>& GetIntegers() const;
    real GetReal() const;
    const std::vector<real>& GetReals() const;
    const std::string& GetString() const;
    const std::vector<std::string>& GetStrings() const;
    const Binary& GetBinary() const;
    const std::vector<Binary>& GetBinaries() const;

    // Removing a child moves the tree's generation on; adding one does not.
    void RemoveChild(std::string_view name);
    std::size_t ChildCount() const noexcept;
    void EachChild(const std::function<void(const std::string&, Drevak&)>& visit);
    void EachChild(const std::function<void(const std::string&, const Drevak&)>& visit) const;
    std::vector<std::string> ChildNames() const;
    std::vector<Drevak*> Children();
    // The raw table: what is put in through it skips the name check and keeps a lineage of
    // its own, so a watch over an ancestor does not see removals below it.
    ChildMap& ChildTable();
    const ChildMap& ChildTable() const;
    std::unique_ptr<Drevak> Dup(bool deep) const;
    void RenameChild(std::string_view oldName, std::string_view newName);
    bool HaveChild(std::string_view name) const;
    Drevak& GetChild(std::string_view name);
    const Drevak& GetChild(std::string_view name) const;
    // A node that was the root of a tree brings its nodes into this tree: watches taken over
    // them before go stale, as nothing keeps their old lineage up to date any more.
    bool AddChild(std::unique_ptr<Drevak> node, std::string_view name);
    // Takes the named child, creating an empty one when missing; the name must be valid.
    Drevak& childOrNew(std::string_view name);

    std::string Comment;
    std::vector<std::string> CommentLines() const;
    // The subtree's value lines, addresses relative to this node, each preceded by its
    // node's comment lines when withComments is set.
    std::vector<std::string> ToLines(bool withComments) const;

    // Visits every node holding a value, with its address relative to this node.
    // Iterative, so deep documents cannot overflow the stack.
    void EachValueNode(
        const std::function<void(std::string_view address, const Kareha& node)>& visit) const;

    // The lineage of the node's tree, made (owned by this node) when the node has none: then
    // it is the root of a tree that has had no children, or an entry of the raw table.
    Lineage& lineage() { return lineage_ != nullptr ? *lineage_ : newLineage(); }

protected:
    void clearNode();

private:
    template <typename T> const T& get(HAGATA wanted) const;
    template <typename T> const T& store(T value);
    static void releaseChildren(ChildMap children) noexcept;
    bool ownsLineage() const noexcept { return lineage_ != nullptr && lineage_->root() == this; }
    Lineage& newLineage();
    Drevak& attach(std::string_view name, std::unique_ptr<Drevak> node);
    // A new empty child from the tree's pool; the name must be valid and free.
    Drevak& newChild(std::string_view name);
    void takeChildren(Kareha& other);
    // Gives the descendants that share from the lineage to instead; a node with a lineage of
    // its own keeps it for itself and its subtree.
    void repoint(const Lineage* from, Lineage* to);

    Value value_ = std::monostate{};
    // Shared by every node of the tree and owned by its root; null until the tree needs one.
    Lineage* lineage_ = nullptr;
    ChildMap children_;
};

} // namespace drevak
