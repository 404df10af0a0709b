#include "platform/platform.h"
#include "settings/settings.h"
#include "statistics/statisticsfile.h"

#include "testenvironment.h"

#include <QtTest>

#include <climits>
#include <unistd.h>

class TestSettings : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void readThenWrite_data();
    void readThenWrite();
    void longestKeyAndValue_roundTrip_longerKeyIgnored();
    void folderThatCannotBeCreated_readsDefaultsAndFailsSilently();
    void machineScope_userFileFirstThenTheMachinesInOrder();
    void machineScope_writesTheUsersOwnFile();
    void newAccount_everyFileLandsWhereTheReadmeSays();
    void sharedFileInAFolderNoneMayWrite_isWritten();
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

void TestSettings::machineScope_userFileFirstThenTheMachinesInOrder()
{
    // A relative entry of $XDG_CONFIG_DIRS is no folder of the machine's.
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(env->root() + "/etc:relative:" + env->root() + "/etc2"));
    const auto put = [&](const char* folder, const QByteArray& text) {
        QVERIFY(writeFile(env->root() + folder + "/Brindlecot/Quillora/settings.conf", text));
    };
    put("/work/relative", "update=9\n");
    put("/etc2", "update=0\n");
    QCOMPARE(getSettingInt("update", 7, SCOPE_MACHINE), 0); // only in the last system folder
    put("/etc", "update=2\n");
    put("/config", "date=5\n");
    QCOMPARE(getSettingInt("update", 7, SCOPE_MACHINE), 2); // the first system folder, past a user file without it
    put("/config", "update=1\n");
    QCOMPARE(getSettingInt("update", 7, SCOPE_MACHINE), 1); // the user's choice wins
    QCOMPARE(getSettingInt("tip", 7, SCOPE_MACHINE), 7);
}

void TestSettings::machineScope_writesTheUsersOwnFile()
{
    // System folders that cannot even be made, as for a user who may not write /etc/xdg.
    const QString blocker = env->root() + QStringLiteral("/blocker");
    QVERIFY(writeFile(blocker, "x"));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(blocker + "/etc"));
    QCOMPARE(setSettingInt("update", 0, SCOPE_MACHINE), SETTING_WRITTEN);
    QCOMPARE(readFile(env->root() + "/config/Brindlecot/Quillora/settings.conf"), QByteArray("update=0\n"));
    QCOMPARE(getSettingInt("update", 1, SCOPE_MACHINE), 0);
    // With no XDG_CONFIG_DIRS the machine's folder is /etc/xdg, as before.
    qunsetenv("XDG_CONFIG_DIRS");
    char16_t folder[PATH_UNITS];
    QCOMPARE(platform::systemConfigFolder(0, folder, PATH_UNITS), 0);
    QCOMPARE(QString::fromUtf16(folder), QStringLiteral("/etc/xdg"));
}

void TestSettings::newAccount_everyFileLandsWhereTheReadmeSays()
{
    // A home folder with nothing in it, and none of the XDG variables.
    const QString home = env->root() + QStringLiteral("/home");
    QVERIFY(QDir().mkpath(home));
    qputenv("HOME", QFile::encodeName(home));
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
        qunsetenv(name);
    writeStatisticsAt({}, 0, std::tm{0, 0, 0, 1, 0, 126, 0, 0, 0, 0, nullptr});
    writeDictionaries({});
    setSettingInt("tip", 0, SCOPE_USER);
    setSettingInt("date", 5, SCOPE_MACHINE);
    const QString data = home + QStringLiteral("/.local/share/Brindlecot/Quillora/");
    for (const QString& path : {data + "stat01.01.2026 00-00-00.dat", data + "data.dat", data + "settings.conf",
                                home + "/.config/Brindlecot/Quillora/settings.conf"})
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
}

void TestSettings::sharedFileInAFolderNoneMayWrite_isWritten()
{
    // The user's folder takes no new file, its settings.conf may be written. Root may write anywhere, so the check
    // runs as nobody.
    const QString folder = env->root() + QStringLiteral("/config/Brindlecot/Quillora");
    QVERIFY(writeFile(folder + "/settings.conf", "update=1\n"));
    for (const QString& path : {env->root(), env->root() + "/config", env->root() + "/config/Brindlecot"})
        QVERIFY(QFile::setPermissions(path, QFile::Permissions(0x7755)));
    QVERIFY(QFile::setPermissions(folder, QFile::Permissions(0x5555)));
    QVERIFY(QFile::setPermissions(folder + "/settings.conf", QFile::Permissions(0x6666)));
    const bool root = geteuid() == 0;
    QVERIFY(!root || seteuid(65534) == 0);
    const int status = setSettingInt("update", 0, SCOPE_MACHINE);
    QVERIFY(!root || seteuid(0) == 0);
    QFile::setPermissions(folder, QFile::Permissions(0x7755));
    QCOMPARE(status, SETTING_WRITTEN);
    QCOMPARE(readFile(folder + "/settings.conf"), QByteArray("update=0\n"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
