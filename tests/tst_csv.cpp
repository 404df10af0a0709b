#include "progress/progressreport.h"
#include "text/csv.h"
#include "words/history.h"

#include <QtTest>

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

using Rows = QList<QStringList>;

// Records written here are read back by Python's csv module in strict mode, a reader that owes nothing to ours.
class TestCsv : public QObject
{
    Q_OBJECT

private slots:
    void records_readBackByCsvReader_data();
    void records_readBackByCsvReader();
    void historyExport_everyAnswerReadBack();

private:
    // The rows Python's csv module reads from the bytes; a byte order mark before them is skipped.
    static Rows readBack(const QByteArray& bytes)
    {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            return {{QStringLiteral("python3 is not installed")}};
        QProcess reader;
        reader.start(python, {QStringLiteral("-c"),
                              QStringLiteral("import csv, io, json, sys\n"
                                             "text = io.TextIOWrapper(sys.stdin.buffer, encoding='utf-8-sig', "
                                             "newline='')\n"
                                             "print(json.dumps(list(csv.reader(text, strict=True))))\n")});
        reader.waitForStarted();
        reader.write(bytes);
        reader.closeWriteChannel();
        if (!reader.waitForFinished() || reader.exitCode() != 0)
            return {{QString::fromUtf8(reader.readAllStandardError())}};
        Rows read;
        for (const QJsonValue& record : QJsonDocument::fromJson(reader.readAllStandardOutput()).array()) {
            read.append(QStringList());
            for (const QJsonValue& field : record.toArray())
                read.back() << field.toString();
        }
        return read;
    }
};

void TestCsv::records_readBackByCsvReader_data()
{
    QTest::addColumn<Rows>("written");
    QTest::addColumn<Rows>("expected"); // empty: the same as written
    auto row = [](const char* name, const Rows& written, const Rows& expected = {}) {
        QTest::newRow(name) << written << expected;
    };
    auto q = [](const char* text) { return QString::fromUtf8(text); };
    row("plain words", {{q("date"), q("score")}, {q("12/03/2024"), q("80")}});
    row("commas", {{q("8 of 10, 80%"), q(",")}, {q(",,"), q("x")}});
    row("quotes, also opening a cell", {{q("say \"cat\""), q("\"quoted\" first"), q("\"")}});
    row("CR, LF and CRLF inside cells", {{q("a\rb"), q("a\nb"), q("a\r\nb"), q("end\n")}, {q("x")}});
    row("formula starts guarded", {{q("=1+1"), q("+1"), q("-2"), q("@SUM(A1)"), q("\t=1"), q("\r=1")}},
        {{q("'=1+1"), q("'+1"), q("'-2"), q("'@SUM(A1)"), q("'\t=1"), q("'\r=1")}});
    row("formula start with commas and quotes stays one cell", {{q("=HYPERLINK(\"a\",\"b\"),=2"), q("x")}},
        {{q("'=HYPERLINK(\"a\",\"b\"),=2"), q("x")}});
    row("formula characters later in the cell left alone", {{q("a=b"), q("1-2")}});
    row("non-Latin text", {{q("Größe"), q("кошка, собака"), q("日本語"), q("🐈 \"猫\"")}});
    row("empty cells", {{QString(), q("x"), QString()}, {QString()}, {q("x"), QString()}});
}

void TestCsv::records_readBackByCsvReader()
{
    QFETCH(Rows, written);
    QFETCH(Rows, expected);
    QByteArray bytes;
    for (const QStringList& fields : written) {
        const QString record = csvRecord(fields);
        QVERIFY2(record.endsWith(QStringLiteral("\r\n")), qPrintable(record));
        bytes += record.toUtf8();
    }
    QCOMPARE(readBack(bytes), expected.isEmpty() ? written : expected);
}

// Words are file names, which may hold anything: each answer comes back as it was kept, one row each.
void TestCsv::historyExport_everyAnswerReadBack()
{
    QTemporaryDir folder;
    History history;
    QVERIFY(history.open(folder.filePath(QStringLiteral("history.sqlite"))) == History::Created);
    const std::int64_t at = QDateTime(QDate(2026, 3, 2), QTime(9, 5, 7)).toSecsSinceEpoch();
    const QString words = QStringLiteral("/home/l/Words, hard");
    const AnswerRecord answers[] = {
        {words, QStringLiteral("salt, pepper"), at, QStringLiteral("salt pepper"), false, 2, 4250},
        {words, QStringLiteral("say \"hi\""), at + 1, QStringLiteral("say \"hi\""), true, 1, 900, 1},
        {words, QStringLiteral("two\r\nlines"), at + 2, QStringLiteral("two\nlines"), false, 3, 12000},
        {words, QStringLiteral("=cmd|' /C calc'!A0"), at + 3, QStringLiteral("@SUM(1)"), false, 1, 1000},
        {QString(), QStringLiteral("Größe"), at + 4, QStringLiteral("-Grösse"), false, 0, 0},
    };
    for (const AnswerRecord& answer : answers)
        QVERIFY(history.record(answer, WordHistory()));
    const QByteArray csv = answersCsv(history);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    const QString when = QStringLiteral("2026-03-02 09:05:0");
    QCOMPARE(readBack(csv),
             (Rows{
                 {"Date and time", "Dictionary", "Word", "Typed", "Result", "Plays", "Hints", "Seconds"},
                 {when + '7', "Words, hard", "salt, pepper", "salt pepper", "wrong", "2", "0", "4.3"},
                 {when + '8', "Words, hard", "say \"hi\"", "say \"hi\"", "right", "1", "1", "0.9"},
                 {when + '9', "Words, hard", "two\r\nlines", "two\nlines", "wrong", "3", "0", "12.0"},
                 {"2026-03-02 09:05:10", "Words, hard", "'=cmd|' /C calc'!A0", "'@SUM(1)", "wrong", "1", "0", "1.0"},
                 // From a stored test of before: no dictionary, plays or time known.
                 {"2026-03-02 09:05:11", "", "Größe", "'-Grösse", "wrong", "", "0", ""},
             }));
}

QTEST_APPLESS_MAIN(TestCsv)
#include "tst_csv.moc"
