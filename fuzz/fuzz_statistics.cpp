// A stored test: the reader yields just the whole records it promises, and the report, on screen and for export
// under every filter, fits its buffer with one row per answer the filter shows.

#include "fuzzing.h"

#include "statistics/report.h"
#include "statistics/statisticsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const char16_t stamp[] = u"01.02.2003 04-05-06";
    char16_t path[PATH_UNITS] = {};
    const bool placed = platform::storedTestPath(QString::fromUtf16(stamp), path, PATH_UNITS, true);
    assert(placed);
    putFile(narrow(path), data, size);
    StatisticsReader reader(path);
    assert(reader.isOpen() && reader.wholeRecords() <= reader.answerCount());
    assert(reader.wrongCount() <= reader.answerCount());
    int rows[4] = {}; // by filter
    for (__answer answer; reader.next(&answer); ++rows[FILTER_ALL])
        ++rows[answer.correct != 0 ? FILTER_CORRECT : FILTER_WRONG];
    assert(rows[FILTER_ALL] == static_cast<int>(reader.wholeRecords()));

    const std::atomic<bool> stop{false};
    for (const bool exportMode : {false, true}) {
        for (const std::uint16_t filter : {FILTER_NONE, FILTER_CORRECT, FILTER_WRONG, FILTER_ALL}) {
            QString html;
            assert(buildReport(stamp, filter, exportMode, stop, &html) && html.endsWith("</html>"));
            // A word's own "<" is escaped, so only a row starts a cell right after a row.
            assert(html.count("<tr><td>") == rows[filter]);
        }
    }
    return 0;
}
