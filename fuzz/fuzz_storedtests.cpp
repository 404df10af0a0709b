// The stored tests' names: a listed test's stamp leads back to its own file, and
// newerThan orders strictly, so that sorting the list is sound.

#include "fuzzing.h"

#include "statistics/statisticslist.h"

// Irreflexive, and transitive in both "newer" and "as new", over the last eight stamps.
static void checkOrder(const std::u16string& a)
{
    static std::u16string seen[8];
    static int next = 0;
    const auto same = [](auto& x, auto& y) { return !newerThan(x, y) && !newerThan(y, x); };
    assert(!newerThan(a, a));
    for (const std::u16string& b : seen) {
        for (const std::u16string& c : seen) {
            assert(!(newerThan(a, b) && newerThan(b, c)) || newerThan(a, c));
            assert(!(same(a, b) && same(b, c)) || same(a, c));
        }
    }
    seen[next++ % 8] = a;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input as UTF-16 units, one per byte: a name for the rule, its stamp for the order.
    const std::u16string units(data, data + size);
    const QString stamp = QString::fromStdU16String(units.substr(std::min<std::size_t>(4, size), 19));
    checkOrder(stamp.toStdU16String());

    // The input as a file name in bytes, any but "/" and NUL; shorter than three, it might be "." or "..".
    const std::string name(reinterpret_cast<const char*>(data), size);
    if (size < 3 || size > 255 || name.find_first_of(std::string("/\0", 2)) != std::string::npos)
        return 0;
    const std::string path = dataFolder() + '/' + name;
    putFile(path, data, 0);
    std::vector<std::u16string> listed;
    listStatistics(listed);
    std::remove(path.c_str());
    assert(listed.size() <= 1);
    for (const std::u16string& own : listed) {
        char16_t back[PATH_UNITS];
        platform::storedTestPath(QString::fromStdU16String(own), back, PATH_UNITS, false);
        assert(narrow(back) == path);
    }
    return 0;
}
