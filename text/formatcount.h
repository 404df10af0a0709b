#pragma once
// The display form of every count in the main window.

#include <QString>

#include <cstdint>

// n in decimal, with a space after the thousands in 4- and 5-digit numbers (1 000, 10 000).
QString formatCount(std::uint32_t n);
