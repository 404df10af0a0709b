#pragma once
// The clock: the local time, and waiting.

#include <ctime>

namespace platform {

// The current local date and time.
void localTimeNow(std::tm* local);

// Blocks the calling thread for the given number of milliseconds.
void sleepMs(int milliseconds);

} // namespace platform
