#include "statistics/statisticslist.h"

#include "testenvironment.h"

#include <QtTest>

// Which files of the data folder are stored tests, and their order.
class TestStatisticsList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newerThan_data();
    void newerThan();
    void list_data();
    void list();
    void list_keepsTheNewest1000();
    void list_withoutDataFolder_isEmptyAndCreatesNothing();

private:
    std::unique_ptr<TestEnvironment> env;

    QStringList listed() const;
};

void TestStatisticsList::init()
{
    env = std::make_unique<TestEnvironment>();
}

void TestStatisticsList::cleanup()
{
    env.reset();
}

QStringList TestStatisticsList::listed() const
{
    std::vector<std::u16string> stamps{u"left over"};
    listStatistics(stamps);
    QStringList list;
    for (const std::u16string& stamp : stamps)
        list << QString::fromStdU16String(stamp);
    return list;
}

void TestStatisticsList::newerThan_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("newer");
    QTest::addRow("later year beats later month") << "01.01.2026 00-00-00"
                                                  << "31.12.2025 23-59-59" << true;
    QTest::addRow("later month beats later day") << "01.03.2026 00-00-00"
                                                 << "15.02.2026 00-00-00" << true;
    QTest::addRow("earlier day") << "14.02.2026 23-00-00"
                                 << "15.02.2026 01-00-00" << false;
    QTest::addRow("same day, later hour") << "15.02.2026 10-00-00"
                                          << "15.02.2026 09-59-59" << true;
    QTest::addRow("same minute, later second") << "15.02.2026 10-00-01"
                                               << "15.02.2026 10-00-00" << true;
    QTest::addRow("equal is not newer") << "15.02.2026 10-00-00"
                                        << "15.02.2026 10-00-00" << false;
    QTest::addRow("missing time counts as midnight") << "15.02.2026"
                                                     << "15.02.2026 00-00-00" << false;
    QTest::addRow("unreadable day counts as 0") << "xx.02.2026 00-00-00"
                                                << "01.02.2026 00-00-00" << false;
    QTest::addRow("numbers without leading zeros") << "1.3.2026 9-5-3"
                                                   << "01.03.2026 09-05-02" << true;
}

void TestStatisticsList::newerThan()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, newer);
    QCOMPARE(::newerThan(a.toStdU16String(), b.toStdU16String()), newer);
}

void TestStatisticsList::list_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("stamps");
    QTest::addRow("newest first") << QStringList{"stat15.02.2026 10-00-00.dat", "stat01.03.2026 10-00-00.dat",
                                                 "stat31.12.2025 10-00-00.dat"}
                                  << QStringList{"01.03.2026 10-00-00", "15.02.2026 10-00-00", "31.12.2025 10-00-00"};
    QTest::addRow("same day by time") << QStringList{"stat15.02.2026 08-00-00.dat", "stat15.02.2026 18-30-00.dat",
                                                     "stat15.02.2026 18-29-59.dat"}
                                      << QStringList{"15.02.2026 18-30-00", "15.02.2026 18-29-59",
                                                     "15.02.2026 08-00-00"};
    const QStringList notTests{"data.dat",
                               "settings.conf",
                               "stat01.01.2026 00-00-00.DAT",
                               "stat01.01.2026 00-00-00.txt",
                               "stat01.01.2026 00-00-00.dat.bak",
                               "stat01.01.2026 00-00-00x.dat",
                               "stat1.01.2026 00-00-00.dat"};
    QTest::addRow("only 27-character names ending in dat")
        << notTests + QStringList{"stat02.01.2026 00-00-00.dat"} << QStringList{"02.01.2026 00-00-00"};
}

void TestStatisticsList::list()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, stamps);
    for (const QString& file : files)
        env->writeData(file, QByteArray());
    QVERIFY(QDir().mkpath(env->dataFolder() + "/stat04.01.2026 00-00-00.dat")); // a folder is not a test
    QCOMPARE(listed(), stamps);
}

void TestStatisticsList::list_keepsTheNewest1000()
{
    QStringList expected;
    for (int i = 0; i < 1003; ++i) {
        // Minutes from 2026-01-01 00:00 on: distinct, and the highest numbers are the newest.
        const QDateTime at = QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(60 * i);
        const QString stamp = at.toString("dd.MM.yyyy HH-mm-ss");
        env->writeData("stat" + stamp + ".dat", QByteArray());
        expected.prepend(stamp);
    }
    QCOMPARE(listed(), expected.mid(0, 1000));
}

void TestStatisticsList::list_withoutDataFolder_isEmptyAndCreatesNothing()
{
    QCOMPARE(listed(), QStringList{});
    QVERIFY(!QDir(env->dataFolder()).exists());
}

QTEST_GUILESS_MAIN(TestStatisticsList)
#include "tst_statisticslist.moc"
