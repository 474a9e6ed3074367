#include "dll/hookerdll.h"

#include <exception>
#include <utility>

#include "dll/hooknotification.h"
#include "system/log.h"
#include "system/staticdata.h"
#include "system/systemmessage.h"
#include "system/tavrinerrors.h"

namespace tavrin::dll {

HookerDLL::HookerDLL(HWND window) : HookerDLL(system::StaticData::HookerFile(), window) {}

HookerDLL::HookerDLL(const std::string& path, HWND window)
    : TavrinDLL(path), registHook_(required<RegistHook>(REGIST_HOOK_EXPORT)),
      unRegistHook_(required<UnRegistHook>(UNREGIST_HOOK_EXPORT)), window_(window) {}

HookerDLL::~HookerDLL() {
    releaseAtEnd([](const std::exception& refused) noexcept {
        system::WriteLog([&refused] { return system::throwableText(refused); });
    });
}

void HookerDLL::start() {
    if (hook_ != nullptr) {
        return;
    }
    hook_ = registHook_(window_, HOOK_KIND, HOOK_MOUSE);
    if (hook_ == nullptr) {
        throw system::TavrinException(system::systemMessage(GetLastError()));
    }
}

bool HookerDLL::unhook() {
    return std::exchange(hook_, nullptr) != nullptr && unRegistHook_();
}

void HookerDLL::release() {
    unhook();
    TavrinDLL::release();
}

} // namespace tavrin::dll
