#pragma once
// One HTTP request to the update service.

#include <atomic>
#include <cstddef>

namespace platform {

// One HTTP GET of the address, reading at most capacity bytes of the body, whatever the status. False when the
// connection or the read fails, or when cancel (if given) turns true, which ends the transfer within about 100 ms.
// Blocks the calling thread; a server that never answers gives up after about a minute.
bool httpGetFirstBlock(const char16_t* address, char* buffer, std::size_t capacity, std::size_t* received,
                       const std::atomic<bool>* cancel = nullptr);

} // namespace platform
