#include "statistics/statisticsfile.h"

#include "testenvironment.h"

#include <QtTest>

#include <cstring>

class TestStatisticsFile : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void write_threeWordExample();
    void fileName_data();
    void fileName();
    void twoTestsInOneSecond_secondReplacesFirst();
    void labelAndStamp_roundTrip();
    void write_usesTheCurrentLocalTime();
    void read_data();
    void read();
    void read_hugeCountReturnsAtOnce();

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

std::tm localTime(int day, int month, int year, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_mday = day;
    t.tm_mon = month - 1;
    t.tm_year = year - 1900;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

QByteArray record(quint32 number, const QString& word, bool correct)
{
    QByteArray r = uint32le(number);
    QByteArray text(520, 0);
    for (int i = 0; i < word.size(); ++i)
        qToLittleEndian(word.at(i).unicode(), text.data() + 2 * i);
    return r + text + QByteArray(1, char(correct ? 1 : 0)) + QByteArray(3, 0);
}

} // namespace

void TestStatisticsFile::write_threeWordExample()
{
    writeStatisticsAt({answer(1, QStringLiteral("cat"), true), answer(2, QStringLiteral("Straße"), false),
                       answer(3, QStringLiteral("a & <b>"), true)},
                      2, localTime(4, 12, 2026, 9, 5, 3));
    const QByteArray bytes = env->readData(QStringLiteral("stat04.12.2026 09-05-03.dat"));
    QCOMPARE(bytes.size(), 1596);
    QCOMPARE(bytes.left(12), uint32le(1) + uint32le(2) + uint32le(3));
    QCOMPARE(bytes.mid(12, 528), record(1, QStringLiteral("cat"), true));
    QCOMPARE(bytes.mid(12 + 528, 528), record(2, QStringLiteral("Straße"), false));
    QCOMPARE(bytes.mid(12 + 2 * 528, 528), record(3, QStringLiteral("a & <b>"), true));
    QCOMPARE(displayFromStamp(QStringLiteral("04.12.2026 09-05-03")), QStringLiteral("04/12/2026 09:05:03"));
}

void TestStatisticsFile::fileName_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("stamp");
    QTest::addRow("last second of the year") << 31 << 12 << 2026 << 23 << 59 << 59 << "31.12.2026 23-59-59";
    QTest::addRow("one second later") << 1 << 1 << 2027 << 0 << 0 << 0 << "01.01.2027 00-00-00";
    QTest::addRow("leap day, single digits") << 29 << 2 << 2024 << 7 << 8 << 9 << "29.02.2024 07-08-09";
    QTest::addRow("two-digit fields") << 10 << 10 << 2030 << 10 << 10 << 10 << "10.10.2030 10-10-10";
}

void TestStatisticsFile::fileName()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, second);
    QFETCH(QString, stamp);
    const std::tm t = localTime(day, month, year, hour, minute, second);
    QCOMPARE(timeStamp(t), stamp);
    writeStatisticsAt({answer(1, QStringLiteral("x"), true)}, 1, t);
    const QString name = QStringLiteral("stat") + stamp + QStringLiteral(".dat");
    QCOMPARE(name.size(), 27);
    QCOMPARE(QDir(env->dataFolder()).entryList({QStringLiteral("stat*")}, QDir::Files), QStringList{name});
}

void TestStatisticsFile::twoTestsInOneSecond_secondReplacesFirst()
{
    const std::tm t = localTime(4, 12, 2026, 9, 5, 3);
    writeStatisticsAt({answer(1, QStringLiteral("one"), true), answer(2, QStringLiteral("two"), true)}, 2, t);
    writeStatisticsAt({answer(1, QStringLiteral("three"), false)}, 0, t);
    QCOMPARE(QDir(env->dataFolder()).entryList({QStringLiteral("stat*")}, QDir::Files).size(), 1);
    const QByteArray bytes = env->readData(QStringLiteral("stat04.12.2026 09-05-03.dat"));
    QCOMPARE(bytes, uint32le(1) + uint32le(0) + uint32le(1) + record(1, QStringLiteral("three"), false));
}

void TestStatisticsFile::labelAndStamp_roundTrip()
{
    QCOMPARE(stampFromDisplay(QStringLiteral("04/12/2026 09:05:03")), QStringLiteral("04.12.2026 09-05-03"));
    const QString stamp = timeStamp(localTime(31, 1, 1999, 23, 0, 59));
    QCOMPARE(stampFromDisplay(displayFromStamp(stamp)), stamp);
}

void TestStatisticsFile::write_usesTheCurrentLocalTime()
{
    const std::time_t before = std::time(nullptr);
    writeStatistics({answer(1, QStringLiteral("now"), true)}, 1);
    const std::time_t after = std::time(nullptr);
    const QStringList files = QDir(env->dataFolder()).entryList({QStringLiteral("stat*.dat")}, QDir::Files);
    QCOMPARE(files.size(), 1);
    QStringList possible;
    for (std::time_t t = before; t <= after; ++t) {
        std::tm local{};
        localtime_r(&t, &local);
        possible << QStringLiteral("stat") + timeStamp(local) + QStringLiteral(".dat");
    }
    QVERIFY2(possible.contains(files.first()), qPrintable(files.first()));
}

void TestStatisticsFile::read_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("correct");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<QStringList>("words");

    const QByteArray r1 = record(1, QStringLiteral("один"), true);
    const QByteArray r2 = record(2, QStringLiteral("two"), false);
    QTest::addRow("whole file") << (uint32le(1) + uint32le(1) + uint32le(2) + r1 + r2) << 1 << 2 << 1
                                << QStringList{"+один", "-two"};
    QTest::addRow("empty file") << QByteArray() << 0 << 0 << 0 << QStringList{};
    QTest::addRow("header cut after C") << (uint32le(1) + uint32le(5)) << 5 << 0 << 0 << QStringList{};
    QTest::addRow("count larger than the records") << (uint32le(1) + uint32le(1) + uint32le(9) + r1 + r2) << 1 << 9
                                                   << 8 << QStringList{"+один", "-two"};
    QTest::addRow("last record cut") << (uint32le(1) + uint32le(1) + uint32le(2) + r1 + r2.left(527)) << 1 << 2 << 1
                                     << QStringList{"+один"};
    QTest::addRow("correct larger than count: no wrapped wrong count")
        << (uint32le(1) + uint32le(7) + uint32le(1) + r1) << 7 << 1 << 0 << QStringList{"+один"};
    QTest::addRow("records beyond the count are not read")
        << (uint32le(1) + uint32le(1) + uint32le(1) + r1 + r2) << 1 << 1 << 0 << QStringList{"+один"};
    QByteArray unterminated = record(1, QString(300, QLatin1Char('z')).left(260), true);
    QTest::addRow("word without NUL is terminated") << (uint32le(1) + uint32le(1) + uint32le(1) + unterminated) << 1
                                                    << 1 << 0 << QStringList{"+" + QString(259, QLatin1Char('z'))};
}

void TestStatisticsFile::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, correct);
    QFETCH(int, count);
    QFETCH(int, wrong);
    QFETCH(QStringList, words);
    env->writeData(QStringLiteral("stat01.01.2026 00-00-00.dat"), bytes);
    char16_t path[PATH_UNITS];
    statisticsPath(QStringLiteral("01.01.2026 00-00-00"), path, PATH_UNITS);
    StatisticsReader reader(path);
    QVERIFY(reader.isOpen());
    QCOMPARE(int(reader.correctCount()), correct);
    QCOMPARE(int(reader.answerCount()), count);
    QCOMPARE(int(reader.wrongCount()), wrong);
    QStringList read;
    __answer a;
    while (reader.next(&a))
        read << (a.correct ? QStringLiteral("+") : QStringLiteral("-")) + QString::fromUtf16(a.word);
    QCOMPARE(read, words);
    QVERIFY(!reader.next(&a));
}

void TestStatisticsFile::read_hugeCountReturnsAtOnce()
{
    env->writeData(QStringLiteral("statx.dat"), uint32le(1) + uint32le(0) + uint32le(0xFFFFFFFFu) +
                                                    record(1, QStringLiteral("only"), false));
    const QString path = env->dataFolder() + QStringLiteral("/statx.dat");
    QElapsedTimer timer;
    timer.start();
    StatisticsReader reader(reinterpret_cast<const char16_t*>(path.utf16()));
    int n = 0;
    __answer a;
    while (reader.next(&a))
        ++n;
    QCOMPARE(n, 1);
    QCOMPARE(reader.wrongCount(), 0xFFFFFFFFu);
    QVERIFY(timer.elapsed() < 5000);

    StatisticsReader missing(u"/nonexistent/stat.dat");
    QVERIFY(!missing.isOpen());
    QVERIFY(!missing.next(&a));
}

QTEST_GUILESS_MAIN(TestStatisticsFile)
#include "tst_statisticsfile.moc"
