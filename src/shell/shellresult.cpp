#include "shell/shellresult.h"

namespace tavrin::shell {
namespace {

// The system error codes the shell's results stand for, by the values of the Windows
// headers, so that this also builds where they are not available.
constexpr std::uint32_t ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr std::uint32_t ERROR_SHARING_VIOLATION = 32;
constexpr std::uint32_t ERROR_NO_ASSOCIATION = 1155;
constexpr std::uint32_t ERROR_DDE_FAIL = 1156;
constexpr std::uint32_t ERROR_DLL_NOT_FOUND = 1157;

// The shell's own codes (SE_ERR_...); 2, 3, 5 and 11 are system codes already.
enum SHELL_RESULT : std::intptr_t {
    OUT_OF_MEMORY = 0,
    OOM = 8,
    SHARE = 26,
    ASSOCINCOMPLETE = 27,
    DDETIMEOUT = 28,
    DDEFAIL = 29,
    DDEBUSY = 30,
    NOASSOC = 31,
    DLLNOTFOUND = 32,
};

} // namespace

std::uint32_t systemCodeOfShellResult(std::intptr_t result) noexcept {
    switch (result) {
    case OUT_OF_MEMORY:
    case OOM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case SHARE:
        return ERROR_SHARING_VIOLATION;
    case ASSOCINCOMPLETE:
    case NOASSOC:
        return ERROR_NO_ASSOCIATION;
    case DDETIMEOUT:
    case DDEFAIL:
    case DDEBUSY:
        return ERROR_DDE_FAIL;
    case DLLNOTFOUND:
        return ERROR_DLL_NOT_FOUND;
    default:
        return static_cast<std::uint32_t>(result);
    }
}

} // namespace tavrin::shell
