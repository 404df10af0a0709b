#include "updateaddress.h"

#include <cstddef>

namespace {

template <std::size_t N> struct Scrambled
{
    char16_t units[N];
};

// Done by the compiler, so the plain address never reaches the program.
template <std::size_t N> constexpr Scrambled<N> scramble(const char16_t (&plain)[N])
{
    Scrambled<N> out{};
    for (std::size_t i = 0; i + 1 < N; ++i)
        out.units[i] = static_cast<char16_t>(plain[i] + i);
    return out;
}

constexpr auto scrambled = scramble(u"" QUILLORA_UPDATE_ADDRESS);

} // namespace

const char16_t* const UPDATE_BASE_SCRAMBLED = scrambled.units;
const int UPDATE_BASE_UNITS = static_cast<int>(sizeof scrambled.units / sizeof(char16_t)) - 1;
const char* const DOWNLOAD_PAGE = QUILLORA_DOWNLOAD_PAGE;
