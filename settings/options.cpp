#include "options.h"

#include "settings.h"

#include <algorithm>

namespace {

constexpr char TEST_LENGTH[] = "test_number";
constexpr char TIPS[] = "tip";
constexpr char UPDATE_CHECK[] = "update";
constexpr char LAST_CHECK_DAY[] = "date";
constexpr char REMEMBER[] = "remember";
constexpr char ACCENTS[] = "accents";
constexpr char CAPITALS[] = "capitals";

} // namespace

int storedTestLength()
{
    return getSettingInt(TEST_LENGTH, 10, SCOPE_USER);
}

std::uint32_t testLength()
{
    const auto length = static_cast<std::uint32_t>(storedTestLength());
    return std::clamp(length, std::uint32_t(MIN_TEST_LENGTH), std::uint32_t(MAX_TEST_LENGTH));
}

bool setTestLength(int length)
{
    return setSettingInt(TEST_LENGTH, std::clamp(length, MIN_TEST_LENGTH, MAX_TEST_LENGTH), SCOPE_USER) ==
           SETTING_WRITTEN;
}

int tipsSwitch()
{
    return getSettingInt(TIPS, 1, SCOPE_USER);
}

bool tipsAtStart()
{
    return tipsSwitch() == 1;
}

bool setTipsAtStart(bool on)
{
    return setSettingInt(TIPS, on ? 1 : 0, SCOPE_USER) == SETTING_WRITTEN;
}

int updateSwitch()
{
    return getSettingInt(UPDATE_CHECK, 1, SCOPE_MACHINE);
}

bool dailyUpdateCheck()
{
    return updateSwitch() == 1;
}

bool setDailyUpdateCheck(bool on)
{
    return setSettingInt(UPDATE_CHECK, on ? 1 : 0, SCOPE_MACHINE) == SETTING_WRITTEN;
}

int lastUpdateCheckDay()
{
    return getSettingInt(LAST_CHECK_DAY, 0, SCOPE_MACHINE);
}

bool setLastUpdateCheckDay(int day)
{
    return setSettingInt(LAST_CHECK_DAY, day, SCOPE_MACHINE) == SETTING_WRITTEN;
}

int rememberSwitch()
{
    return getSettingInt(REMEMBER, 1, SCOPE_USER);
}

bool rememberWords()
{
    return rememberSwitch() == 1;
}

bool setRememberWords(bool on)
{
    return setSettingInt(REMEMBER, on ? 1 : 0, SCOPE_USER) == SETTING_WRITTEN;
}

int accentsSwitch()
{
    return getSettingInt(ACCENTS, 1, SCOPE_USER);
}

bool accentsCount()
{
    return accentsSwitch() == 1;
}

bool setAccentsCount(bool on)
{
    return setSettingInt(ACCENTS, on ? 1 : 0, SCOPE_USER) == SETTING_WRITTEN;
}

int capitalsSwitch()
{
    return getSettingInt(CAPITALS, 0, SCOPE_USER);
}

bool capitalsCount()
{
    return capitalsSwitch() == 1;
}

bool setCapitalsCount(bool on)
{
    return setSettingInt(CAPITALS, on ? 1 : 0, SCOPE_USER) == SETTING_WRITTEN;
}
