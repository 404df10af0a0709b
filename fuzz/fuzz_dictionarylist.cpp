// data.dat: the list read, written back and read again is the same list.

#include "fuzzing.h"

#include "dictionaries/dictionaries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    putFile(folder("XDG_DATA_HOME") + "/data.dat", data, size);
    std::vector<__dictionary> first, second;
    readDictionaries(first);
    writeDictionaries(first);
    readDictionaries(second);
    assert(first.size() == second.size());
    for (std::size_t i = 0; i < first.size(); ++i)
        assert(wcsequal16(first[i].path, second[i].path) && first[i].selected == second[i].selected);
    return 0;
}
