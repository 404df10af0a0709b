#include "clock.h"

#include <cerrno>
#include <time.h>

namespace platform {

void localTimeNow(std::tm* local)
{
    const std::time_t now = std::time(nullptr);
    ::localtime_r(&now, local);
}

void sleepMs(int milliseconds)
{
    struct timespec wait;
    wait.tv_sec = milliseconds / 1000;
    wait.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
    while (::nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
}

} // namespace platform
