// The update service's reply: the JSON lookup reads only the bytes received, and a smaller result buffer gives
// the same value when it fits, else the default.

#include "fuzzing.h"

#include "update/updatecheck.h"

#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Exactly the bytes received, on the heap, so that reading one more is a finding.
    const std::unique_ptr<char[]> reply(new char[size]);
    std::memcpy(reply.get(), data, size);
    char full[REPLY_BYTES];
    jsonGetValue(reply.get(), size, "new_version", full, sizeof full, "0");
    for (const std::size_t room : {1, 2, 3, 10}) {
        const std::unique_ptr<char[]> value(new char[room]);
        jsonGetValue(reply.get(), size, "new_version", value.get(), room, "0");
        assert(std::strcmp(value.get(), std::strlen(full) < room ? full : room > 1 ? "0" : "") == 0);
    }

    const int result = takeUpdateReply(reply.get(), size);
    assert(result == UPDATE_AVAILABLE || (result == UPDATE_NONE && std::strcmp(full, "1") != 0));
    return 0;
}
