#pragma once
// The stored tests that the Statistics window lists: their time stamps, newest first.

#include <cstddef>
#include <string>
#include <vector>

// The window lists at most this many tests, the newest of them.
constexpr std::size_t MAX_LISTED_TESTS = 1000;

// Empties list and fills it with the time stamps of the stored tests, newest first. Creates no folder.
void listStatistics(std::vector<std::u16string>& list);
// True when the time stamp a is strictly later than b; missing or unreadable fields count as 0.
bool newerThan(const std::u16string& a, const std::u16string& b);
