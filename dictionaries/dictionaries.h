#pragma once
// The dictionary list file, data.dat, with the built-in Default dictionary.

#include "text/boundedstring.h"

#include <QString>

#include <vector>

// One dictionary: a folder of recordings and whether it takes part in tests.
struct __dictionary
{
    char16_t path[PATH_UNITS];
    unsigned char selected;
};

// Size of one stored dictionary record: the path in UTF-16LE, the selected byte and a filler byte.
constexpr int DICTIONARY_RECORD_BYTES = 522;

// True when a file or a folder is at the path.
bool fileExists(const char16_t* path);
// The path of the built-in Default dictionary: "Default" in the folder that holds the sample dictionary and
// the help pages.
void defaultDictionaryPath(char16_t* buffer, int capacity);
// Appends the stored list to list and makes sure the Default dictionary is in it. Never writes.
void readDictionaries(std::vector<__dictionary>& list);
// Replaces data.dat with the given list; failures are silent and leave the old file.
void writeDictionaries(const std::vector<__dictionary>& list);
// Lists a folder, ticked, unless it is listed already; gives its place in the list either way, and says whether
// it was added. Only the list changes; storing it is the caller's.
std::size_t addDictionaryFolder(std::vector<__dictionary>& list, const QString& folder, bool* added);

// The name a dictionary goes by: the last part of its folder's path, trailing separators aside.
QString dictionaryName(const char16_t* path);
