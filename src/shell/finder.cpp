#include "shell/finder.h"

namespace tavrin::shell {

Finder::Finder(std::wstring_view pattern) : HandleRaii(INVALID_HANDLE_VALUE), pattern_(pattern) {}

void Finder::reset(std::wstring_view pattern) {
    dispose();
    handle = INVALID_HANDLE_VALUE;
    pattern_ = pattern;
    state_ = STATE::READY;
    count_ = 0;
}

bool Finder::next(WIN32_FIND_DATAW& data) {
    switch (state_) {
    case STATE::RUNNING:
        if (FindNextFileW(handle, &data)) {
            ++count_;
            return true;
        }
        // The handle stays held until reset or the end of the finder.
        state_ = STATE::FINISHED;
        return false;
    case STATE::READY:
        handle = FindFirstFileW(pattern_.c_str(), &data);
        if (handle == INVALID_HANDLE_VALUE) {
            state_ = STATE::FINISHED;
            return false;
        }
        alive = true;
        state_ = STATE::RUNNING;
        ++count_;
        return true;
    case STATE::FINISHED:
        break;
    }
    // Starting over here would hand out the same entries again as if they were new.
    return false;
}

void Finder::release() {
    if (!FindClose(handle)) {
        raiseReleaseFailure("ファイル検索");
    }
}

} // namespace tavrin::shell
