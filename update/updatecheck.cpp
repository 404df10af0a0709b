#include "updatecheck.h"

#include "platform/clock.h"
#include "platform/http.h"
#include "settings/options.h"
#include "text/boundedstring.h"
#include "updateaddress.h"

#define JSMN_STATIC
#include <jsmn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t FILTERED_BYTES = 10240;
constexpr unsigned MAX_TOKENS = 128;
constexpr unsigned PRODUCT_NUMBER = 3;

std::vector<char16_t> testingBase;

int today()
{
    std::tm local{};
    platform::localTimeNow(&local);
    return dayNumber(local);
}

void appendNumber(char16_t* buffer, unsigned number)
{
    char narrow[16];
    std::snprintf(narrow, sizeof narrow, "%u", number);
    char16_t wide[16] = {};
    for (int i = 0; narrow[i] != 0; ++i)
        wide[i] = static_cast<char16_t>(narrow[i]);
    wcslcat(buffer, wide, ADDRESS_UNITS);
}

} // namespace

int dayNumber(const std::tm& local)
{
    int m = local.tm_mon + 1;
    int y = local.tm_year + 1900;
    if (m < 3) {
        m += 12;
        y -= 1;
    }
    return 365 * y + y / 4 - y / 100 + y / 400 + (153 * m - 457) / 5 + local.tm_mday - 306;
}

int jsonGetValue(const char* data, std::size_t length, const char* key, char* out, std::size_t outSize,
                 const char* defaultValue)
{
    if (data == nullptr || length == 0) {
        strlcpy(out, defaultValue, outSize);
        return 1;
    }
    // Bytes with the high bit set go: a byte-order mark and the letters beyond ASCII.
    std::vector<char> text(FILTERED_BYTES, 0);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < length && kept < FILTERED_BYTES - 1; ++i) {
        if ((static_cast<unsigned char>(data[i]) & 0x80) == 0)
            text[kept++] = data[i];
    }
    const std::size_t textLength = std::strlen(text.data());

    jsmn_parser parser;
    jsmntok_t tokens[MAX_TOKENS];
    jsmn_init(&parser);
    const int count = jsmn_parse(&parser, text.data(), textLength, tokens, MAX_TOKENS);
    if (count < 1 || tokens[0].type != JSMN_OBJECT) {
        strlcpy(out, defaultValue, outSize);
        return 1;
    }
    const std::size_t keyLength = std::strlen(key);
    for (int i = 1; i < count; ++i) {
        const jsmntok_t& token = tokens[i];
        if (token.type != JSMN_STRING || static_cast<std::size_t>(token.end - token.start) != keyLength ||
            std::memcmp(text.data() + token.start, key, keyLength) != 0)
            continue;
        if (i + 1 >= count)
            break;
        const jsmntok_t& value = tokens[i + 1];
        const auto valueLength = static_cast<std::size_t>(value.end - value.start);
        if (valueLength + 1 <= outSize) {
            std::memcpy(out, text.data() + value.start, valueLength);
            out[valueLength] = 0;
        } else {
            strlcpy(out, defaultValue, outSize);
        }
        return 0;
    }
    strlcpy(out, defaultValue, outSize);
    return 0;
}

void buildUpdateAddress(char16_t* buffer)
{
    std::memset(buffer, 0, sizeof(char16_t) * ADDRESS_UNITS);
    const char16_t* scrambled = testingBase.empty() ? UPDATE_BASE_SCRAMBLED : testingBase.data();
    const int units = testingBase.empty() ? UPDATE_BASE_UNITS : static_cast<int>(testingBase.size());
    for (int i = 0; i < units && i < ADDRESS_UNITS - 1; ++i)
        buffer[i] = static_cast<char16_t>(scrambled[i] - i);
    appendNumber(buffer, PRODUCT_NUMBER);
    wcslcat(buffer, u"&version=", ADDRESS_UNITS);
    appendNumber(buffer, PROGRAM_VERSION);
}

QString downloadPage()
{
    return QString::fromUtf8(DOWNLOAD_PAGE);
}

void setUpdateBaseAddressForTesting(const QString& plain)
{
    testingBase.clear();
    for (int i = 0; i < plain.size(); ++i)
        testingBase.push_back(static_cast<char16_t>(plain.at(i).unicode() + i));
}

bool updateCheckDue(bool force)
{
    if (force)
        return true;
    return dailyUpdateCheck() && lastUpdateCheckDay() != today();
}

bool fetchUpdateReply(char* reply, std::size_t capacity, std::size_t* received, const std::atomic<bool>* cancel)
{
    char16_t address[ADDRESS_UNITS];
    buildUpdateAddress(address);
    std::memset(reply, 0, capacity);
    return platform::httpGetFirstBlock(address, reply, capacity, received, cancel);
}

int takeUpdateReply(const char* reply, std::size_t received)
{
    // The day counts as checked once the service has answered, whatever it said.
    setLastUpdateCheckDay(today());
    char value[10];
    jsonGetValue(reply, received, "new_version", value, sizeof value, "0");
    return std::strtol(value, nullptr, 10) == 1 ? UPDATE_AVAILABLE : UPDATE_NONE;
}

int checkForUpdate(bool force)
{
    if (!updateCheckDue(force))
        return UPDATE_NONE;
    char reply[REPLY_BYTES];
    std::size_t received = 0;
    if (!fetchUpdateReply(reply, sizeof reply, &received, nullptr))
        return UPDATE_UNAVAILABLE;
    return takeUpdateReply(reply, received);
}
