#include "app/mainwindow.h"
#include "settings/dlgtips.h"

#include "testenvironment.h"

#include <QtTest>

#include <QCheckBox>
#include <QScreen>

class TestTipsDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void position_data();
    void position();
    void startup_data();
    void startup();
    void close_data();
    void close();

private:
    std::unique_ptr<TestEnvironment> env;
};

void TestTipsDialog::init()
{
    env = std::make_unique<TestEnvironment>();
}

void TestTipsDialog::cleanup()
{
    env.reset();
}

void TestTipsDialog::position_data()
{
    QTest::addColumn<QSize>("workArea");
    QTest::addColumn<QSize>("mainWindow");
    QTest::addColumn<QPoint>("expected");

    QTest::addRow("main window at its first size") << QSize(1024, 768) << QSize(600, 380) << QPoint(362, 279);
    QTest::addRow("odd differences truncated") << QSize(1025, 769) << QSize(601, 381) << QPoint(362, 279);
    // Halving -201 toward zero gives -100, not -101: the window stays on the centre.
    QTest::addRow("main window larger than the work area") << QSize(800, 600) << QSize(1001, 701) << QPoint(250, 195);
    QTest::addRow("main window taller than the work area") << QSize(1024, 768) << QSize(600, 1001) << QPoint(362, 279);
    QTest::addRow("work area smaller than the window") << QSize(200, 100) << QSize(600, 380) << QPoint(-50, -55);
}

void TestTipsDialog::position()
{
    QFETCH(QSize, workArea);
    QFETCH(QSize, mainWindow);
    QFETCH(QPoint, expected);
    QCOMPARE(tipsPosition(workArea, mainWindow, QSize(300, 210)), expected);
}

void TestTipsDialog::startup_data()
{
    QTest::addColumn<QByteArray>("settings"); // null: no file
    QTest::addColumn<bool>("shown");

    QTest::addRow("no settings file") << QByteArray() << true;
    QTest::addRow("tip 1") << QByteArray("test_number=5\ntip=1\n") << true;
    QTest::addRow("tip 0") << QByteArray("tip=0\n") << false;
    QTest::addRow("tip 2 is not exactly 1") << QByteArray("tip=2\n") << false;
    QTest::addRow("tip -1") << QByteArray("tip=-1\n") << false;
    QTest::addRow("unreadable tip reads as 1") << QByteArray("tip=on\n") << true;
}

void TestTipsDialog::startup()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, shown);
    if (!settings.isNull())
        env->writeData(QStringLiteral("settings.conf"), settings);

    MainWindow window;
    window.resize(700, 500);
    auto* tips = window.findChild<dlgTips*>();
    QCOMPARE(tips != nullptr, shown);
    if (!shown)
        return;
    QVERIFY(tips->isVisible());
    QVERIFY(tips->isModal());
    QVERIFY(tips->testAttribute(Qt::WA_DeleteOnClose));
    // Placed by the window's first size, before it was shown or resized.
    const QSize workArea = QGuiApplication::primaryScreen()->availableGeometry().size();
    QCOMPARE(tips->geometry(), QRect(tipsPosition(workArea, QSize(600, 380), QSize(300, 210)), QSize(300, 210)));
}

void TestTipsDialog::close_data()
{
    QTest::addColumn<bool>("doNotShowAgain");
    QTest::addColumn<QByteArray>("before"); // the file as it is while the window is open; null: none
    QTest::addColumn<bool>("escape");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("shownNextStart");

    QTest::addRow("do not show again") << true << QByteArray() << false << QByteArray("tip=0\n") << false;
    QTest::addRow("left unchecked") << false << QByteArray() << false << QByteArray("tip=1\n") << true;
    QTest::addRow("unchecked turns tips back on after Settings switched them off")
        << false << QByteArray("test_number=25\ntip=0\n") << false << QByteArray("test_number=25\ntip=1\n") << true;
    QTest::addRow("Escape writes nothing") << true << QByteArray() << true << QByteArray() << true;
}

void TestTipsDialog::close()
{
    QFETCH(bool, doNotShowAgain);
    QFETCH(QByteArray, before);
    QFETCH(bool, escape);
    QFETCH(QByteArray, after);
    QFETCH(bool, shownNextStart);

    {
        MainWindow window;
        QPointer<dlgTips> tips = window.findChild<dlgTips*>();
        QVERIFY(tips);
        if (!before.isNull())
            env->writeData(QStringLiteral("settings.conf"), before);
        tips->findChild<QCheckBox*>(QStringLiteral("chbDoNotShowAgain"))->setChecked(doNotShowAgain);
        if (escape)
            QTest::keyClick(tips, Qt::Key_Escape);
        else
            tips->close();
        QVERIFY(!tips || !tips->isVisible());
        QCOMPARE(env->readData(QStringLiteral("settings.conf")), after);
        if (!escape)
            QTRY_VERIFY(tips.isNull());
    }
    MainWindow next;
    QCOMPARE(next.findChild<dlgTips*>() != nullptr, shownNextStart);
}

QTEST_MAIN(TestTipsDialog)
#include "tst_tipsdialog.moc"
