#pragma once
// The words of a test: one record per recording found in the selected dictionaries.

#include "dictionaries/dictionaries.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

// One word of the pool with its counters for the running test.
struct __word
{
    char16_t path[PATH_UNITS];
    std::int32_t score;
    std::uint32_t timesAsked;
    std::uint32_t lastAsked;
};

// A pool never holds more words than this.
constexpr std::size_t MAX_POOL_WORDS = 65536;

// Empties the pool and fills it from the selected dictionaries, in list order and in the order the folders
// list their recordings. A folder that cannot be listed ends the collection.
void collectWords(std::vector<__word>* pool, const std::vector<__dictionary>* dictionaries);

// The word a recording stands for: its file name without folder and extension, case kept. When a cut path has
// lost its extension, the whole file name is the word.
QString wordOfPath(const char16_t* path);
// The same word as a view into the path, which must outlive it.
QStringView wordViewOfPath(const char16_t* path);

// The dictionary folder a recording is in: its path without the last separator and file name.
QString folderOfPath(const char16_t* path);
