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
    void longestKeyAndValue_roundTrip_longerKeyIgnored();
    void folderThatCannotBeCreated_readsDefaultsAndFailsSilently();
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
    QCOMPARE(getSettingInt("test_number", 10, SCOPE_USER), read);
    QCOMPARE(setSettingInt("test_number", 9, SCOPE_USER), SETTING_WRITTEN);
    QCOMPARE(env->readData(QStringLiteral("settings.conf")), written);
}

// A key may have 150 characters and a value 11, as the smallest int has; a longer key is neither read nor written.
void TestSettings::longestKeyAndValue_roundTrip_longerKeyIgnored()
{
    const QByteArray key(151, 'k'), content = key + "=3\n";
    env->writeData(QStringLiteral("settings.conf"), content);
    QCOMPARE(getSettingInt(key.constData(), 10, SCOPE_USER), 10);
    QCOMPARE(setSettingInt(key.constData(), 1, SCOPE_USER), SETTING_KEY_TOO_LONG);
    QCOMPARE(setSettingInt(key.left(150).constData(), INT_MIN, SCOPE_USER), SETTING_WRITTEN);
    QCOMPARE(env->readData(QStringLiteral("settings.conf")), content + key.left(150) + "=-2147483648\n");
    QCOMPARE(getSettingInt(key.left(150).constData(), 10, SCOPE_USER), INT_MIN);
}

void TestSettings::folderThatCannotBeCreated_readsDefaultsAndFailsSilently()
{
    const QString blocker = env->blockDataFolder();
    QCOMPARE(setSettingInt("test_number", 5, SCOPE_USER), SETTING_CANNOT_WRITE);
    QCOMPARE(getSettingInt("test_number", 10, SCOPE_USER), 10);
    QCOMPARE(QFileInfo(blocker).size(), 0);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
