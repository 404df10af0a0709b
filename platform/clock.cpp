#include "clock.h"

#include <time.h>

namespace platform {

void localTimeNow(std::tm* local)
{
    const std::time_t now = std::time(nullptr);
    ::localtime_r(&now, local);
}

} // namespace platform
