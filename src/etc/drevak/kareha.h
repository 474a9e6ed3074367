#pragma once

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "etc/drevak/childmap.h"
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
// A node knows neither its name nor its parent.
class Kareha {
public:
    using Value = std::variant<Integer, std::vector<Integer>, StoredReal, std::vector<real>,
                               std::string, std::vector<std::string>, Binary, std::vector<Binary>>;

    Kareha();
    Kareha(Kareha&&) noexcept;
    Kareha& operator=(Kareha&&) noexcept;
    Kareha(const Kareha&) = delete;
    Kareha& operator=(const Kareha&) = delete;
    // Tears the subtree down without recursion: documents may be arbitrarily deep.
    virtual ~Kareha();

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
    bool HaveFile() const noexcept { return haveFile_; }
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

    void RemoveChild(std::string_view name);
    std::size_t ChildCount() const noexcept;
    void EachChild(const std::function<void(const std::string&, Drevak&)>& visit);
    void EachChild(const std::function<void(const std::string&, const Drevak&)>& visit) const;
    std::vector<std::string> ChildNames() const;
    std::vector<Drevak*> Children();
    ChildMap& ChildTable();
    const ChildMap& ChildTable() const;
    std::unique_ptr<Drevak> Dup(bool deep) const;
    void RenameChild(std::string_view oldName, std::string_view newName);
    bool HaveChild(std::string_view name) const;
    Drevak& GetChild(std::string_view name);
    const Drevak& GetChild(std::string_view name) const;
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

protected:
    void clearNode();

private:
    template <typename T> const T& get(HAGATA wanted) const;
    template <typename T> const T& store(T value);
    static void releaseChildren(ChildMap children) noexcept;

    Value value_;
    bool haveFile_ = false;
    ChildMap children_;
};

} // namespace drevak
