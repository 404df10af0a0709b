#include "wordpool.h"

#include "platform/files.h"
#include "platform/listing.h"

#include <algorithm>
#include <cstring>

namespace {

// Longest extension, its dot included, that can still name a recording.
constexpr int MAX_EXTENSION_UNITS = 10;

bool isRecordingName(const char16_t* name, int length)
{
    int dot = length - 1;
    while (dot >= 0 && name[dot] != u'.')
        --dot;
    if (dot < 0 || length - dot > MAX_EXTENSION_UNITS)
        return false;
    // Only the first three letters count, so "song.wave" is a recording and "x.WAV" is not.
    if (length - dot < 4)
        return false;
    const char16_t* e = name + dot + 1;
    return (e[0] == u'w' && e[1] == u'a' && e[2] == u'v') || (e[0] == u'm' && e[1] == u'p' && e[2] == u'3') ||
           (e[0] == u'o' && e[1] == u'g' && e[2] == u'g') || (e[0] == u'w' && e[1] == u'm' && e[2] == u'a');
}

} // namespace

void collectWords(std::vector<__word>* pool, const std::vector<__dictionary>* dictionaries)
{
    pool->clear();
    // The cap is small enough to set aside at once (untouched memory costs nothing) and saves the copies of a
    // growing pool.
    pool->reserve(MAX_POOL_WORDS);
    const char16_t separator[] = {platform::SEPARATOR, 0};
    for (const __dictionary& dictionary : *dictionaries) {
        if (!dictionary.selected)
            continue;
        platform::FolderListing listing(dictionary.path);
        if (!listing.isOpen())
            return;
        // Every path of this folder starts the same; what is left of the buffer takes the file name, cut.
        char16_t prefix[PATH_UNITS];
        wcslcpy(prefix, dictionary.path, PATH_UNITS);
        wcslcat(prefix, separator, PATH_UNITS);
        const int prefixLength = static_cast<int>(wcslen16(prefix));
        const int room = PATH_UNITS - 1 - prefixLength;

        char16_t name[PATH_UNITS];
        int length = 0;
        bool isFile = false;
        while (listing.next(name, PATH_UNITS, &length, &isFile)) {
            if (!isFile || !isRecordingName(name, length))
                continue;
            pool->emplace_back();
            __word& word = pool->back();
            std::memcpy(word.path, prefix, sizeof(char16_t) * static_cast<std::size_t>(prefixLength));
            const int kept = length < room ? length : room;
            std::memcpy(word.path + prefixLength, name, sizeof(char16_t) * static_cast<std::size_t>(kept));
            word.path[prefixLength + kept] = 0;
            if (pool->size() == MAX_POOL_WORDS)
                return;
        }
    }
}

QString wordOfPath(const char16_t* path)
{
    return wordViewOfPath(path).toString();
}

QStringView wordViewOfPath(const char16_t* path)
{
    const char16_t* start = path;
    const char16_t* dot = nullptr;
    const char16_t* c = path;
    for (; *c != 0; ++c) {
        if (*c == platform::SEPARATOR) {
            start = c + 1;
            dot = nullptr;
        } else if (*c == u'.') {
            dot = c;
        }
    }
    return QStringView(start, (dot != nullptr ? dot : c) - start);
}

QString folderOfPath(const char16_t* path)
{
    const QString text = QString::fromUtf16(path);
    return text.left(std::max(0, static_cast<int>(text.lastIndexOf(QChar(platform::SEPARATOR)))));
}
