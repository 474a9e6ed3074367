// The saving process that killed_save_win32 ends: loads the document at SOURCE, sets the event
// named READY once only the save is left, and saves the document over TARGET.
// Usage: proof_saver SOURCE TARGET READY; exit status 0 when saved, 2 for bad arguments, 3 when
// the load or the save failed.
#include <cstdio>
#include <exception>

#include "file/datafile.h"
#include "system/unicode.h"
#include "system/win32.h"

#include <shellapi.h>

int main() {
    int count = 0;
    wchar_t** const arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 4) {
        std::fprintf(stderr, "usage: proof_saver SOURCE TARGET READY\n");
        return 2;
    }
    try {
        using tavrin::system::toUtf8;
        const drevak::DvkDocument document = tavrin::file::LoadDocument(toUtf8(arguments[1]));
        const HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, arguments[3]);
        if (ready == nullptr || !SetEvent(ready)) {
            std::fprintf(stderr, "proof_saver: no event to set (system code %lu)\n",
                         GetLastError());
            return 3;
        }
        tavrin::file::SaveDocument(document, toUtf8(arguments[2]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "proof_saver: %s\n", error.what());
        return 3;
    }
    return 0;
}
