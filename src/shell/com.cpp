#include "shell/com.h"

#include "system/systemmessage.h"

#include <shlobj.h>

namespace tavrin::shell {

namespace {

// The calling thread's stay in its COM apartment.
class Apartment {
public:
    Apartment() {
        const HRESULT result = CoInitialize(nullptr);
        if (result == RPC_E_CHANGED_MODE) {
            return;
        }
        if (FAILED(result)) {
            throw system::ComException(comMessage(result));
        }
        // S_FALSE (already entered by other code) counts too and wants its own leave.
        entered_ = true;
    }
    ~Apartment() {
        if (entered_) {
            CoUninitialize();
        }
    }
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;

private:
    bool entered_ = false;
};

} // namespace

void enterApartment() {
    // A constructor that raises leaves the thread outside, and the next holder tries again.
    thread_local const Apartment apartment;
}

std::string comMessage(HRESULT result) {
    if (HRESULT_FACILITY(result) == FACILITY_WIN32) {
        return system::systemMessage(HRESULT_CODE(result));
    }
    return system::systemMessage(static_cast<unsigned long>(result));
}

Malloc::Malloc() {
    IMalloc* allocator = nullptr;
    if (SHGetMalloc(&allocator) != NOERROR) {
        throw system::ComError("res != NOERROR");
    }
    hold(allocator);
}

std::optional<std::wstring> IdList::path(DWORD bufferLength) const {
    // The classic SHGetPathFromIDListW assumes MAX_PATH units whatever the buffer; this one
    // is told the length.
    std::wstring buffer(bufferLength, L'\0');
    if (!list_ || !SHGetPathFromIDListEx(list_, buffer.data(), bufferLength, GPFIDL_DEFAULT)) {
        return std::nullopt;
    }
    return std::wstring(buffer.c_str());
}

void IdList::release() {
    if (list_) {
        allocator_->Free(list_);
        list_ = nullptr;
    }
}

} // namespace tavrin::shell
