#include "records.h"

#include "boundedstring.h"

void appendUInt32(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

std::uint32_t uint32At(const unsigned char* bytes)
{
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

bool readUInt32(std::FILE* file, std::uint32_t* value)
{
    unsigned char bytes[4];
    if (std::fread(bytes, 1, 4, file) != 4)
        return false;
    *value = uint32At(bytes);
    return true;
}

void appendTextUnits(std::string& out, const char16_t* text)
{
    const std::size_t length = wcsnlen16(text, PATH_UNITS - 1);
    for (std::size_t unit = 0; unit < PATH_UNITS; ++unit) {
        const char16_t c = unit < length ? text[unit] : 0;
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
}

void textUnitsAt(const unsigned char* bytes, char16_t* text)
{
    for (int unit = 0; unit < PATH_UNITS; ++unit)
        text[unit] = static_cast<char16_t>(bytes[2 * unit] | bytes[2 * unit + 1] << 8);
    text[PATH_UNITS - 1] = 0;
}
