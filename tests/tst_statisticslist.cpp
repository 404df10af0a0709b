#include "statistics/statisticslist.h"

#include "testenvironment.h"

#include <QtTest>

// Which files of the data folder are stored tests, and their order.
class TestStatisticsList : public QObject
{
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }
    void newerThan_data();
    void newerThan();
    void list_data();
    void list();

private:
    std::unique_ptr<TestEnvironment> env;
};

void TestStatisticsList::newerThan_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("newer");
    QTest::addRow("later year beats later month") << "01.01.2026 00-00-00"
                                                  << "31.12.2025 23-59-59" << true;
    QTest::addRow("later month beats later day") << "01.03.2026 00-00-00"
                                                 << "15.02.2026 00-00-00" << true;
    QTest::addRow("same day, earlier hour") << "15.02.2026 09-59-59"
                                            << "15.02.2026 10-00-00" << false;
    QTest::addRow("same minute, later second") << "15.02.2026 10-00-01"
                                               << "15.02.2026 10-00-00" << true;
    QTest::addRow("equal is not newer") << "15.02.2026 10-00-00"
                                        << "15.02.2026 10-00-00" << false;
    QTest::addRow("missing time counts as midnight") << "15.02.2026"
                                                     << "15.02.2026 00-00-00" << false;
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
    QTest::addRow("newest first, same day by time")
        << QStringList{"stat15.02.2026 10-00-00.dat", "stat01.03.2026 10-00-00.dat", "stat31.12.2025 10-00-00.dat",
                       "stat01.03.2026 09-59-59.dat"}
        << QStringList{"01.03.2026 10-00-00", "01.03.2026 09-59-59", "15.02.2026 10-00-00", "31.12.2025 10-00-00"};
    QTest::addRow("only 27-character names ending in dat") << QStringList{"data.dat",
                                                                          "stat01.01.2026 00-00-00.DAT",
                                                                          "stat01.01.2026 00-00-00.dat.bak",
                                                                          "stat01.01.2026 00-00-00x.dat",
                                                                          "stat1.01.2026 00-00-00.dat",
                                                                          "stat02.01.2026 00-00-00.dat"}
                                                           << QStringList{"02.01.2026 00-00-00"};
    QStringList many, newest;
    for (int i = 0; i < 1003; ++i) {
        const QString stamp = QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(60 * i).toString("dd.MM.yyyy HH-mm-ss");
        many << "stat" + stamp + ".dat";
        newest.prepend(stamp);
    }
    QTest::addRow("the newest 1000 of more") << many << QStringList(newest.mid(0, 1000));
}

void TestStatisticsList::list()
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

QTEST_GUILESS_MAIN(TestStatisticsList)
#include "tst_statisticslist.moc"
