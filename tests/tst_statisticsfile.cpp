#include "statistics/statisticsfile.h"
#include "statistics/statisticslist.h"

#include "statisticsdata.h"
#include "testenvironment.h"

#include <QtTest>

// Stored tests: the file's bytes, its time-stamped name, and which files of the data folder are listed, in what order.
class TestStatisticsFile : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void write_threeWordExample_thenASecondTestInTheSameSecond();
    void fileName_data();
    void fileName();
    void write_usesTheCurrentLocalTime();
    void read_data();
    void read();
    void newerThan_data();
    void newerThan();
    void list_data();
    void list();
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

void TestStatisticsFile::write_threeWordExample_thenASecondTestInTheSameSecond()
{
    const std::tm t = localTime(QDateTime(QDate(2026, 12, 4), QTime(9, 5, 3)));
    writeStatisticsAt({answer(1, "cat", true), answer(2, "Straße", false), answer(3, "a & <b>", true)}, 2, t);
    const QByteArray bytes = env->readData(QStringLiteral("stat04.12.2026 09-05-03.dat"));
    QCOMPARE(bytes.size(), 1596);
    QCOMPARE(bytes, statisticsBytes(2, 3, {{"cat", true}, {"Straße", false}, {"a & <b>", true}}));
    // The second replaces the first.
    writeStatisticsAt({answer(1, "three", false)}, 0, t);
    QCOMPARE(QDir(env->dataFolder()).entryList({"stat*"}, QDir::Files).size(), 1);
    QCOMPARE(env->readData("stat04.12.2026 09-05-03.dat"), statisticsBytes({{"three", false}}));
}

void TestStatisticsFile::fileName_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("stamp");
    QTest::addRow("a year's last second") << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)) << "31.12.2026 23-59-59";
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

void TestStatisticsFile::newerThan_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("newer");
    QTest::addRow("later year beats later month") << "01.01.2026 00-00-00" << "31.12.2025 23-59-59" << true;
    QTest::addRow("later month beats later day") << "01.03.2026 00-00-00" << "15.02.2026 00-00-00" << true;
    QTest::addRow("same day, earlier hour") << "15.02.2026 09-59-59" << "15.02.2026 10-00-00" << false;
    QTest::addRow("same minute, later second") << "15.02.2026 10-00-01" << "15.02.2026 10-00-00" << true;
    QTest::addRow("equal is not newer") << "15.02.2026 10-00-00" << "15.02.2026 10-00-00" << false;
    QTest::addRow("missing time counts as midnight") << "15.02.2026" << "15.02.2026 00-00-00" << false;
}

void TestStatisticsFile::newerThan()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, newer);
    QCOMPARE(::newerThan(a.toStdU16String(), b.toStdU16String()), newer);
}

void TestStatisticsFile::list_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("stamps");
    QTest::addRow("newest first, same day by time")
        << QStringList{"stat15.02.2026 10-00-00.dat", "stat01.03.2026 10-00-00.dat", "stat31.12.2025 10-00-00.dat",
                       "stat01.03.2026 09-59-59.dat"}
        << QStringList{"01.03.2026 10-00-00", "01.03.2026 09-59-59", "15.02.2026 10-00-00", "31.12.2025 10-00-00"};
    QTest::addRow("only 27-character names ending in dat")
        << QStringList{"data.dat", "stat01.01.2026 00-00-00.DAT", "stat01.01.2026 00-00-00.dat.bak",
                       "stat01.01.2026 00-00-00x.dat", "stat1.01.2026 00-00-00.dat", "stat02.01.2026 00-00-00.dat"}
        << QStringList{"02.01.2026 00-00-00"};
    QStringList many, newest;
    for (int i = 0; i < 1003; ++i) {
        const QString stamp = QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(60 * i).toString("dd.MM.yyyy HH-mm-ss");
        many << "stat" + stamp + ".dat";
        newest.prepend(stamp);
    }
    QTest::addRow("the newest 1000 of more") << many << QStringList(newest.mid(0, 1000));
}

void TestStatisticsFile::list()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, stamps);
    for (const QString& file : files)
        env->writeData(file, QByteArray());
    QVERIFY(QDir().mkpath(env->dataFolder() + "/stat04.01.2026 00-00-00.dat")); // a folder is not a test
    std::vector<std::u16string> listed{u"left over"};
    listStatistics(listed);
    QStringList texts;
    for (const std::u16string& stamp : listed)
        texts << QString::fromStdU16String(stamp);
    QCOMPARE(texts, stamps);
}

QTEST_GUILESS_MAIN(TestStatisticsFile)
#include "tst_statisticsfile.moc"
