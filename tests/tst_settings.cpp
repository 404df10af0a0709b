#include "platform/appfolders.h"
#include "settings/options.h"
#include "settings/settings.h"

#include "testenvironment.h"

#include <QtTest>

#include <climits>

class TestSettings : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void readThenWrite_data();
    void readThenWrite();
    void machineScope_userFileFirstThenTheMachinesInOrder();
    void lengthKeptInLimits_overlongFolderGivesNoFile();
};

// What test_number reads as in the file, and the file after test_number=9 is written into it.
void TestSettings::readThenWrite_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<int>("read");
    QTest::addColumn<QByteArray>("written");

    const QByteArray nine("test_number=9\n");
    QTest::addRow("no file") << QByteArray() << 10 << nine;
    const QByteArray absent = QByteArray(2000, 'z') + "test_number=12\ntest_number_x=1\ntest_number = 2";
    QTest::addRow("longer, spaced or mid-line key differs; last line ended") << absent << 10 << absent + "\n" + nine;
    QTest::addRow("first line decides, even when no number; every line replaced, others kept")
        << QByteArray("test_number=25abc\n# x\n\ntest_number=7\n") << 10 << "test_number=9\n# x\n\n" + nine;
    QTest::addRow("CR LF line ends") << QByteArray("tip=0\r\ntest_number=42\r\n") << 42 << "tip=0\r\n" + nine;
    QTest::addRow("value cut to 11 can become valid") << QByteArray("test_number=00000000042x\n") << 42 << nine;
    QTest::addRow("beyond 32 bits gives the upper limit") << QByteArray("test_number=123456789012") << INT_MAX << nine;
    QTest::addRow("beyond 32 bits gives the lower limit") << QByteArray("test_number=-9999999999") << INT_MIN << nine;
}

void TestSettings::readThenWrite()
{
    QFETCH(QByteArray, content);
    QFETCH(int, read);
    QFETCH(QByteArray, written);
    if (!content.isNull())
        env->writeData(QStringLiteral("settings.conf"), content);
    QCOMPARE(storedTestLength(), read);
    QVERIFY(setTestLength(9));
    QCOMPARE(env->readData(QStringLiteral("settings.conf")), written);
}

void TestSettings::machineScope_userFileFirstThenTheMachinesInOrder()
{
    // A relative entry of $XDG_CONFIG_DIRS is no folder of the machine's.
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(env->root() + "/etc:relative:" + env->root() + "/etc2"));
    const auto put = [&](const char* folder, const QByteArray& text) {
        QVERIFY(writeFile(productFolderIn(env->root() + folder) + "/settings.conf", text));
    };
    put("/work/relative", "key=9\n");
    put("/etc2", "key=0\n");
    QCOMPARE(getSettingInt("key", 7, SCOPE_MACHINE), 0); // only in the last system folder
    put("/etc", "key=2\n");
    put("/config", "other=5\n");
    QCOMPARE(getSettingInt("key", 7, SCOPE_MACHINE), 2); // the first system folder, past a user file without it
    put("/config", "key=1\n");
    QCOMPARE(getSettingInt("key", 7, SCOPE_MACHINE), 1); // the user's choice wins
    QCOMPARE(getSettingInt("absent", 7, SCOPE_MACHINE), 7);
}

void TestSettings::lengthKeptInLimits_overlongFolderGivesNoFile()
{
    QVERIFY(setTestLength(20000));
    QCOMPARE(storedTestLength(), MAX_TEST_LENGTH);
    QVERIFY(setTestLength(0));
    QCOMPARE(storedTestLength(), MIN_TEST_LENGTH);
    // A data folder that fits a path buffer but leaves no room for the file gives no file, never one cut short.
    const QString base = env->root() + '/';
    qputenv("XDG_DATA_HOME", QFile::encodeName(base + QString(250 - base.size(), 'd')));
    char16_t path[PATH_UNITS] = {u'x'};
    QVERIFY(!platform::userSettingsPath(path, PATH_UNITS, false));
    QCOMPARE(path[0], u'\0');
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
