#include "report.h"

#include "platform/appfolders.h"
#include "platform/files.h"
#include "statisticsfile.h"
#include "text/boundedstring.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>

namespace {

// Units per row: the longest on-screen row fits, whatever the filter: 83 units of markup and a word of 259 units,
// each of which may become a five-unit entity.
constexpr std::size_t ROW_UNITS = 83 + 5 * 259;
// The fixed parts of the document, the export form's style block with both marks the largest of them.
constexpr std::size_t FIXED_UNITS = 4000;

// A document in one buffer sized up front; appends are cut at its end, never grow it.
class Document
{
public:
    explicit Document(std::size_t capacity) : m_data(new (std::nothrow) char16_t[capacity]), m_capacity(capacity) {}

    bool isValid() const { return m_data != nullptr; }
    // Full to its last unit: a piece may have been cut.
    bool isFilled() const { return m_length + 1 >= m_capacity; }
    QString text() const { return QString::fromUtf16(m_data.get(), static_cast<int>(m_length)); }

    void append(const char16_t* text, std::size_t length)
    {
        const std::size_t room = m_capacity - 1 - m_length;
        const std::size_t n = length < room ? length : room;
        std::copy(text, text + n, m_data.get() + m_length);
        m_length += n;
    }
    template <std::size_t N> void append(const char16_t (&text)[N]) { append(text, N - 1); }
    void append(const QString& text)
    {
        append(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
    }
    // A word is a file name, which may hold "<", ">" and "&": they go in as entities, never as markup.
    void appendEscaped(const char16_t* text, std::size_t length)
    {
        for (std::size_t i = 0; i < length; ++i) {
            switch (text[i]) {
            case u'<':
                append(u"&lt;");
                break;
            case u'>':
                append(u"&gt;");
                break;
            case u'&':
                append(u"&amp;");
                break;
            default:
                append(text + i, 1);
            }
        }
    }
    void appendAscii(const char* text)
    {
        for (; *text != 0 && m_length + 1 < m_capacity; ++text)
            m_data[m_length++] = static_cast<char16_t>(static_cast<unsigned char>(*text));
    }

private:
    std::unique_ptr<char16_t[]> m_data;
    std::size_t m_capacity;
    std::size_t m_length = 0;
};

bool shows(std::uint16_t filter, bool correct)
{
    switch (filter) {
    case FILTER_NONE:
        return false;
    case FILTER_CORRECT:
        return correct;
    case FILTER_WRONG:
        return !correct;
    default:
        return true;
    }
}

QString rateText(std::uint32_t correct, std::uint32_t count)
{
    // A test always has answers and never more correct than asked; a damaged file may claim otherwise, and then
    // shows 0.0 for no answers and at most 100.0.
    const std::uint32_t shown = correct < count ? correct : count;
    const double rate = count == 0 ? 0.0 : static_cast<double>(shown) / static_cast<double>(count) * 100.0;
    char digits[20];
    std::snprintf(digits, sizeof digits, "%3.1f", rate);
    return QString::fromLatin1(digits);
}

// The report's own texts in the windows' language, ready as markup: a translation may hold "<" or "&".
struct ReportTexts
{
    QString language;
    QString tested;
    QString counts;
    QString word;
    QString result;

    std::size_t units() const
    {
        return static_cast<std::size_t>(language.size() + tested.size() + counts.size() + word.size() + result.size());
    }
};

ReportTexts reportTexts(const QString& date, const StatisticsReader& reader)
{
    ReportTexts texts;
    //: The language code of this translation (de, fr, es), which the report's HTML names as its language
    texts.language = QCoreApplication::translate("Report", "en").toHtmlEscaped();
    //: Heading of a stored test's report; %1 is its date and time
    texts.tested = QCoreApplication::translate("Report", "Tested: %1").toHtmlEscaped().arg(date);
    //: Under the heading; %1 and %2 are counts of answers, %3 a percentage
    texts.counts = QCoreApplication::translate("Report", "Correct: %1 / Wrong: %2 / Success rate: %3 %")
                       .toHtmlEscaped()
                       .arg(QString::number(reader.correctCount()), QString::number(reader.wrongCount()),
                            rateText(reader.correctCount(), reader.answerCount()));
    //: Column heading: the word asked
    texts.word = QCoreApplication::translate("Report", "Word").toHtmlEscaped();
    //: Column heading: whether the answer was right or wrong
    texts.result = QCoreApplication::translate("Report", "Result").toHtmlEscaped();
    return texts;
}

} // namespace

// Drawn by resources/render-marks.sh.
const char CORRECT_MARK_BASE64[] =
    "iVBORw0KGgoAAAANSUhEUgAAABAAAAAaCAYAAAC+aNwHAAAABmJLR0QA/wD/AP+gvaeTAAACHklEQVQ4je2STUhUURiGn+/eO9cgISy1mNKx"
    "JOwHSRh/WkSbQQqmIMEGEiQ3VtgmCNpJFG7aiLVQc9HoNmI2WatsEwypu8IhYxDNFukINqA0c7z3nhbDjKWDtmzhuzvn+573+zkH9rSn/0FS"
    "7LJ+vKNMZUtCWnQ1iBbNYtbQ7+bbRn/uaFAb66z0YfZp6AJ8W3I3gBeuI73JSDS1zeDMq5tnXVPeoqnepesF09PhRPvYTMGgNtZZaYk5/Q9w"
    "wcR1pCkZiaYMAB9m326wIUKg9HD+GDAt/RhA6sc7ypSyl9g+c0GmGAw099DqD9Id7+fD0mcAteHYlYbKloR2gg0RngS7afUHSat15td+5EO2"
    "bamQIUJN/qZqfwVjFx7Q6g8CIAiPGrq4UnWeNecX3fF+FtdTm+5aH7fQnkZyj1FTeoSWitM0ltdxf3qY4KGTXK+5SMZV3IkP8Gl17q/uPDE8"
    "s/xGgx8kAvBtfRnTMGkuP8Wlo42cO1hL1t2g5+MzJle+bJ9Pe8+NDDJB7pMA8DQRY2j2NYLgeC73pgaJL88UW49y3H3vBaAu1jUM3P4zGj7W"
    "QiqTZqpY5dyCBmfbRu9aAK4jvaalLwOBfPzN98niYE7z2rIfAhgAyUg0ZXo6DCzsROVh15Dw16sjKwUDgET72Iz22Y3AMKCKgAqth7TPbkpe"
    "iyY2JymiEy9vHbAtFfKQQK6KXlCOPTEXGUlvzf0NZz28D5N+ZWoAAAAASUVORK5CYII=";
const char WRONG_MARK_BASE64[] =
    "iVBORw0KGgoAAAANSUhEUgAAABAAAAAaCAYAAAC+aNwHAAAABmJLR0QA/wD/AP+gvaeTAAACEElEQVQ4je2TPUscURiFn/fOjJtNsbMSI6z5"
    "mJV8FSlE0F+wYpAhhUVqgz9A2FIwjWwwRUBik6QRrAOJYSGDoiEpksbaYBOYIYWKC3Etsl+zc1PomF13EcsUnvLwnnPuOXDhEpf4HyDdyMB1"
    "e41Icmhug2hE/2okzI3B1dXDcw32xif7m9IoiMhTDdaZw0YEy4aEzzKed9BhsPvo8cNI8ek49VwESuNm1orbpwZ745P9TSPcuoD4n4mEoxnP"
    "O1AATWkUYnFieIh0fgaVtk+vVdomnZ8hMTwUU47GmgeQwHV7rabajzun8zNcHR8j9ANKs3MA9C0UMLMOf9Y3OFxcik3q1fBKv2lEkmsd7Gh5"
    "hZ779zCzDn0LBQDMrEPoBxwtr7TW6EmatZwSJNvKRuUypdk5Qj/AzDqn4tLsHFG53DZEpBlUOhLdMZGGNtIwEKU6pxQdKYX2Wzll2/S9KGCd"
    "JId+gHnrJteez6Nsu02v0L6qJY1NgUZMpqan2p7dWic1PdWqr1fC5Gfj1c5ONX/3wQ2BEQBdq0Iz4vfLRaLDMrpao/LtOyqVovLlK829/djg"
    "rbP+4b0A7E5MXI+0uQU4nUW7wheL0YFisaQAMp53oDQuEFxErES5A8Vi6XiHE2TWittiMSIib4B6F2FdNK/FYjTjffwRk12/88+xJ3bSrOUi"
    "tHOcIkElTGze2XhXPnv7FzAAyZCEQ1HNAAAAAElFTkSuQmCC";

// The export form's style block, with both marks, must leave room in the fixed part for the heading.
static_assert(sizeof CORRECT_MARK_BASE64 + sizeof WRONG_MARK_BASE64 + 600 < FIXED_UNITS, "marks too large");

bool buildReport(const char16_t* statName, std::uint16_t filter, bool exportMode, const std::atomic<bool>& stop,
                 QString* html)
{
    char16_t path[PATH_UNITS] = {};
    platform::storedTestPath(QString::fromUtf16(statName), path, PATH_UNITS, false);
    StatisticsReader reader(path);
    if (!reader.isOpen())
        return false;

    const ReportTexts texts = reportTexts(displayFromStamp(QString::fromUtf16(statName).left(19)), reader);
    // Sized by the records the file really holds, so a damaged count cannot ask for a huge buffer.
    Document document(std::size_t(reader.wholeRecords()) * ROW_UNITS + FIXED_UNITS + texts.units());
    if (!document.isValid())
        return false;

    document.append(u"<!DOCTYPE html>\n<html lang=\"");
    document.append(texts.language);
    document.append(u"\">\n<head>\n<meta charset=\"UTF-8\" />\n<style>\n");
    document.append(u"table {border-collapse: collapse;width: 100%;}\n td, th {text-align: left;padding: 8px;"
                    u"width: 250px;}\n");
    if (exportMode) {
        document.append(u"tr:nth-child(even) {background-color: #e6f7ff;} td.c{background: url(\""
                        u"data:image/png;base64,");
        document.appendAscii(CORRECT_MARK_BASE64);
        document.append(u"\") no-repeat;}");
        document.append(u"td.w{background: url(\"data:image/png;base64,");
        document.appendAscii(WRONG_MARK_BASE64);
        document.append(u"\") no-repeat;}");
    }
    document.append(u"</style>\n</head>\n<body>\n<h2>");
    document.append(texts.tested);
    document.append(u"</h2>\n<h3>");
    document.append(texts.counts);
    document.append(u"</h3>\n<table>\n<tr><th width=\"75%\">");
    document.append(texts.word);
    document.append(u"</th><th width=\"25%\">");
    document.append(texts.result);
    document.append(u"</th></tr>\n");

    __answer answer;
    while (!stop.load(std::memory_order_relaxed) && reader.next(&answer)) {
        const bool correct = answer.correct != 0;
        if (!shows(filter, correct))
            continue;
        document.append(u"<tr><td>");
        document.appendEscaped(answer.word, wcsnlen16(answer.word, PATH_UNITS - 1));
        if (exportMode) {
            if (correct)
                document.append(u"</td><td class=\"c\">");
            else
                document.append(u"</td><td class=\"w\">");
            document.append(u"</td></tr>\n");
        } else {
            document.append(u"</td><td><img src=\"");
            if (correct)
                document.append(u":/new/prefix1/s.png");
            else
                document.append(u":/new/prefix1/f.png");
            document.append(u"\" width=\"16\" height=\"16\" /></td></tr>");
        }
    }
    document.append(u"</table>\n</body>\n</html>");

    if (stop.load())
        return false;
    *html = document.isFilled() ? QString() : document.text();
    return true;
}

bool writeExport(const QString& path, const QString& html)
{
    const QByteArray bytes = html.toUtf8();
    return platform::replaceFile(QFile::encodeName(path).constData(), bytes.constData(),
                                 static_cast<std::size_t>(bytes.size()));
}
