#include "wordpool.h"

#include "platform/platform.h"

#include <cstring>

namespace {

// Longest extension, its dot included, that can still name a recording.
constexpr std::size_t MAX_EXTENSION_UNITS = 10;

bool isRecordingName(const char16_t* name)
{
    const char16_t* dot = nullptr;
    for (const char16_t* c = name; *c != 0; ++c) {
        if (*c == u'.')
            dot = c;
    }
    if (dot == nullptr || wcsnlen16(dot, MAX_EXTENSION_UNITS + 1) > MAX_EXTENSION_UNITS)
        return false;
    // Only the first three letters count, so "song.wave" is a recording and "x.WAV" is not.
    char16_t extension[4];
    wcslcpy(extension, dot + 1, 4);
    return wcsequal16(extension, u"wav") || wcsequal16(extension, u"mp3") || wcsequal16(extension, u"ogg") ||
           wcsequal16(extension, u"wma");
}

bool isDotEntry(const char16_t* name)
{
    return wcsequal16(name, u".") || wcsequal16(name, u"..");
}

} // namespace

void collectWords(std::vector<__word>* pool, const std::vector<__dictionary>* dictionaries)
{
    pool->clear();
    const char16_t separator[] = {platform::SEPARATOR, 0};
    for (const __dictionary& dictionary : *dictionaries) {
        if (!dictionary.selected)
            continue;
        platform::FolderListing listing(dictionary.path);
        if (!listing.isOpen())
            return;
        char16_t name[PATH_UNITS];
        bool isFolder = false;
        while (listing.next(name, PATH_UNITS, &isFolder)) {
            if (isFolder || isDotEntry(name) || !isRecordingName(name))
                continue;
            pool->emplace_back();
            __word& word = pool->back();
            wcslcpy(word.path, dictionary.path, PATH_UNITS);
            wcslcat(word.path, separator, PATH_UNITS);
            wcslcat(word.path, name, PATH_UNITS);
            word.score = 0;
            word.timesAsked = 0;
            word.lastAsked = 0;
            if (pool->size() == MAX_POOL_WORDS)
                return;
        }
    }
}

QString wordOfPath(const char16_t* path)
{
    const QString text = QString::fromUtf16(path);
    const int start = text.lastIndexOf(QChar(platform::SEPARATOR)) + 1;
    const int end = text.lastIndexOf(QLatin1Char('.'));
    return end >= start ? text.mid(start, end - start) : text.mid(start);
}
