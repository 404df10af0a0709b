#include "statisticslist.h"

#include "text/boundedstring.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>

namespace {

const char16_t SEPARATOR_TEXT[] = {platform::SEPARATOR, 0};
// Where the digits of "DD.MM.YYYY HH-MM-SS" stand, from the year down to the second.
constexpr int STAMP_DIGITS_BY_WEIGHT[] = {6, 7, 8, 9, 3, 4, 0, 1, 11, 12, 14, 15, 17, 18};

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

Moment momentOf(const std::u16string& stamp)
{
    char16_t copy[20];
    wcslcpy(copy, stamp.c_str(), 20);
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

} // namespace

bool newerThan(const std::u16string& a, const std::u16string& b)
{
    const Moment x = momentOf(a);
    const Moment y = momentOf(b);
    for (int i = 0; i < 6; ++i) {
        if (x.fields[i] != y.fields[i])
            return x.fields[i] > y.fields[i];
    }
    return false;
}

bool isStatisticsFileName(std::u16string_view name)
{
    // Only a name the program writes: its stamp then turns into display text and back into this very name. A
    // name that is not UTF-8 comes out of the listing with units outside ASCII, so it never matches.
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

void listStatistics(std::vector<std::u16string>& list)
{
    list.clear();
    char16_t folder[PATH_UNITS];
    if (platform::localDataFolder(folder, PATH_UNITS) != 0)
        return;
    for (const char16_t* part : {SEPARATOR_TEXT, u"Brindlecot", SEPARATOR_TEXT, u"Quillora"})
        wcslcat(folder, part, PATH_UNITS);
    platform::FolderListing listing(folder);
    if (!listing.isOpen())
        return;

    // A listed name has fixed-width digits, so its moment is one number, year first: ordered without parsing
    // the stamp at every comparison, which a folder of many thousand tests would feel.
    std::vector<std::uint64_t> moments;
    char16_t name[PATH_UNITS];
    int length = 0;
    bool isFile = false;
    while (listing.next(name, PATH_UNITS, &length, &isFile)) {
        if (!isFile || !isStatisticsFileName(std::u16string_view(name, static_cast<std::size_t>(length))))
            continue;
        std::uint64_t moment = 0;
        for (const int i : STAMP_DIGITS_BY_WEIGHT)
            moment = moment * 10 + static_cast<std::uint64_t>(name[4 + i] - u'0');
        moments.push_back(moment);
    }

    // More than the window lists: keep the newest.
    const auto newer = std::greater<std::uint64_t>();
    if (moments.size() > MAX_LISTED_TESTS) {
        std::nth_element(moments.begin(), moments.begin() + MAX_LISTED_TESTS, moments.end(), newer);
        moments.resize(MAX_LISTED_TESTS);
    }
    std::sort(moments.begin(), moments.end(), newer);
    for (std::uint64_t moment : moments) {
        std::u16string stamp = u"DD.MM.YYYY HH-MM-SS";
        for (int k = static_cast<int>(std::size(STAMP_DIGITS_BY_WEIGHT)) - 1; k >= 0; --k, moment /= 10)
            stamp[STAMP_DIGITS_BY_WEIGHT[k]] = static_cast<char16_t>(u'0' + moment % 10);
        list.push_back(stamp);
    }
}
