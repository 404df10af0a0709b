#pragma once
// The clock: the local time.

#include <ctime>

namespace platform {

// The current local date and time.
void localTimeNow(std::tm* local);

} // namespace platform
