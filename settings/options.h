#pragma once
// The program's options, one accessor each: every one knows its key, its file and its default. The readers of a
// switch give the stored value, which Settings shows as on unless it is 0; the program acts on exactly 1. The
// setters return whether the value was written.

#include <cstdint>

// The words of a test, as Settings offers them.
constexpr int MIN_TEST_LENGTH = 1;
constexpr int MAX_TEST_LENGTH = 10000;

// The stored test length, as written (default 10).
int storedTestLength();
// The test length a test takes: the stored one as an unsigned number, 0 raised to 1 and anything above the
// limit, a negative value too, cut to the limit.
std::uint32_t testLength();
// Stores a test length, kept within the limits.
bool setTestLength(int length);

// Tips at start, per user (default on).
int tipsSwitch();
bool tipsAtStart();
bool setTipsAtStart(bool on);

// The daily update check, for the machine (default on).
int updateSwitch();
bool dailyUpdateCheck();
bool setDailyUpdateCheck(bool on);

// The day number of the last answered update check (default 0: never).
int lastUpdateCheckDay();
bool setLastUpdateCheckDay(int day);

// Tests start from the word history, per user (default on). Off, every test starts as if it were the first; the
// history is written all the same.
int rememberSwitch();
bool rememberWords();
bool setRememberWords(bool on);

// Judging, per user: an answer is wrong for a wrong accent (default on), or for a wrong capital (default off).
int accentsSwitch();
bool accentsCount();
bool setAccentsCount(bool on);
int capitalsSwitch();
bool capitalsCount();
bool setCapitalsCount(bool on);
