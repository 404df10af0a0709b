#include "app/mainwindow.h"
#include "platform/platform.h"
#include "settings/dlgsettings.h"
#include "settings/dlgtips.h"
#include "settings/settings.h"
#include "update/dlgupdate.h"
#include "update/updatecheck.h"
#include "update/updaterequest.h"

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
    void settings_newTestLengthReachesTheMainWindowOnce();
    void startup_lengthAndTipsOrUpdate_data();
    void startup_lengthAndTipsOrUpdate();
    void tips_placedAndStoredForTheNextStart();
    void update_answer_data();
    void update_answer();
    void actions_helpAndUpdate();
    void silentService_windowAnswersAndClosesAtOnce();
    void twoStartsOnOneDay_askOnce();
};

void TestDialogs::settings_loadAndStore_data()
{
    QTest::addColumn<QByteArray>("user"); // null: no file, before and after
    QTest::addColumn<QByteArray>("machine");
    QTest::addColumn<bool>("ok");       // false: closed without OK
    QTest::addColumn<QString>("shown"); // the spin box's text, then the checked boxes
    QTest::addColumn<QByteArray>("userAfter");
    QTest::addColumn<QByteArray>("machineAfter");
    const QByteArray none, on("update=1\n");
    QTest::addRow("no files: OK writes all three keys")
        << none << none << true << "10 updates tips" << QByteArray("test_number=10\ntip=1\n") << on;
    QTest::addRow("tip 2 shows checked and OK stores 1")
        << QByteArray("tip=2\n") << none << true << "10 updates tips" << QByteArray("tip=1\ntest_number=10\n") << on;
    QTest::addRow("switched off stays off")
        << QByteArray("test_number=25\ntip=0\n") << QByteArray("update=0\n") << true << "25"
        << QByteArray("test_number=25\ntip=0\n") << QByteArray("update=0\n");
    QTest::addRow("closed without OK") << none << none << false << "10 updates tips" << none << none;
}

void TestDialogs::settings_loadAndStore()
{
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, machine);
    QFETCH(bool, ok);
    QFETCH(QString, shown);
    QFETCH(QByteArray, userAfter);
    QFETCH(QByteArray, machineAfter);
    // The machine's file is the administrator's; a user's choice goes to the user's own configuration.
    const QString systemPath = env->systemFolder() + QStringLiteral("/settings.conf");
    if (!user.isNull())
        env->writeData(QStringLiteral("settings.conf"), user);
    if (!machine.isNull())
        QVERIFY(writeFile(systemPath, machine));

    dlgSettings dialog(nullptr);
    QSignalSpy spy(&dialog, &dlgSettings::valueChanged);
    auto* spin = child<QSpinBox>(&dialog, "spbTestNumber");
    QCOMPARE(spin->text() + (child<QCheckBox>(&dialog, "chbUpdates")->isChecked() ? " updates" : "") +
                 (child<QCheckBox>(&dialog, "chbTips")->isChecked() ? " tips" : ""),
             shown);
    if (ok)
        child<QPushButton>(&dialog, "btnOK")->click();
    else
        spin->setValue(2500), dialog.close(); // a change that only OK may store
    QCOMPARE(env->readData(QStringLiteral("settings.conf")), userAfter);
    QCOMPARE(readFile(env->configFolder() + QStringLiteral("/settings.conf")), machineAfter);
    QCOMPARE(readFile(systemPath), machine);
    QCOMPARE(spy.count() == 1 ? spy.at(0).at(0).toInt() : 0, ok ? spin->value() : 0);
}

void TestDialogs::settings_newTestLengthReachesTheMainWindowOnce()
{
    env->writeData(QStringLiteral("settings.conf"), "tip=0\n");
    MainWindow window;
    window.show();
    auto* number = child<QLabel>(&window, "lblNumber");
    // A second window must still be heard after the first one has been let go.
    for (const auto& [length, label] : {std::pair(2500, "Test number: 0/2 500"), std::pair(3, "Test number: 0/3")}) {
        child<QAction>(&window, "acSettings")->trigger();
        QPointer<dlgSettings> dialog = window.findChild<dlgSettings*>();
        QVERIFY(dialog && dialog->isModal());
        child<QSpinBox>(dialog, "spbTestNumber")->setValue(length);
        child<QPushButton>(dialog, "btnOK")->click();
        QCOMPARE(number->text(), QLatin1String(label));
        // The window reports once; what it sends while it goes away is not taken.
        QVERIFY(dialog);
        emit dialog->valueChanged(7);
        QCOMPARE(number->text(), QLatin1String(label));
        QTRY_VERIFY(dialog.isNull());
    }
}

void TestDialogs::startup_lengthAndTipsOrUpdate_data()
{
    QTest::addColumn<QByteArray>("settings"); // null: no file
    QTest::addColumn<QByteArray>("reply");    // null: the service is down
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("length");
    QTest::addRow("no settings file") << QByteArray() << QByteArray() << "tips"
                                      << "10";
    QTest::addRow("tip 0, length 0 raised to 1") << QByteArray("tip=0\ntest_number=0\n") << QByteArray() << ""
                                                 << "1";
    // tip=2 is not exactly 1; -5 read unsigned is past the maximum.
    QTest::addRow("tip 2, length -5 gives the maximum") << QByteArray("tip=2\ntest_number=-5\n") << QByteArray() << ""
                                                        << "10 000";
    QTest::addRow("newer version: update instead of tips")
        << QByteArray("test_number=25000\n") << QByteArray("{\"new_version\":1}") << "update"
        << "10 000";
}

void TestDialogs::startup_lengthAndTipsOrUpdate()
{
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, reply);
    QFETCH(QString, shown);
    QFETCH(QString, length);
    if (!settings.isNull())
        env->writeData(QStringLiteral("settings.conf"), settings);
    ReplyServer server(reply);
    if (!reply.isNull())
        useServer(server);
    MainWindow window;
    window.resize(700, 500);
    QCOMPARE(child<QLabel>(&window, "lblNumber")->text(), "Test number: 0/" + length);
    const auto dialogs = [&] {
        return QString(window.findChild<dlgTips*>() ? "tips" : "") + (window.findChild<dlgUpdate*>() ? "update" : "");
    };
    QTRY_COMPARE(dialogs(), shown);
    QTest::qWait(50);
    QCOMPARE(dialogs(), shown); // never both
    for (QDialog* dialog : window.findChildren<QDialog*>())
        QVERIFY(dialog->isModal() && dialog->testAttribute(Qt::WA_DeleteOnClose));
}

void TestDialogs::tips_placedAndStoredForTheNextStart()
{
    // Halving -201 toward zero gives -100, not -101: the window stays on the centre.
    QCOMPARE(tipsPosition(QSize(800, 600), QSize(1001, 701), QSize(300, 210)), QPoint(250, 195));
    QCOMPARE(tipsPosition(QSize(1024, 768), QSize(600, 1001), QSize(300, 210)), QPoint(362, 279));
    // Unchecked turns tips back on even after Settings switched them off; checked keeps them away.
    for (const bool doNotShowAgain : {false, true}) {
        MainWindow window;
        QTRY_VERIFY(window.findChild<dlgTips*>());
        QPointer<dlgTips> tips = window.findChild<dlgTips*>();
        // Placed by the main window's first size, before it was shown or resized.
        const QSize workArea = QGuiApplication::primaryScreen()->availableGeometry().size();
        QCOMPARE(tips->geometry(), QRect(tipsPosition(workArea, QSize(600, 380), QSize(300, 210)), QSize(300, 210)));
        env->writeData(QStringLiteral("settings.conf"), "test_number=25\ntip=0\n");
        child<QCheckBox>(tips, "chbDoNotShowAgain")->setChecked(doNotShowAgain);
        if (doNotShowAgain)
            QTest::keyClick(tips, Qt::Key_Escape); // stored however the window goes
        else
            tips->close();
        QCOMPARE(env->readData(QStringLiteral("settings.conf")),
                 QByteArray(doNotShowAgain ? "test_number=25\ntip=0\n" : "test_number=25\ntip=1\n"));
        QTRY_VERIFY(tips.isNull());
    }
    MainWindow next;
    QTest::qWait(100);
    QVERIFY(next.findChild<dlgTips*>() == nullptr);
}

void TestDialogs::update_answer_data()
{
    QTest::addColumn<QString>("button");
    QTest::addRow("Yes opens the download page and closes the program") << "btnYes";
    QTest::addRow("No closes only the window") << "btnNo";
}

void TestDialogs::update_answer()
{
    QFETCH(QString, button);
    const bool yes = button == QLatin1String("btnYes");
    ReplyServer server("{\"new_version\":1}");
    useServer(server);
    setSettingInt("tip", 0, SCOPE_USER);
    MainWindow window;
    window.show();
    QTRY_VERIFY(window.findChild<dlgUpdate*>());
    QPointer<dlgUpdate> dialog = window.findChild<dlgUpdate*>();
    QSignalSpy emitted(dialog.data(), &dlgUpdate::downloadUpdate);
    QTest::mouseClick(child<QPushButton>(dialog, qPrintable(button)), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(emitted.count(), yes ? 1 : 0);
    QCOMPARE(opened, yes ? QStringList{QStringLiteral("https://www.brindlecot.example/download")} : QStringList());
    QCOMPARE(window.isVisible(), !yes);
}

void TestDialogs::actions_helpAndUpdate()
{
    setSettingInt("tip", 0, SCOPE_USER);
    setSettingInt("update", 0, SCOPE_MACHINE);
    MainWindow window;
    window.show();
    // The toolbar, which holds Start, has no menu to hide it; every button says what it does.
    QVERIFY(window.createPopupMenu() == nullptr);
    for (QAction* action : window.findChildren<QAction*>(QRegularExpression("^ac")))
        QVERIFY2(!action->toolTip().isEmpty() && action->toolTip() != action->text(), qPrintable(action->text()));
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    QCOMPARE(opened, QStringList{env->workFolder() + QStringLiteral("/help/main.html")});
    QVERIFY(window.findChild<dlgUpdate*>() == nullptr);
    // The tests' service address is a closed port: the window says so.
    child<QAction>(&window, "acUpdate")->trigger();
    QTRY_VERIFY(window.findChild<dlgUpdate*>());
    QCOMPARE(child<QLabel>(window.findChild<dlgUpdate*>(), "lblLabel")->text(),
             QStringLiteral("Service is currently unavailable."));
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

void TestDialogs::twoStartsOnOneDay_askOnce()
{
    ReplyServer server("{\"new_version\":0}");
    useServer(server);
    setSettingInt("tip", 0, SCOPE_USER);
    for (int start = 0; start < 2; ++start) {
        MainWindow window;
        QTRY_VERIFY(!window.findChild<UpdateRequest*>()->isRunning());
    }
    QCOMPARE(server.requests(), 1);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
