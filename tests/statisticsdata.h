#pragma once
// Stored tests made in code: the bytes of a statistics file with the given header and answers.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QtEndian>

using StoredAnswers = QList<QPair<QString, bool>>;

inline QByteArray statisticsBytes(quint32 correct, quint32 count, const StoredAnswers& answers)
{
    QByteArray bytes(12, 0);
    qToLittleEndian<quint32>(1, bytes.data());
    qToLittleEndian(correct, bytes.data() + 4);
    qToLittleEndian(count, bytes.data() + 8);
    for (int i = 0; i < answers.size(); ++i) {
        QByteArray record(528, 0);
        qToLittleEndian(quint32(i + 1), record.data());
        const QString& word = answers[i].first;
        for (int u = 0; u < word.size() && u < 259; ++u)
            qToLittleEndian(word.at(u).unicode(), record.data() + 4 + 2 * u);
        record[524] = answers[i].second ? 1 : 0;
        bytes += record;
    }
    return bytes;
}

// The words w0, w1 and so on, the first correct ones right and the rest wrong.
inline StoredAnswers manyAnswers(int count, int correct)
{
    StoredAnswers answers;
    for (int i = 0; i < count; ++i)
        answers << qMakePair(QStringLiteral("w%1").arg(i), i < correct);
    return answers;
}

inline QByteArray statisticsBytes(const StoredAnswers& answers)
{
    quint32 correct = 0;
    for (const auto& answer : answers)
        correct += answer.second ? 1 : 0;
    return statisticsBytes(correct, quint32(answers.size()), answers);
}
