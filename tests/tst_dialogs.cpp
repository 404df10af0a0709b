#include "app/mainwindow.h"
#include "platform/desktop.h"
#include "settings/dlgsettings.h"
#include "settings/dlgtips.h"
#include "settings/options.h"
#include "update/dlgupdate.h"
#include "update/updatecheck.h"
#include "update/updaterequest.h"
#include "widgets/placement.h"

#include "replyserver.h"
#include "testenvironment.h"

#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

namespace {

QStringList opened;

void useServer(const ReplyServer& server)
{
    setUpdateBaseAddressForTesting(QStringLiteral("http://127.0.0.1:%1/u?p=").arg(server.port()));
}

} // namespace

// The Settings, Tips and Update windows, and the main window's side of them.
class TestDialogs : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        platform::setDocumentOpener([](const char16_t* target) { opened << QString::fromUtf16(target); });
    }
    void cleanup()
    {
        setUpdateBaseAddressForTesting(QString());
        opened.clear();
        EnvironmentTest::cleanup();
    }
    void settings_loadAndStore_data();
    void settings_loadAndStore();
    void startup_lengthAndTipsOrUpdate_data();
    void startup_lengthAndTipsOrUpdate();
    void tips_placedAndStoredForTheNextStart();
    void update_yesOpensTheDownloadPageAndClosesTheProgram();
    void silentService_windowAnswersAndClosesAtOnce();
};

void TestDialogs::settings_loadAndStore_data()
{
    QTest::addColumn<QByteArray>("user"); // null: no file, before and after
    QTest::addColumn<QByteArray>("machine");
    QTest::addColumn<int>("key"); // pressed on the next control once Up has raised the test length by one
    QTest::addColumn<QByteArray>("userAfter");
    QTest::addColumn<QByteArray>("machineAfter");
    // Accents count unless switched off; capitals only when switched on.
    const QByteArray none, off("test_number=25\ntip=0\nremember=0\naccents=0\ncapitals=1\n");
    QTest::addRow("no files: Enter is OK and writes every key")
        << none << none << int(Qt::Key_Enter)
        << QByteArray("test_number=11\ntip=1\nremember=1\naccents=1\ncapitals=0\n") << QByteArray("update=1\n");
    QTest::addRow("switched off stays off, capitals on stays on")
        << off << QByteArray("update=0\n") << int(Qt::Key_Return) << QByteArray(off).replace("25", "26")
        << QByteArray("update=0\n");
    QTest::addRow("Escape stores nothing") << none << none << int(Qt::Key_Escape) << none << none;
}

void TestDialogs::settings_loadAndStore()
{
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, machine);
    QFETCH(int, key);
    QFETCH(QByteArray, userAfter);
    QFETCH(QByteArray, machineAfter);
    // The machine's file is the administrator's; a user's choice goes to the user's own configuration.
    const QString systemPath = env->systemFolder() + QStringLiteral("/settings.conf");
    if (!user.isNull())
        env->writeData(QStringLiteral("settings.conf"), user);
    if (!machine.isNull())
        QVERIFY(writeFile(systemPath, machine));

    dlgSettings dialog(nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // The test length has the focus, and a check box lets Enter through to OK.
    QCOMPARE(QApplication::focusWidget(), child<QSpinBox>(&dialog, "spbTestNumber"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child<QCheckBox>(&dialog, "chbUpdates"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(env->readData(QStringLiteral("settings.conf")), userAfter);
    QCOMPARE(readFile(env->configFolder() + QStringLiteral("/settings.conf")), machineAfter);
    QCOMPARE(readFile(systemPath), machine);
}

void TestDialogs::startup_lengthAndTipsOrUpdate_data()
{
    QTest::addColumn<QByteArray>("settings"); // null: no file
    QTest::addColumn<QByteArray>("reply");    // null: the service is down
    QTest::addColumn<QString>("shown");       // the test length, then the window that opens
    QTest::addRow("no settings file") << QByteArray() << QByteArray() << "0/10 tips";
    QTest::addRow("tip 0, length 0 raised to 1") << QByteArray("tip=0\ntest_number=0\n") << QByteArray() << "0/1 ";
    // tip=2 is not exactly 1; -5 read unsigned is past the maximum.
    QTest::addRow("tip 2, length -5 gives the maximum")
        << QByteArray("tip=2\ntest_number=-5\n") << QByteArray() << "0/10 000 ";
    QTest::addRow("newer version: update instead of tips")
        << QByteArray("test_number=25000\n") << QByteArray("{\"new_version\":1}") << "0/10 000 updates";
}

void TestDialogs::startup_lengthAndTipsOrUpdate()
{
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, reply);
    QFETCH(QString, shown);
    if (!settings.isNull())
        env->writeData(QStringLiteral("settings.conf"), settings);
    ReplyServer server(reply);
    if (!reply.isNull())
        useServer(server);
    MainWindow window;
    window.resize(700, 500);
    const auto seen = [&] {
        return child<QLabel>(&window, "lblNumber")->text().remove(QStringLiteral("Test number: ")) + ' ' +
               (window.findChild<dlgTips*>() ? "tips" : "") + (window.findChild<dlgUpdate*>() ? "updates" : "");
    };
    QTRY_COMPARE(seen(), shown);
    QTest::qWait(50);
    QCOMPARE(seen(), shown); // never both
}

void TestDialogs::tips_placedAndStoredForTheNextStart()
{
    // Halving -201 toward zero gives -100, not -101: the window stays on the centre.
    QCOMPARE(centredOver(QSize(800, 600), QSize(1001, 701), QSize(300, 210)), QPoint(250, 195));
    MainWindow window;
    QTRY_VERIFY(window.findChild<dlgTips*>());
    QPointer<dlgTips> tips = window.findChild<dlgTips*>();
    // Placed by the main window's first size, before it was shown or resized.
    const QSize workArea = QGuiApplication::primaryScreen()->availableGeometry().size();
    QCOMPARE(tips->geometry(), QRect(centredOver(workArea, QSize(600, 380), QSize(300, 210)), QSize(300, 210)));
    // Left unchecked, tips come back even after Settings switched them off, however the window goes.
    env->writeData(QStringLiteral("settings.conf"), "test_number=25\ntip=0\n");
    QTest::keyClick(tips, Qt::Key_Escape);
    QCOMPARE(env->readData(QStringLiteral("settings.conf")), QByteArray("test_number=25\ntip=1\n"));
    QTRY_VERIFY(tips.isNull());
}

void TestDialogs::update_yesOpensTheDownloadPageAndClosesTheProgram()
{
    ReplyServer server("{\"new_version\":1}");
    useServer(server);
    setTipsAtStart(false);
    MainWindow window;
    window.show();
    QTRY_VERIFY(window.findChild<dlgUpdate*>());
    QPointer<dlgUpdate> dialog = window.findChild<dlgUpdate*>();
    QTest::mouseClick(child<QPushButton>(dialog, "btnYes"), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull() && !window.isVisible());
    QCOMPARE(opened, QStringList{QStringLiteral("https://www.brindlecot.example/download")});
}

void TestDialogs::silentService_windowAnswersAndClosesAtOnce()
{
    // A service that takes the connection and never answers, as behind a captive portal.
    ReplyServer server{QByteArray(), QByteArray()};
    useServer(server);
    auto window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_COMPARE(server.requests(), 1);
    // The check is pending; the window answers, and the Tips window waits only so long.
    child<QAction>(window.get(), "acSettings")->trigger();
    QVERIFY(window->findChild<dlgSettings*>());
    QTRY_VERIFY_WITH_TIMEOUT(window->findChild<dlgTips*>(), 5000);
    QVERIFY(window->findChild<UpdateRequest*>()->isRunning());
    // The Update button takes the pending check over and stays off while it runs.
    child<QAction>(window.get(), "acUpdate")->trigger();
    QVERIFY(!child<QAction>(window.get(), "acUpdate")->isEnabled());
    QElapsedTimer clock;
    clock.start();
    window.reset();
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
