#include "boundedstring.h"

#include <cstring>

std::size_t wcslen16(const char16_t* s)
{
    std::size_t n = 0;
    while (s[n] != 0)
        ++n;
    return n;
}

std::size_t wcsnlen16(const char16_t* s, std::size_t max)
{
    std::size_t n = 0;
    while (n < max && s[n] != 0)
        ++n;
    return n;
}

bool wcsequal16(const char16_t* a, const char16_t* b)
{
    while (*a != 0 && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

std::size_t wcslcpy(char16_t* dst, const char16_t* src, std::size_t size)
{
    const std::size_t srcLength = wcslen16(src);
    if (size > 0) {
        const std::size_t n = srcLength < size - 1 ? srcLength : size - 1;
        std::memmove(dst, src, n * sizeof(char16_t));
        dst[n] = 0;
    }
    return srcLength;
}

std::size_t wcslcat(char16_t* dst, const char16_t* src, std::size_t size)
{
    const std::size_t dstLength = wcsnlen16(dst, size);
    if (dstLength == size)
        return size + wcslen16(src);
    return dstLength + wcslcpy(dst + dstLength, src, size - dstLength);
}

std::size_t strlcpy(char* dst, const char* src, std::size_t size)
{
    const std::size_t srcLength = std::strlen(src);
    if (size > 0) {
        const std::size_t n = srcLength < size - 1 ? srcLength : size - 1;
        std::memmove(dst, src, n);
        dst[n] = 0;
    }
    return srcLength;
}

std::size_t strlcat(char* dst, const char* src, std::size_t size)
{
    const std::size_t dstLength = strnlen(dst, size);
    if (dstLength == size)
        return size + std::strlen(src);
    return dstLength + strlcpy(dst + dstLength, src, size - dstLength);
}
