#include "system/timer.h"

#include "system/win32.h"

namespace tavrin::system {

SystemTime currentLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth,  now.wDayOfWeek, now.wDay,
            now.wHour, now.wMinute, now.wSecond,    now.wMilliseconds};
}

} // namespace tavrin::system
