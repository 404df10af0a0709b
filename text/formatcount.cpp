#include "formatcount.h"

QString formatCount(std::uint32_t n)
{
    QString text = QString::number(n);
    if (text.size() == 4)
        text.insert(1, QLatin1Char(' '));
    else if (text.size() == 5)
        text.insert(2, QLatin1Char(' '));
    return text;
}
