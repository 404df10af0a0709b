#include "statistics/statisticsfile.h"
#include "statistics/statisticslist.h"

#include "statisticsdata.h"
#include "testenvironment.h"

#include <QtTest>

#include <cstdio>

class TestStatisticsFile : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void write_threeWordExample_thenASecondTestInTheSameSecond();
    void read_data();
    void read();
    void list_newestFirst();
};

void TestStatisticsFile::write_threeWordExample_thenASecondTestInTheSameSecond()
{
    const auto answer = [](quint32 number, const QString& word, bool correct) {
        __answer a;
        std::memset(&a, 0xAB, sizeof a); // writers must not pass on what lies after the word
        a.number = number;
        wcslcpy(a.word, reinterpret_cast<const char16_t*>(word.utf16()), PATH_UNITS);
        a.correct = correct ? 1 : 0;
        return a;
    };
    std::tm t{};
    QVERIFY(strptime("04.12.2026 09:05:03", "%d.%m.%Y %H:%M:%S", &t) != nullptr);
    writeStatisticsAt({answer(1, "cat", true), answer(2, "Straße", false), answer(3, "a & <b>", true)}, 2, t);
    QCOMPARE(env->readData("stat04.12.2026 09-05-03.dat"),
             statisticsBytes({{"cat", true}, {"Straße", false}, {"a & <b>", true}}));
    writeStatisticsAt({answer(1, "three", false)}, 0, t); // the second replaces the first
    QCOMPARE(QDir(env->dataFolder()).entryList({"stat*"}, QDir::Files), QStringList{"stat04.12.2026 09-05-03.dat"});
    QCOMPARE(env->readData("stat04.12.2026 09-05-03.dat"), statisticsBytes({{"three", false}}));
}

void TestStatisticsFile::read_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file
    QTest::addColumn<QStringList>("read"); // "correct count wrong whole-records", then each answer
    const StoredAnswers two{{"один", true}, {"two", false}};
    QTest::addRow("whole file") << statisticsBytes(1, 2, two) << QStringList{"1 2 1 2", "+один", "-two"};
    QTest::addRow("header cut after C") << statisticsBytes(5, 0, {}).left(8) << QStringList{"5 0 0 0"};
    QTest::addRow("huge count, last record cut: what is whole, at once")
        << statisticsBytes(1, 0xFFFFFFFFu, two).chopped(1) << QStringList{"1 4294967295 4294967294 1", "+один"};
    QTest::addRow("count below correct and records") << statisticsBytes(7, 1, two) << QStringList{"7 1 0 1", "+один"};
    QTest::addRow("word without NUL")
        << statisticsBytes({{QString(259, 'z'), true}}).replace(12 + 4 + 2 * 259, 2, "z\0", 2)
        << QStringList{"1 1 0 1", "+" + QString(259, 'z')};
    QTest::addRow("no file") << QByteArray() << QStringList{"0 0 0 0"};
}

void TestStatisticsFile::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, read);
    if (!bytes.isNull())
        env->writeData("stat.dat", bytes);
    StatisticsReader reader(reinterpret_cast<const char16_t*>(QString(env->dataFolder() + "/stat.dat").utf16()));
    QStringList got{QString::asprintf("%u %u %u %u", reader.correctCount(), reader.answerCount(), reader.wrongCount(),
                                      reader.wholeRecords())};
    __answer a;
    while (reader.next(&a))
        got << (a.correct ? QStringLiteral("+") : QStringLiteral("-")) + QString::fromUtf16(a.word);
    QCOMPARE(got, read);
}

// Newest first, the same day by time; only files named "stat", a stamp of ASCII digits and ".dat" are stored tests,
// so that each one's stamp leads back to its file.
void TestStatisticsFile::list_newestFirst()
{
    for (const char* file :
         {"data.dat", "stat01.01.2026 00-00-00.DAT", "stat01.01.2026 00-00-00.dat.bak", "stat01.01.2026 00-00-00x.dat",
          "stat1.01.2026 00-00-00.dat", "stat15.02.2026 10-00-00.dat", "stat01.03.2026 10-00-00.dat",
          "stat31.12.2025 10-00-00.dat", "stat01.03.2026 09-59-59.dat", "stat01.02.2026 10:20-30.dat",
          "stat01.02.2026 10-20-3.datt", "stat01.02.2026 10-2O-30.dat", "stat01.02.2026 10-20-3\u0661.dat"})
        env->writeData(file, QByteArray());
    const QByteArray notUtf8 = QFile::encodeName(env->dataFolder()) + "/stat01.02.2026 10-20-3\xff.dat";
    std::FILE* file = std::fopen(notUtf8.constData(), "w");
    QVERIFY(file != nullptr);
    std::fclose(file);
    QVERIFY(QDir().mkpath(env->dataFolder() + "/stat04.01.2026 00-00-00.dat"));
    std::vector<std::u16string> listed{u"left over"};
    listStatistics(listed);
    QStringList texts;
    std::transform(listed.begin(), listed.end(), std::back_inserter(texts), &QString::fromStdU16String);
    QCOMPARE(texts,
             (QStringList{"01.03.2026 10-00-00", "01.03.2026 09-59-59", "15.02.2026 10-00-00", "31.12.2025 10-00-00"}));
    QVERIFY(!isStatisticsFileName(u"stat01/02.2026 10-20-30.dat")); // no file can have this name
    // Past what the window lists, the oldest are left out.
    for (int i = 0; i < int(MAX_LISTED_TESTS); ++i)
        env->writeData(QString::asprintf("stat01.01.1990 %02d-%02d-00.dat", i / 60, i % 60), QByteArray());
    listStatistics(listed);
    QVERIFY(listed.size() == MAX_LISTED_TESTS && listed.back() == u"01.01.1990 00-04-00" && listed[1] == texts[1]);
}

QTEST_GUILESS_MAIN(TestStatisticsFile)
#include "tst_statisticsfile.moc"
