#include "settings.h"

#include "platform/appfolders.h"
#include "platform/files.h"
#include "text/boundedstring.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int NARROW_PATH_BYTES = 260;
constexpr int SEARCH_TEXT_BYTES = MAX_KEY_LENGTH + 2;
constexpr int MAX_VALUE_CHARS = 11;
// A settings file holds a handful of short lines; anything far larger is not ours to load whole.
constexpr long MAX_FILE_BYTES = 16L * 1024 * 1024;

bool readWholeFile(std::FILE* file, std::string& text)
{
    char piece[4096];
    std::size_t n;
    while ((n = std::fread(piece, 1, sizeof piece, file)) > 0) {
        if (text.size() + n > static_cast<std::size_t>(MAX_FILE_BYTES))
            return false;
        text.append(piece, n);
    }
    return true;
}

// Splits the text into lines, each keeping its line end.
template <typename Visit> void forEachLine(const std::string& text, Visit visit)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        visit(text.substr(start, end - start));
        start = end;
    }
}

// The file of the scope and the text that starts a line of the key: "key=".
void prepare(const char* key, int scope, char* path, char* search)
{
    getSettingsPath(path, scope);
    strlcpy(search, key, SEARCH_TEXT_BYTES);
    strlcat(search, "=", SEARCH_TEXT_BYTES);
}

} // namespace

bool keyMatches(const char* line, const char* keyWithEquals)
{
    const char* lineEquals = std::strchr(line, '=');
    const char* keyEquals = std::strchr(keyWithEquals, '=');
    if (lineEquals == nullptr || keyEquals == nullptr)
        return false;
    const std::size_t length = static_cast<std::size_t>(keyEquals - keyWithEquals);
    if (static_cast<std::size_t>(lineEquals - line) != length)
        return false;
    return std::strncmp(line, keyWithEquals, length) == 0;
}

namespace {

// Looks for the first line of the key in one file. False when the file cannot be read or has no such line;
// otherwise value holds at most MAX_VALUE_CHARS characters after the "=", without the line end.
bool findValue(const char* path, const char* search, std::string& value)
{
    std::FILE* file = platform::openForReading(path);
    if (file == nullptr)
        return false;
    std::string text;
    const bool whole = readWholeFile(file, text);
    std::fclose(file);
    if (!whole)
        return false;

    const std::size_t searchLength = std::strlen(search);
    bool found = false;
    forEachLine(text, [&](const std::string& line) {
        if (found || line.compare(0, searchLength, search) != 0)
            return;
        found = true;
        value = line.substr(searchLength, MAX_VALUE_CHARS);
        // Files brought from Windows end their lines with CR LF.
        if (!value.empty() && value.back() == '\n')
            value.pop_back();
        if (!value.empty() && value.back() == '\r')
            value.pop_back();
    });
    return found;
}

} // namespace

int getSettingsPath(char* path, int scope)
{
    if (scope != SCOPE_USER && scope != SCOPE_MACHINE)
        return 0;
    // The machine-wide keys a user changes are the user's own: they go to the user's configuration folder and
    // win over the machine's.
    char16_t file[PATH_UNITS] = {};
    const bool found = scope == SCOPE_USER ? platform::userSettingsPath(file, PATH_UNITS, true)
                                           : platform::machineSettingsPath(file, PATH_UNITS, true);
    if (!found)
        return 1;
    platform::narrowPath(file, path, NARROW_PATH_BYTES);
    return 0;
}

int getSettingInt(const char* key, int defaultValue, int scope)
{
    if (std::strlen(key) > static_cast<std::size_t>(MAX_KEY_LENGTH))
        return defaultValue;
    char path[NARROW_PATH_BYTES] = {};
    char search[SEARCH_TEXT_BYTES] = {};
    prepare(key, scope, path, search);

    // The first file that has the key decides: the scope's own, then for the machine scope each of the machine's
    // configuration folders in turn.
    std::string value;
    bool found = findValue(path, search, value);
    for (int index = 0; !found && scope == SCOPE_MACHINE; ++index) {
        char16_t file[PATH_UNITS] = {};
        if (!platform::systemSettingsPath(index, file, PATH_UNITS))
            break;
        char systemPath[NARROW_PATH_BYTES] = {};
        platform::narrowPath(file, systemPath, NARROW_PATH_BYTES);
        found = findValue(systemPath, search, value);
    }
    if (!found || value.empty())
        return defaultValue;

    errno = 0;
    char* end = nullptr;
    const long long number = std::strtoll(value.c_str(), &end, 10);
    if (end == value.c_str() || *end != 0)
        return defaultValue;
    if (number > INT_MAX)
        return INT_MAX;
    if (number < INT_MIN)
        return INT_MIN;
    return static_cast<int>(number);
}

int setSettingInt(const char* key, int value, int scope)
{
    if (std::strlen(key) > static_cast<std::size_t>(MAX_KEY_LENGTH))
        return SETTING_KEY_TOO_LONG;
    char path[NARROW_PATH_BYTES] = {};
    char search[SEARCH_TEXT_BYTES] = {};
    prepare(key, scope, path, search);
    char number[16];
    std::snprintf(number, sizeof number, "%d", value);
    const std::string newLine = std::string(search) + number + "\n";

    std::string text;
    if (std::FILE* file = platform::openForReading(path)) {
        const bool whole = readWholeFile(file, text);
        std::fclose(file);
        if (!whole)
            return SETTING_NO_MEMORY;
    }

    std::string result;
    result.reserve(text.size() + newLine.size() + 1);
    bool found = false;
    forEachLine(text, [&](const std::string& line) {
        if (keyMatches(line.c_str(), search)) {
            result += newLine;
            found = true;
        } else {
            result += line;
        }
    });
    if (!found) {
        // A last line without its line end would otherwise be joined to the new one.
        if (!result.empty() && result.back() != '\n')
            result += '\n';
        result += newLine;
    }
    return platform::replaceFile(path, result.data(), result.size()) ? SETTING_WRITTEN : SETTING_CANNOT_WRITE;
}
