#include "reportslices.h"

#include <algorithm>

namespace {

// The header row's end, whatever language its headings are in: the words after it are escaped, so it comes first.
const QString HEADER_END = QStringLiteral("</th></tr>\n");
const QString TAIL = QStringLiteral("</table>\n</body>\n</html>");
// Words come from file names, which cannot hold a "/": the first "</td></tr>" after a row's start ends it.
const QString ROW_END = QStringLiteral("</td></tr>");

} // namespace

ReportSlices::ReportSlices(const QString& html) : m_html(html)
{
    const int header = m_html.indexOf(HEADER_END);
    const int tail = m_html.size() - TAIL.size();
    if (header < 0 || !m_html.endsWith(TAIL) || header + HEADER_END.size() > tail) {
        // Not a report's table: shown whole.
        m_headEnd = m_tailStart = m_html.size();
        return;
    }
    m_headEnd = header + HEADER_END.size();
    m_tailStart = tail;
    const int styleStart = m_html.indexOf(QStringLiteral("<style>"));
    const int styleEnd = m_html.indexOf(QStringLiteral("</style>"));
    if (styleStart >= 0 && styleEnd > styleStart && styleEnd < m_headEnd)
        m_style = m_html.mid(styleStart, styleEnd + 8 - styleStart);

    for (int at = m_headEnd; at < m_tailStart;) {
        const int end = m_html.indexOf(ROW_END, at);
        at = end < 0 || end + ROW_END.size() > m_tailStart ? m_tailStart : end + ROW_END.size();
        m_rowEnds.push_back(at);
    }
}

QString ReportSlices::first(int rows)
{
    m_taken = std::min(std::max(rows, 0), rowCount());
    return m_html.left(rowEnd(m_taken)) + m_html.mid(m_tailStart);
}

QString ReportSlices::next(int rows)
{
    const int from = rowEnd(m_taken);
    m_taken = std::min(m_taken + std::max(rows, 1), rowCount());
    QString table = m_html.mid(from, rowEnd(m_taken) - from);
    // A table without the header row would share its width out by content; its first row carries the widths.
    const QString start = QStringLiteral("<tr><td>");
    const QString between = QStringLiteral("</td><td");
    const int second = table.indexOf(between);
    if (table.startsWith(start) && second > 0) {
        table.insert(second + between.size(), QStringLiteral(" width=\"25%\""));
        table.insert(start.size() - 1, QStringLiteral(" width=\"75%\""));
    }
    return m_style + QStringLiteral("<table>") + table + QStringLiteral("</table>");
}
