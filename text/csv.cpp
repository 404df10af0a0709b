#include "csv.h"

namespace {

bool startsFormula(const QString& text)
{
    static const QString FORMULA_STARTS = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && FORMULA_STARTS.contains(text.front());
}

bool needsQuotes(const QString& text)
{
    for (const QChar c : text)
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return true;
    return false;
}

} // namespace

QString csvField(const QString& text)
{
    const bool guarded = startsFormula(text);
    if (!guarded && !needsQuotes(text))
        return text;
    QString cell = text;
    cell.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + (guarded ? QStringLiteral("'") : QString()) + cell + QLatin1Char('"');
}

QString csvRecord(const QStringList& fields)
{
    if (fields.size() == 1 && fields.front().isEmpty())
        return QStringLiteral("\"\"\r\n");
    QString record;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += QLatin1Char(',');
        record += csvField(fields.at(i));
    }
    return record + QStringLiteral("\r\n");
}
