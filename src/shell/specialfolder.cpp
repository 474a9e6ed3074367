#include "shell/specialfolder.h"

#include <optional>

#include "shell/com.h"
#include "system/systemmessage.h"

#include <shlobj.h>

namespace tavrin::shell {

std::wstring specialFolder(SYS_FOLDER folder, unsigned long bufferLength) {
    const IdList list([folder](PIDLIST_ABSOLUTE* slot) {
        const HRESULT result = SHGetSpecialFolderLocation(nullptr, static_cast<int>(folder), slot);
        if (FAILED(result)) {
            throw system::TavrinException(comMessage(result));
        }
    });
    std::optional<std::wstring> path = list.path(bufferLength);
    if (!path) {
        throw system::TavrinException(system::systemMessage(GetLastError()));
    }
    return std::move(*path);
}

} // namespace tavrin::shell
