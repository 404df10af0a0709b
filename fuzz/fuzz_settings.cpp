// settings.conf: a key written in either scope reads back as the value written; every other key reads as before.

#include "fuzzing.h"

#include "settings/settings.h"

#include <climits>
#include <cstring>

// Input: which key to write (the program's four, else that of the file's first line), the scope and the value,
// then the scope's file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 6)
        return -1;
    const std::string file(reinterpret_cast<const char*>(data) + 6, size - 6);
    const std::string own = file.substr(0, file.find_first_of(std::string("=\n\0", 3)));
    // Keys where one is the start of another, and one of the input's own.
    const char* keys[] = {"number", "number_x", "u", "up", own.c_str()};
    const char* key = keys[data[0] % 5];
    const int scope = data[1] % 2 == 0 ? SCOPE_USER : SCOPE_MACHINE;
    int value;
    std::memcpy(&value, data + 2, sizeof value);
    char path[260] = {};
    const bool placed = getSettingsPath(path, scope) == 0;
    assert(placed);
    putFile(path, data + 6, size - 6);

    int before[5];
    for (int i = 0; i < 5; ++i)
        before[i] = getSettingInt(keys[i], INT_MIN + 1, scope);
    const int status = setSettingInt(key, value, scope);
    assert(status == (std::strlen(key) > MAX_KEY_LENGTH ? SETTING_KEY_TOO_LONG : SETTING_WRITTEN));
    for (int i = 0; i < 5; ++i) {
        const bool written = status == SETTING_WRITTEN && std::strcmp(keys[i], key) == 0;
        assert(getSettingInt(keys[i], INT_MIN + 1, scope) == (written ? value : before[i]));
    }
    return 0;
}
