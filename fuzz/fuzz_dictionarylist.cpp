// data.dat: the list read, written back and read again is the same list.

#include "fuzzing.h"

#include "dictionaries/dictionaries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    char16_t list[PATH_UNITS] = {};
    const bool placed = platform::dictionaryListPath(list, PATH_UNITS, true);
    assert(placed);
    putFile(narrow(list), data, size);
    std::vector<__dictionary> first, second;
    readDictionaries(first);
    writeDictionaries(first);
    readDictionaries(second);
    assert(first.size() == second.size());
    for (std::size_t i = 0; i < first.size(); ++i)
        assert(wcsequal16(first[i].path, second[i].path) && first[i].selected == second[i].selected);
    return 0;
}
