#include "statistics/statisticsfile.h"

#include "statisticsdata.h"
#include "testenvironment.h"

#include <QtTest>

class TestStatisticsFile : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void write_threeWordExample();
    void fileName_data();
    void fileName();
    void twoTestsInOneSecond_secondReplacesFirst();
    void write_usesTheCurrentLocalTime();
    void read_data();
    void read();
};

namespace {

__answer answer(quint32 number, const QString& word, bool correct)
{
    __answer a;
    std::memset(&a, 0xAB, sizeof a); // writers must not pass on what lies after the word
    a.number = number;
    wcslcpy(a.word, reinterpret_cast<const char16_t*>(word.utf16()), PATH_UNITS);
    a.correct = correct ? 1 : 0;
    return a;
}

std::tm localTime(const QDateTime& time)
{
    std::tm t{};
    t.tm_mday = time.date().day();
    t.tm_mon = time.date().month() - 1;
    t.tm_year = time.date().year() - 1900;
    t.tm_hour = time.time().hour();
    t.tm_min = time.time().minute();
    t.tm_sec = time.time().second();
    return t;
}

} // namespace

void TestStatisticsFile::write_threeWordExample()
{
    writeStatisticsAt({answer(1, "cat", true), answer(2, "Straße", false), answer(3, "a & <b>", true)}, 2,
                      localTime(QDateTime(QDate(2026, 12, 4), QTime(9, 5, 3))));
    const QByteArray bytes = env->readData(QStringLiteral("stat04.12.2026 09-05-03.dat"));
    QCOMPARE(bytes.size(), 1596);
    QCOMPARE(bytes, statisticsBytes(2, 3, {{"cat", true}, {"Straße", false}, {"a & <b>", true}}));
}

void TestStatisticsFile::fileName_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("stamp");
    QTest::addRow("last second of the year") << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)) << "31.12.2026 23-59-59";
    QTest::addRow("one second later") << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0)) << "01.01.2027 00-00-00";
    QTest::addRow("leap day, single digits") << QDateTime(QDate(2024, 2, 29), QTime(7, 8, 9)) << "29.02.2024 07-08-09";
    QTest::addRow("two-digit fields") << QDateTime(QDate(2030, 10, 10), QTime(10, 10, 10)) << "10.10.2030 10-10-10";
}

void TestStatisticsFile::fileName()
{
    QFETCH(QDateTime, time);
    QFETCH(QString, stamp);
    QCOMPARE(timeStamp(localTime(time)), stamp);
    writeStatisticsAt({answer(1, "x", true)}, 1, localTime(time));
    QCOMPARE(QDir(env->dataFolder()).entryList({"stat*"}, QDir::Files), QStringList{"stat" + stamp + ".dat"});
    // The list shows the stamp in its on-screen form and finds the file again from it.
    const QString shown = displayFromStamp(stamp);
    QCOMPARE(shown, time.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
    QCOMPARE(stampFromDisplay(shown), stamp);
}

void TestStatisticsFile::twoTestsInOneSecond_secondReplacesFirst()
{
    const std::tm t = localTime(QDateTime(QDate(2026, 12, 4), QTime(9, 5, 3)));
    writeStatisticsAt({answer(1, "one", true), answer(2, "two", true)}, 2, t);
    writeStatisticsAt({answer(1, "three", false)}, 0, t);
    QCOMPARE(QDir(env->dataFolder()).entryList({"stat*"}, QDir::Files).size(), 1);
    QCOMPARE(env->readData("stat04.12.2026 09-05-03.dat"), statisticsBytes({{"three", false}}));
}

void TestStatisticsFile::write_usesTheCurrentLocalTime()
{
    const QDateTime before = QDateTime::currentDateTime();
    writeStatistics({answer(1, "now", true)}, 1);
    const QDateTime after = QDateTime::currentDateTime();
    const QStringList files = QDir(env->dataFolder()).entryList({"stat*.dat"}, QDir::Files);
    QCOMPARE(files.size(), 1);
    QStringList possible;
    for (QDateTime t = before; t.toSecsSinceEpoch() <= after.toSecsSinceEpoch(); t = t.addSecs(1))
        possible << "stat" + timeStamp(localTime(t)) + ".dat";
    QVERIFY2(possible.contains(files.first()), qPrintable(files.first()));
}

void TestStatisticsFile::read_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file
    QTest::addColumn<quint32>("correct");
    QTest::addColumn<quint32>("count");
    QTest::addColumn<quint32>("wrong");
    QTest::addColumn<QStringList>("words");

    const StoredAnswers two{{"один", true}, {"two", false}};
    const QStringList both{"+один", "-two"}, first{"+один"};
    QTest::addRow("whole file") << statisticsBytes(1, 2, two) << 1u << 2u << 1u << both;
    QTest::addRow("empty file") << QByteArray("") << 0u << 0u << 0u << QStringList{};
    QTest::addRow("header cut after C") << statisticsBytes(5, 0, {}).left(8) << 5u << 0u << 0u << QStringList{};
    QTest::addRow("count larger than the records") << statisticsBytes(1, 9, two) << 1u << 9u << 8u << both;
    QTest::addRow("huge count: what is there, at once")
        << statisticsBytes(1, 0xFFFFFFFFu, two) << 1u << 0xFFFFFFFFu << 0xFFFFFFFEu << both;
    QTest::addRow("last record cut") << statisticsBytes(1, 2, two).chopped(1) << 1u << 2u << 1u << first;
    QTest::addRow("correct larger than count: no wrapped wrong count")
        << statisticsBytes(7, 1, two.mid(0, 1)) << 7u << 1u << 0u << first;
    QTest::addRow("records beyond the count are not read") << statisticsBytes(1, 1, two) << 1u << 1u << 0u << first;
    QByteArray unterminated = statisticsBytes({{QString(259, 'z'), true}});
    unterminated.replace(12 + 4 + 2 * 259, 2, "z\0", 2);
    QTest::addRow("word without NUL is terminated")
        << unterminated << 1u << 1u << 0u << QStringList{"+" + QString(259, 'z')};
    QTest::addRow("no file") << QByteArray() << 0u << 0u << 0u << QStringList{};
}

void TestStatisticsFile::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(quint32, correct);
    QFETCH(quint32, count);
    QFETCH(quint32, wrong);
    QFETCH(QStringList, words);
    if (!bytes.isNull())
        env->writeData(QStringLiteral("stat01.01.2026 00-00-00.dat"), bytes);
    char16_t path[PATH_UNITS];
    statisticsPath(QStringLiteral("01.01.2026 00-00-00"), path, PATH_UNITS);
    StatisticsReader reader(path);
    QCOMPARE(reader.isOpen(), !bytes.isNull());
    QCOMPARE(reader.correctCount(), correct);
    QCOMPARE(reader.answerCount(), count);
    QCOMPARE(reader.wrongCount(), wrong);
    QStringList read;
    __answer a;
    while (reader.next(&a))
        read << (a.correct ? QStringLiteral("+") : QStringLiteral("-")) + QString::fromUtf16(a.word);
    QCOMPARE(read, words);
    QVERIFY(!reader.next(&a));
}

QTEST_GUILESS_MAIN(TestStatisticsFile)
#include "tst_statisticsfile.moc"
