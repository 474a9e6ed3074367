#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "dvk/dvkcli.h"
#include "system/unicode.h"
#include "system/win32.h"

namespace {

// A console shows UTF-8 bytes in its own code page, so it gets UTF-16 text; a file or a
// pipe gets the bytes unchanged, which keeps fmt's output exact.
void emit(FILE* stream, DWORD handleId, const std::string& bytes) {
    if (bytes.empty()) {
        return;
    }
    const HANDLE handle = GetStdHandle(handleId);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        const std::wstring text = tavrin::system::toWide(bytes);
        DWORD written = 0;
        WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        _setmode(_fileno(stdout), _O_BINARY);
        _setmode(_fileno(stderr), _O_BINARY);
        std::vector<std::string> args;
        for (int i = 1; i < argc; ++i) {
            args.push_back(tavrin::system::toUtf8(argv[i]));
        }
        std::ostringstream out;
        std::ostringstream err;
        const int exitCode = dvk::runDvk(args, out, err);
        emit(stdout, STD_OUTPUT_HANDLE, out.str());
        emit(stderr, STD_ERROR_HANDLE, err.str());
        return exitCode;
    } catch (...) {
        return 1;
    }
}
