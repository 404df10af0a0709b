#include "app/mainwindow.h"
#include "platform/platform.h"
#include "settings/dlgsettings.h"
#include "settings/dlgtips.h"
#include "settings/settings.h"
#include "update/dlgabout.h"
#include "update/dlgupdate.h"
#include "update/updatecheck.h"

#include "replyserver.h"
#include "testenvironment.h"

#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

namespace {

QStringList opened;
void recordOpened(const char16_t* target)
{
    opened << QString::fromUtf16(target);
}

void useServer(const ReplyServer& server)
{
    setUpdateBaseAddressForTesting(QStringLiteral("http://127.0.0.1:%1/u?p=").arg(server.port()));
}

} // namespace

// The Settings, Tips, About and Update windows, and the main window's side of them.
class TestDialogs : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        setUpdateBaseAddressForTesting(QString());
        platform::setDocumentOpener(nullptr);
        opened.clear();
        EnvironmentTest::cleanup();
    }
    void settings_loadAndStore_data();
    void settings_loadAndStore();
    void settings_newTestLengthReachesTheMainWindowOnce();
    void tips_position_data();
    void tips_position();
    void startup_showsTipsOrUpdate_data();
    void startup_showsTipsOrUpdate();
    void tips_closeStoresTheBox_data();
    void tips_closeStoresTheBox();
    void about_fixedSizeWithACopyableAddress();
    void help_handsTheRelativePageToTheOpener();
    void update_modes_data();
    void update_modes();
    void update_answer_data();
    void update_answer();
    void update_actionOpensTheWindowForEveryResult();
};

void TestDialogs::settings_loadAndStore_data()
{
    QTest::addColumn<QByteArray>("user"); // null: no file, before and after
    QTest::addColumn<QByteArray>("machine");
    QTest::addColumn<bool>("ok");       // false: closed without OK
    QTest::addColumn<QString>("shown"); // the spin box's text, then the checked boxes
    QTest::addColumn<QByteArray>("userAfter");
    QTest::addColumn<QByteArray>("machineAfter");
    QTest::addColumn<int>("emitted"); // 0: nothing

    const QByteArray none, on("update=1\n"), tipFirst("tip=1\ntest_number=10\n");
    const QString all = QStringLiteral(" updates tips");
    QTest::addRow("no files: OK writes all three keys")
        << none << none << true << "10" + all << QByteArray("test_number=10\ntip=1\n") << on << 10;
    QTest::addRow("stored 0 shows 1 and OK stores 1") << QByteArray("test_number=0\n") << none << true << "1" + all
                                                      << QByteArray("test_number=1\ntip=1\n") << on << 1;
    QTest::addRow("stored 20000 shows 10,000") << QByteArray("test_number=20000\n") << none << true << "10,000" + all
                                               << QByteArray("test_number=10000\ntip=1\n") << on << 10000;
    QTest::addRow("tip 2 shows checked and OK stores 1")
        << QByteArray("tip=2\n") << none << true << "10" + all << tipFirst << on << 10;
    QTest::addRow("switched off stays off") << QByteArray("test_number=25\ntip=0\n") << QByteArray("update=0\n") << true
                                            << QStringLiteral("25") << QByteArray("test_number=25\ntip=0\n")
                                            << QByteArray("update=0\n") << 25;
    QTest::addRow("closed without OK") << none << none << false << "10" + all << none << none << 0;
}

void TestDialogs::settings_loadAndStore()
{
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, machine);
    QFETCH(bool, ok);
    QFETCH(QString, shown);
    QFETCH(QByteArray, userAfter);
    QFETCH(QByteArray, machineAfter);
    QFETCH(int, emitted);
    const QString machinePath = env->machineFolder() + QStringLiteral("/settings.conf");
    if (!user.isNull())
        env->writeData(QStringLiteral("settings.conf"), user);
    if (!machine.isNull())
        QVERIFY(writeFile(machinePath, machine));

    dlgSettings dialog(nullptr);
    QSignalSpy spy(&dialog, &dlgSettings::valueChanged);
    dialog.show();
    auto* spin = child<QSpinBox>(&dialog, "spbTestNumber");
    QCOMPARE(spin->text() + (child<QCheckBox>(&dialog, "chbUpdates")->isChecked() ? " updates" : "") +
                 (child<QCheckBox>(&dialog, "chbTips")->isChecked() ? " tips" : ""),
             shown);
    if (ok) {
        child<QPushButton>(&dialog, "btnOK")->click();
    } else {
        spin->setValue(2500); // a change that only OK may store
        dialog.close();
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(env->readData(QStringLiteral("settings.conf")), userAfter);
    QCOMPARE(readFile(machinePath), machineAfter);
    QCOMPARE(spy.count(), emitted != 0 ? 1 : 0);
    if (emitted != 0)
        QCOMPARE(spy.at(0).at(0).toInt(), emitted);
}

void TestDialogs::settings_newTestLengthReachesTheMainWindowOnce()
{
    env->writeData(QStringLiteral("settings.conf"), "tip=0\n");
    MainWindow window;
    window.show();
    auto* number = child<QLabel>(&window, "lblNumber");
    auto* correct = child<QLabel>(&window, "lblCorrect");
    auto* result = child<QLabel>(&window, "lblResult");
    auto* input = child<QLineEdit>(&window, "leInput");

    // A second window must still be heard after the first one has been let go.
    for (const auto& [length, label] : {std::pair(2500, "Test number: 0/2 500"), std::pair(3, "Test number: 0/3")}) {
        correct->setText(QStringLiteral("Correct: 4"));
        result->setText(QStringLiteral("<p align='center'>OK</p>"));
        input->setText(QStringLiteral("cat"));
        child<QLabel>(&window, "lblHelp")->show();

        child<QAction>(&window, "acSettings")->trigger();
        QPointer<dlgSettings> dialog = window.findChild<dlgSettings*>();
        QVERIFY(dialog && dialog->isModal());
        child<QSpinBox>(dialog, "spbTestNumber")->setValue(length);
        child<QPushButton>(dialog, "btnOK")->click();
        QCOMPARE(number->text(), QLatin1String(label));
        QCOMPARE(correct->text(), QStringLiteral("Correct: 0"));
        QVERIFY(result->text().isEmpty() && input->text().isEmpty() && child<QLabel>(&window, "lblHelp")->isHidden());

        // The window reports once; what it sends while it goes away is not taken.
        QVERIFY(dialog);
        emit dialog->valueChanged(7);
        QCOMPARE(number->text(), QLatin1String(label));
        QTRY_VERIFY(dialog.isNull());
    }
}

void TestDialogs::tips_position_data()
{
    QTest::addColumn<QSize>("workArea");
    QTest::addColumn<QSize>("mainWindow");
    QTest::addColumn<QPoint>("expected");
    QTest::addRow("main window at its first size") << QSize(1024, 768) << QSize(600, 380) << QPoint(362, 279);
    // Halving -201 toward zero gives -100, not -101: the window stays on the centre.
    QTest::addRow("main window larger than the work area") << QSize(800, 600) << QSize(1001, 701) << QPoint(250, 195);
    QTest::addRow("main window taller than the work area") << QSize(1024, 768) << QSize(600, 1001) << QPoint(362, 279);
}

void TestDialogs::tips_position()
{
    QFETCH(QSize, workArea);
    QFETCH(QSize, mainWindow);
    QFETCH(QPoint, expected);
    QCOMPARE(tipsPosition(workArea, mainWindow, QSize(300, 210)), expected);
}

void TestDialogs::startup_showsTipsOrUpdate_data()
{
    QTest::addColumn<QByteArray>("settings"); // null: no file
    QTest::addColumn<QByteArray>("reply");    // null: the service is down
    QTest::addColumn<QString>("shown");
    const QByteArray down, newer(R"({"new_version":1})");
    QTest::addRow("no settings file") << QByteArray() << down << "tips";
    QTest::addRow("tip 1") << QByteArray("test_number=5\ntip=1\n") << down << "tips";
    QTest::addRow("tip 0") << QByteArray("tip=0\n") << down << "";
    QTest::addRow("tip 2 is not exactly 1") << QByteArray("tip=2\n") << down << "";
    QTest::addRow("unreadable tip reads as 1") << QByteArray("tip=on\n") << down << "tips";
    QTest::addRow("newer version: update instead of tips") << QByteArray() << newer << "update";
    QTest::addRow("nothing newer") << QByteArray() << QByteArray(R"({"new_version":0})") << "tips";
}

void TestDialogs::startup_showsTipsOrUpdate()
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
    auto* tips = window.findChild<dlgTips*>();
    auto* update = window.findChild<dlgUpdate*>();
    QCOMPARE(QString(tips ? "tips" : update ? "update" : ""), shown);
    QVERIFY(!tips || !update);
    if (update)
        QVERIFY(update->isModal() && update->testAttribute(Qt::WA_DeleteOnClose));
    if (!tips)
        return;
    QVERIFY(tips->isVisible() && tips->isModal() && tips->testAttribute(Qt::WA_DeleteOnClose));
    // Placed by the main window's first size, before it was shown or resized.
    const QSize workArea = QGuiApplication::primaryScreen()->availableGeometry().size();
    QCOMPARE(tips->geometry(), QRect(tipsPosition(workArea, QSize(600, 380), QSize(300, 210)), QSize(300, 210)));
}

void TestDialogs::tips_closeStoresTheBox_data()
{
    QTest::addColumn<bool>("doNotShowAgain");
    QTest::addColumn<QByteArray>("before"); // the file as it is while the window is open; null: none
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("shownNextStart");
    QTest::addRow("do not show again") << true << QByteArray() << QByteArray("tip=0\n") << false;
    QTest::addRow("left unchecked") << false << QByteArray() << QByteArray("tip=1\n") << true;
    QTest::addRow("unchecked turns tips back on after Settings switched them off")
        << false << QByteArray("test_number=25\ntip=0\n") << QByteArray("test_number=25\ntip=1\n") << true;
}

void TestDialogs::tips_closeStoresTheBox()
{
    QFETCH(bool, doNotShowAgain);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(bool, shownNextStart);
    {
        MainWindow window;
        QPointer<dlgTips> tips = window.findChild<dlgTips*>();
        QVERIFY(tips);
        if (!before.isNull())
            env->writeData(QStringLiteral("settings.conf"), before);
        child<QCheckBox>(tips, "chbDoNotShowAgain")->setChecked(doNotShowAgain);
        tips->close();
        QCOMPARE(env->readData(QStringLiteral("settings.conf")), after);
        QTRY_VERIFY(tips.isNull());
    }
    MainWindow next;
    QCOMPARE(next.findChild<dlgTips*>() != nullptr, shownNextStart);
}

void TestDialogs::about_fixedSizeWithACopyableAddress()
{
    env->writeData(QStringLiteral("settings.conf"), "tip=0\n");
    MainWindow window;
    window.show();
    child<QAction>(&window, "acAbout")->trigger();
    QPointer<dlgAbout> about = window.findChild<dlgAbout*>();
    QVERIFY(about && about->isModal());
    QCOMPARE(about->minimumSize(), QSize(370, 280));
    QCOMPARE(about->maximumSize(), QSize(370, 280));
    auto* email = child<QLineEdit>(about, "leEmail");
    const QString address = email->text();
    QVERIFY2(address.endsWith(QLatin1String(".example")), qPrintable(address));
    QTest::keyClick(email, Qt::Key_Backspace);
    QTest::keyClicks(email, QStringLiteral("x"));
    QCOMPARE(email->text(), address);
    email->selectAll();
    QCOMPARE(email->selectedText(), address);
    child<QPushButton>(about, "btnOK")->click();
    QTRY_VERIFY(about.isNull());
}

void TestDialogs::help_handsTheRelativePageToTheOpener()
{
    env->writeData(QStringLiteral("settings.conf"), "tip=0\n");
    MainWindow window;
    platform::setDocumentOpener(recordOpened);
    child<QAction>(&window, "acHelp")->trigger();
    QCOMPARE(opened, QStringList{QStringLiteral("help/main.html")});
}

void TestDialogs::update_modes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("yesShown");
    QTest::addColumn<QString>("noText");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("noAt");
    QTest::addRow("latest")
        << 1 << "You are using the latest version of Brindlecot Quillora." << false << "OK" << 350 << 265;
    QTest::addRow("new version")
        << 2 << "New version available. Would you like to download it." << true << "No" << 340 << 255;
    QTest::addRow("unavailable") << 3 << "Service is currently unavailable." << false << "OK" << 340 << 255;
}

void TestDialogs::update_modes()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(bool, yesShown);
    QFETCH(QString, noText);
    QFETCH(int, width);
    QFETCH(int, noAt);
    QWidget parent;
    parent.resize(600, 380);
    dlgUpdate dialog(&parent, static_cast<unsigned short>(mode));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), QSize(width, 79));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    auto* label = child<QLabel>(&dialog, "lblLabel");
    QCOMPARE(label->text(), text);
    QVERIFY(label->fontMetrics().horizontalAdvance(text) <= width - label->x());
    QCOMPARE(child<QPushButton>(&dialog, "btnNo")->text(), noText);
    QCOMPARE(child<QPushButton>(&dialog, "btnNo")->pos(), QPoint(noAt, 50));
    QCOMPARE(child<QPushButton>(&dialog, "btnYes")->isVisible(), yesShown);
    if (yesShown)
        QCOMPARE(child<QPushButton>(&dialog, "btnYes")->pos(), QPoint(175, 50));
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
    ReplyServer server(R"({"new_version":1})");
    useServer(server);
    setSettingInt("tip", 0, SCOPE_USER);
    platform::setDocumentOpener(recordOpened);
    MainWindow window;
    window.show();
    QPointer<dlgUpdate> dialog = window.findChild<dlgUpdate*>();
    QVERIFY(dialog);
    QSignalSpy emitted(dialog.data(), &dlgUpdate::downloadUpdate);
    QTest::mouseClick(child<QPushButton>(dialog, qPrintable(button)), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(emitted.count(), yes ? 1 : 0);
    QCOMPARE(opened, yes ? QStringList{QStringLiteral("https://www.brindlecot.example/download")} : QStringList());
    QCOMPARE(window.isVisible(), !yes);
}

void TestDialogs::update_actionOpensTheWindowForEveryResult()
{
    setSettingInt("tip", 0, SCOPE_USER);
    setSettingInt("update", 0, SCOPE_MACHINE);
    MainWindow window;
    window.show();
    QVERIFY(window.findChild<dlgUpdate*>() == nullptr);
    // The tests' service address is a closed port: the window says so.
    child<QAction>(&window, "acUpdate")->trigger();
    auto* dialog = window.findChild<dlgUpdate*>();
    QVERIFY(dialog);
    QCOMPARE(child<QLabel>(dialog, "lblLabel")->text(), QStringLiteral("Service is currently unavailable."));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
