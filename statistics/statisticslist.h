#pragma once
// The stored tests that the Statistics window lists: their time stamps, newest first.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The window lists at most this many tests, the newest of them.
constexpr std::size_t MAX_LISTED_TESTS = 1000;

// True when a file name is that of a stored test: "stat" + "DD.MM.YYYY HH-MM-SS" + ".dat", with ASCII digits.
bool isStatisticsFileName(std::u16string_view name);
// Empties list and fills it with the time stamps of the stored tests, newest first, at most limit of them. Creates
// no folder.
void listStatistics(std::vector<std::u16string>& list, std::size_t limit = MAX_LISTED_TESTS);
// True when the time stamp a is strictly later than b; missing or unreadable fields count as 0.
bool newerThan(const std::u16string& a, const std::u16string& b);
