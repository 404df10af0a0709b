#include "wordlist.h"

#include "wav.h"

#include <QCoreApplication>
#include <QHash>
#include <QTextCodec>

namespace dictionarybuilder {

namespace {

// The longest file name, in bytes, that Linux file systems take.
constexpr int MAX_FILE_NAME_BYTES = 255;

} // namespace

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString fileNameProblem(const QString& name, int suffixBytes)
{
    if (name.isEmpty())
        //: Why a line of the word list gives no recording: it holds no word.
        return QCoreApplication::translate("dictionarybuilder", "empty");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QCoreApplication::translate("dictionarybuilder", "%1 cannot be a file name").arg(quoted(name));
    if (name.contains(QLatin1Char('/')))
        return QCoreApplication::translate("dictionarybuilder", "%1 has a slash, which no file name can hold")
            .arg(quoted(name));
    if (name.contains(QChar(0)))
        return QCoreApplication::translate("dictionarybuilder", "has a NUL character, which no file name can hold");
    if (name.toUtf8().size() + suffixBytes > MAX_FILE_NAME_BYTES)
        return QCoreApplication::translate("dictionarybuilder", "%1 is too long for a file name")
            .arg(quoted(name.left(20) + QStringLiteral("...")));
    return QString();
}

std::vector<ListLine> readWordList(const QByteArray& bytes)
{
    static const QByteArray BYTE_ORDER_MARK("\xEF\xBB\xBF");
    const QByteArray text = bytes.startsWith(BYTE_ORDER_MARK) ? bytes.mid(BYTE_ORDER_MARK.size()) : bytes;
    QTextCodec* utf8 = QTextCodec::codecForMib(106);

    std::vector<ListLine> lines;
    QHash<QString, int> firstLineOf;
    int start = 0;
    while (start < text.size()) {
        int end = start;
        while (end < text.size() && text.at(end) != '\n' && text.at(end) != '\r')
            ++end;
        const QByteArray raw = text.mid(start, end - start);
        start = end + (text.mid(end, 2) == "\r\n" ? 2 : 1);

        ListLine line;
        line.number = int(lines.size()) + 1;
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        line.word = utf8->toUnicode(raw.constData(), raw.size(), &state).trimmed();
        if (state.invalidChars > 0 || state.remainingChars > 0)
            line.problem = QCoreApplication::translate("dictionarybuilder", "not UTF-8 text");
        else
            line.problem = fileNameProblem(line.word, RECORDING_SUFFIX.size());
        if (line.problem.isEmpty()) {
            const auto first = firstLineOf.constFind(line.word);
            if (first != firstLineOf.constEnd())
                line.problem = QCoreApplication::translate("dictionarybuilder", "%1 is already on line %2")
                                   .arg(quoted(line.word), QString::number(first.value()));
            else
                firstLineOf.insert(line.word, line.number);
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace dictionarybuilder
