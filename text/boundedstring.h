#pragma once
// Bounded copy and append for the fixed-size path and settings buffers: over-long text is cut, never overrun.

#include <cstddef>

// Every path the program builds fits in this many UTF-16 code units, the terminating NUL included.
constexpr int PATH_UNITS = 260;

// Length of a NUL-terminated UTF-16 text.
std::size_t wcslen16(const char16_t* s);
// Length of a UTF-16 text, looking at no more than max units.
std::size_t wcsnlen16(const char16_t* s, std::size_t max);
// Compares two NUL-terminated UTF-16 texts unit by unit; true when they are the same.
bool wcsequal16(const char16_t* a, const char16_t* b);

// Copies at most size-1 units and terminates when size > 0; returns the length of src.
std::size_t wcslcpy(char16_t* dst, const char16_t* src, std::size_t size);
// Appends src so that dst holds at most size-1 units and stays terminated; returns the length it tried to create.
std::size_t wcslcat(char16_t* dst, const char16_t* src, std::size_t size);

// The same two on bytes.
std::size_t strlcpy(char* dst, const char* src, std::size_t size);
std::size_t strlcat(char* dst, const char* src, std::size_t size);
