#pragma once
// The little-endian pieces the program's own binary files are made of: 32-bit numbers, and texts stored as
// PATH_UNITS UTF-16 units padded with NULs.

#include <cstdint>
#include <cstdio>
#include <string>

void appendUInt32(std::string& out, std::uint32_t value);
std::uint32_t uint32At(const unsigned char* bytes);
// False, with value untouched, when the file ends first.
bool readUInt32(std::FILE* file, std::uint32_t* value);

// Appends at most PATH_UNITS - 1 units of the text, then NULs up to PATH_UNITS units.
void appendTextUnits(std::string& out, const char16_t* text);
// Reads PATH_UNITS units into text, which always ends in a NUL.
void textUnitsAt(const unsigned char* bytes, char16_t* text);
