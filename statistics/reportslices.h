#pragma once
// An on-screen report cut into pieces that a text browser can take one turn of the event loop at a time, so a
// long report comes onto the screen without freezing it. Laid out one after the other, the pieces show what the
// whole report shows.

#include <QString>

#include <vector>

class ReportSlices
{
public:
    explicit ReportSlices(const QString& html);

    int rowCount() const { return static_cast<int>(m_rowEnds.size()); }
    bool atEnd() const { return m_taken >= rowCount(); }

    // A document of its own: the heading and up to rows rows, closed as the report closes. All rows give the
    // report itself.
    QString first(int rows);
    // The next rows, up to rows of them, as a table of their own whose columns line up with the first piece's.
    QString next(int rows);

private:
    QString m_html;
    QString m_style;
    int m_headEnd = 0;
    int m_tailStart = 0;
    std::vector<int> m_rowEnds;
    int m_taken = 0;

    int rowEnd(int rows) const { return rows == 0 ? m_headEnd : m_rowEnds[static_cast<std::size_t>(rows - 1)]; }
};
