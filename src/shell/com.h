#pragma once

#include <concepts>
#include <optional>
#include <string>

#include "system/raii.h"
#include "system/tavrinerrors.h"
#include "system/win32.h"

#include <objbase.h>
#include <shtypes.h>

// Holders of COM interfaces and of what the shell allocates.
//
// COM is entered per thread, on the first holder a thread creates, and left when that thread
// ends. The launcher does all its shell work on its one GUI thread, so this is once per run,
// without a start-up step that every program and test would have to remember; a helper
// thread that creates a holder gets its own apartment, as COM requires.
namespace tavrin::shell {

// Enters the calling thread's single-threaded apartment (CoInitialize) unless the thread is
// already in it; the thread leaves it (CoUninitialize) when it ends. A thread that some other
// code put into the multi-threaded apartment stays there. Raises ComException with the
// system's message when COM cannot start.
void enterApartment();

// The system's text for a COM result; results that carry a Windows error code give the text
// of that code.
std::string comMessage(HRESULT result);

// Owns one reference to a COM interface and gives it back with Release.
template <typename I> class Com : public system::Raii {
public:
    // Takes over one reference that the caller acquired; a null pointer holds nothing.
    explicit Com(I* acquired) : Com() { hold(acquired); }
    ~Com() override { releaseAtEnd(); }

    I* get() const noexcept { return interface_; }
    I* operator->() const noexcept { return interface_; }

protected:
    // Derived holders acquire their interface in their own constructor, inside the apartment.
    Com() { enterApartment(); }

    void hold(I* acquired) noexcept {
        interface_ = acquired;
        alive = acquired != nullptr;
    }

    void release() override {
        interface_->Release();
        interface_ = nullptr;
    }

private:
    I* interface_ = nullptr;
};

// The shell's allocator (SHGetMalloc); its failure is a broken invariant: ComError
// "res != NOERROR".
class Malloc : public Com<IMalloc> {
public:
    Malloc();
};

// An item identifier list that the shell hands out, freed with the shell allocator however
// the holder ends.
class IdList : public system::Raii {
public:
    // Gets the allocator first, then lets acquire write the list into the slot it is given;
    // a list written before acquire raises is freed as well.
    template <std::invocable<PIDLIST_ABSOLUTE*> Acquire> explicit IdList(Acquire&& acquire) {
        try {
            acquire(&list_);
        } catch (...) {
            release();
            throw;
        }
        alive = true;
    }
    ~IdList() override { releaseAtEnd(); }

    // Null when the call handed out no list.
    PCIDLIST_ABSOLUTE get() const noexcept { return list_; }

    // The file-system path that the list names, read into a buffer of bufferLength UTF-16
    // units; nothing when there is no list, or when it names no file-system object or its
    // path does not fit (GetLastError tells why).
    std::optional<std::wstring> path(DWORD bufferLength) const;

protected:
    void release() override;

private:
    Malloc allocator_;
    PIDLIST_ABSOLUTE list_ = nullptr;
};

} // namespace tavrin::shell
