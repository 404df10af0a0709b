#include "statisticslist.h"

#include "platform/appfolders.h"
#include "platform/listing.h"
#include "text/boundedstring.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// Cuts text in place at every delimiter and collects up to max non-empty pieces; runs of delimiters count as
// one.
int split(char16_t* text, char16_t delimiter, char16_t** pieces, int max)
{
    int count = 0;
    char16_t* c = text;
    while (*c != 0) {
        while (*c == delimiter)
            *c++ = 0;
        if (*c == 0)
            break;
        if (count < max)
            pieces[count++] = c;
        while (*c != 0 && *c != delimiter)
            ++c;
    }
    return count;
}

// A base-10 number at the start of text, after blanks and a sign; 0 when there are no digits.
long number(const char16_t* text)
{
    while (*text == u' ' || (*text >= u'\t' && *text <= u'\r'))
        ++text;
    const bool negative = *text == u'-';
    if (*text == u'-' || *text == u'+')
        ++text;
    long value = 0;
    for (; *text >= u'0' && *text <= u'9'; ++text)
        value = value * 10 + (*text - u'0');
    return negative ? -value : value;
}

// Year, month, day, hour, minute and second of a stamp "DD.MM.YYYY HH-MM-SS".
struct Moment
{
    long fields[6] = {};
};

Moment momentOf(const char16_t* stamp)
{
    char16_t copy[20];
    wcslcpy(copy, stamp, 20);
    char16_t date[11] = {};
    char16_t time[9] = {};
    char16_t* pieces[10];
    const int n = split(copy, u' ', pieces, 10);
    if (n > 0)
        wcslcpy(date, pieces[0], 11);
    if (n > 1)
        wcslcpy(time, pieces[n - 1], 9);

    Moment moment;
    char16_t* parts[3];
    const int dateParts = split(date, u'.', parts, 3);
    for (int i = 0; i < dateParts; ++i)
        moment.fields[2 - i] = number(parts[i]); // day, month, year stand in reverse order of weight
    const int timeParts = split(time, u'-', parts, 3);
    for (int i = 0; i < timeParts; ++i)
        moment.fields[3 + i] = number(parts[i]);
    return moment;
}

bool later(const Moment& x, const Moment& y)
{
    for (int i = 0; i < 6; ++i) {
        if (x.fields[i] != y.fields[i])
            return x.fields[i] > y.fields[i];
    }
    return false;
}

} // namespace

bool newerThan(const std::u16string& a, const std::u16string& b)
{
    return later(momentOf(a.c_str()), momentOf(b.c_str()));
}

bool isStatisticsFileName(std::u16string_view name)
{
    // Only a name the program writes, so that its stamp leads back to this very name. A name that is not UTF-8 comes
    // out of the listing with units outside ASCII, so it never matches.
    const std::u16string_view pattern = u"stat##.##.#### ##-##-##.dat";
    if (name.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const bool matches = pattern[i] == u'#' ? name[i] >= u'0' && name[i] <= u'9' : name[i] == pattern[i];
        if (!matches)
            return false;
    }
    return true;
}

void listStatistics(std::vector<std::u16string>& list, std::size_t limit)
{
    list.clear();
    char16_t folder[PATH_UNITS];
    if (!platform::appDataFolder(folder, PATH_UNITS, false))
        return;
    platform::FolderListing listing(folder);
    if (!listing.isOpen())
        return;

    // Each stamp is read once, not at every comparison: a folder may hold many thousand stored tests.
    std::vector<Moment> moments;
    char16_t name[PATH_UNITS];
    int length = 0;
    bool isFile = false;
    while (listing.next(name, PATH_UNITS, &length, &isFile)) {
        if (isFile && isStatisticsFileName(std::u16string_view(name, static_cast<std::size_t>(length))))
            moments.push_back(momentOf(name + 4));
    }

    // More than asked for: keep the newest.
    if (moments.size() > limit) {
        std::nth_element(moments.begin(), moments.begin() + static_cast<std::ptrdiff_t>(limit), moments.end(), later);
        moments.resize(limit);
    }
    std::sort(moments.begin(), moments.end(), later);
    list.reserve(moments.size());
    // A listed name has every field in its own digits, so the fields give its stamp back.
    for (const Moment& m : moments) {
        char stamp[160];
        std::snprintf(stamp, sizeof stamp, "%02ld.%02ld.%04ld %02ld-%02ld-%02ld", m.fields[2], m.fields[1], m.fields[0],
                      m.fields[3], m.fields[4], m.fields[5]);
        list.emplace_back(stamp, stamp + std::strlen(stamp));
    }
}
