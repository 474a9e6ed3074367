#pragma once

#include <exception>
#include <source_location>
#include <string>
#include <string_view>
#include <typeinfo>
#include <utility>

namespace tavrin::system {

// Base of every object that owns an operating-system resource; the resource is freed
// exactly once, whether the holder is disposed or destroyed.
//
// A base destructor cannot reach the derived release (the derived part is already gone),
// so every concrete holder's destructor calls releaseAtEnd() itself.
class Raii {
public:
    Raii(const Raii&) = delete;
    Raii& operator=(const Raii&) = delete;
    virtual ~Raii() = default;

    // Frees the resource now; a second dispose frees nothing. When the system refuses, the
    // exception passes and the resource stays held (alive), so a later attempt or the
    // destructor can try again.
    bool dispose();

    bool isAlive() const noexcept { return alive; }

protected:
    Raii() = default;

    // Frees the resource; called only while alive.
    virtual void release() = 0;

    // For the concrete holder's destructor: releases while still alive and lets nothing
    // escape, as a destructor must not throw. A refusal goes to report when one is given.
    void releaseAtEnd(void (*report)(const std::exception&) noexcept = nullptr) noexcept;

    // Raises the release failure: "<class>.RAII失敗(<kind>()[<identity>]".
    [[noreturn]] void
    raiseReleaseFailure(std::string_view kind,
                        std::source_location where = std::source_location::current()) const;

    // Set by each holder's constructor once it has acquired the resource.
    bool alive = false;
};

// A holder of one handle. Moving hands the handle and its ownership over; the holder moved
// from holds nothing.
template <typename H> class HandleRaii : public Raii {
public:
    H get() const noexcept { return handle; }

protected:
    HandleRaii() = default;
    explicit HandleRaii(H held) : handle(held) {}
    // A handle freed by this holder only when owned: borrowed handles stay with their owner.
    HandleRaii(H held, bool owned) : handle(held) { alive = owned && held != H{}; }
    HandleRaii(HandleRaii&& other) noexcept : handle(std::exchange(other.handle, H{})) {
        alive = std::exchange(other.alive, false);
    }
    // Frees what this holder owns first; when that is refused, the exception passes and both
    // holders keep what they had.
    HandleRaii& operator=(HandleRaii&& other) {
        if (this != &other) {
            dispose();
            handle = std::exchange(other.handle, H{});
            alive = std::exchange(other.alive, false);
        }
        return *this;
    }
    // Takes a new handle in place of the current one, freeing the current one when owned.
    void replace(H held, bool owned) {
        dispose();
        handle = held;
        alive = owned && held != H{};
    }

    H handle{};
};

// The readable name of a dynamic type, namespaces included ("tavrin::tvgui::Font").
std::string fullClassName(const std::type_info& type);

// The message of a refused release: the holder's full class name, then
// ".RAII失敗(" + kind + "()[" + identity as at least eight hexadecimal digits + "]".
std::string releaseFailureMessage(std::string_view className, std::string_view kind,
                                  const void* identity);

// One-operation interfaces.
class IRaii {
public:
    virtual ~IRaii() = default;
    virtual void release() = 0;
};

class IInitialize {
public:
    virtual ~IInitialize() = default;
    virtual void initialize() = 0;
};

} // namespace tavrin::system
