#include "settings/settings.h"

#include "testenvironment.h"

#include <QtTest>

#include <climits>

class TestSettings : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void write_data();
    void write();
    void unknownScope_readsDefaultAndWritesNothing();
    void folderThatCannotBeCreated_readsDefaultsAndFailsSilently();
};

namespace {

const QByteArray longKey(151, 'k');

} // namespace

void TestSettings::read_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("expected");

    const QByteArray tn("test_number");
    QTest::addRow("no file") << QByteArray() << tn << 10;
    QTest::addRow("empty file") << QByteArray("") << tn << 10;
    QTest::addRow("among other lines") << QByteArray("tip=1\ntest_number=7\n") << tn << 7;
    QTest::addRow("blanks around = do not belong to the key") << QByteArray("test_number = 25\n") << tn << 10;
    QTest::addRow("leading blank does not belong") << QByteArray(" test_number=25\n") << tn << 10;
    QTest::addRow("blank after = is accepted") << QByteArray("test_number= 25\n") << tn << 25;
    QTest::addRow("negative") << QByteArray("test_number=-5\n") << tn << -5;
    QTest::addRow("trailing letters") << QByteArray("test_number=25abc\n") << tn << 10;
    QTest::addRow("nothing after =") << QByteArray("test_number=\n") << tn << 10;
    QTest::addRow("hexadecimal") << QByteArray("test_number=0x10\n") << tn << 10;
    QTest::addRow("sign alone") << QByteArray("test_number=-\n") << tn << 10;
    QTest::addRow("key alone on its line") << QByteArray("test_number\ntest_number=8\n") << tn << 8;
    QTest::addRow("longer key with same start") << QByteArray("test_number_x=1\n") << tn << 10;
    QTest::addRow("first of two lines wins") << QByteArray("test_number=5\ntest_number=7\n") << tn << 5;
    QTest::addRow("CR LF line ends") << QByteArray("tip=0\r\ntest_number=42\r\n") << tn << 42;
    QTest::addRow("last line without line end") << QByteArray("test_number=33") << tn << 33;
    QTest::addRow("value of 12 characters is cut to 11") << QByteArray("test_number=123456789012\n") << tn << INT_MAX;
    QTest::addRow("value cut to 11 can become valid") << QByteArray("test_number=00000000042x\n") << tn << 42;
    QTest::addRow("beyond 32 bits gives the lower limit") << QByteArray("test_number=-9999999999\n") << tn << INT_MIN;
    QTest::addRow("2000-character line before the key")
        << (QByteArray("junk=") + QByteArray(2000, 'z') + "\ntest_number=12\n") << tn << 12;
    QTest::addRow("key text deep inside a long line is no line of its own")
        << (QByteArray(200, 'z') + "test_number=12\n") << tn << 10;
    QTest::addRow("key of 151 characters") << (longKey + "=3\n") << longKey << 10;
    QTest::addRow("key of 150 characters") << (longKey.left(150) + "=3\n") << longKey.left(150) << 3;
}

void TestSettings::read()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, key);
    QFETCH(int, expected);
    if (!content.isNull())
        env->writeData(QStringLiteral("settings.conf"), content);
    QCOMPARE(getSettingInt(key.constData(), 10, SCOPE_USER), expected);
}

void TestSettings::write_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("expected"); // null: no file afterwards

    const QByteArray tn("test_number");
    QTest::addRow("no file") << QByteArray() << tn << 25 << SETTING_WRITTEN << QByteArray("test_number=25\n");
    QTest::addRow("replaced in place")
        << QByteArray("tip=1\ntest_number=7\n") << tn << 9 << SETTING_WRITTEN << QByteArray("tip=1\ntest_number=9\n");
    QTest::addRow("spaced line stays, new one appended")
        << QByteArray("test_number = 25\n") << tn << 9 << SETTING_WRITTEN
        << QByteArray("test_number = 25\ntest_number=9\n");
    QTest::addRow("every line of the key replaced")
        << QByteArray("test_number=5\ntip=0\ntest_number=7\n") << tn << 9 << SETTING_WRITTEN
        << QByteArray("test_number=9\ntip=0\ntest_number=9\n");
    QTest::addRow("unknown lines carried unchanged")
        << QByteArray("# mine\r\nfoo=bar\n\n") << QByteArray("tip") << 0 << SETTING_WRITTEN
        << QByteArray("# mine\r\nfoo=bar\n\ntip=0\n");
    QTest::addRow("unterminated last line is ended first")
        << QByteArray("tip=1") << tn << 10 << SETTING_WRITTEN << QByteArray("tip=1\ntest_number=10\n");
    QTest::addRow("CR LF line of the key replaced")
        << QByteArray("test_number=3\r\ntip=1\r\n") << tn << 4 << SETTING_WRITTEN
        << QByteArray("test_number=4\ntip=1\r\n");
    QTest::addRow("negative value") << QByteArray() << tn << -5 << SETTING_WRITTEN << QByteArray("test_number=-5\n");
    QTest::addRow("extreme value")
        << QByteArray() << tn << INT_MIN << SETTING_WRITTEN << QByteArray("test_number=-2147483648\n");
    QTest::addRow("2000-character line kept whole")
        << (QByteArray("junk=") + QByteArray(2000, 'z') + "\n") << tn << 1 << SETTING_WRITTEN
        << (QByteArray("junk=") + QByteArray(2000, 'z') + "\ntest_number=1\n");
    QTest::addRow("key of 151 characters leaves the file")
        << QByteArray("tip=1\n") << longKey << 1 << SETTING_KEY_TOO_LONG << QByteArray("tip=1\n");
    QTest::addRow("key of 151 characters creates no file")
        << QByteArray() << longKey << 1 << SETTING_KEY_TOO_LONG << QByteArray();
}

void TestSettings::write()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, key);
    QFETCH(int, value);
    QFETCH(int, status);
    QFETCH(QByteArray, expected);
    if (!content.isNull())
        env->writeData(QStringLiteral("settings.conf"), content);
    QCOMPARE(setSettingInt(key.constData(), value, SCOPE_USER), status);
    QCOMPARE(QFile::exists(env->dataFolder() + QStringLiteral("/settings.conf")), !expected.isNull());
    if (!expected.isNull()) {
        QCOMPARE(env->readData(QStringLiteral("settings.conf")), expected);
        if (status == SETTING_WRITTEN)
            QCOMPARE(getSettingInt(key.constData(), 12345, SCOPE_USER), value);
    }
}

void TestSettings::unknownScope_readsDefaultAndWritesNothing()
{
    char path[260] = {};
    getSettingsPath(path, 2);
    QCOMPARE(path[0], '\0');
    QCOMPARE(setSettingInt("tip", 0, 2), SETTING_CANNOT_WRITE);
    QCOMPARE(getSettingInt("tip", 1, -1), 1);
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
