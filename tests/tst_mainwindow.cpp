#include "app/formatcount.h"
#include "app/mainwindow.h"
#include "settings/settings.h"

#include "testenvironment.h"

#include <QtTest>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QPushButton>
#include <QToolBar>

class TestMainWindow : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void formatCount_data();
    void formatCount();
    void startupTestLength_data();
    void startupTestLength();
    void freshWindow_showsFormAsDesigned();
    void toolbar_holdsActionsInOrderWithImages();
    void resize_placesWidgets_data();
    void resize_placesWidgets();

};

void TestMainWindow::formatCount_data()
{
    QTest::addColumn<quint32>("n");
    QTest::addColumn<QString>("expected");
    QTest::addRow("zero") << 0u << QStringLiteral("0");
    QTest::addRow("three digits") << 999u << QStringLiteral("999");
    QTest::addRow("four digits") << 1000u << QStringLiteral("1 000");
    QTest::addRow("four digits, largest") << 9999u << QStringLiteral("9 999");
    QTest::addRow("five digits") << 10000u << QStringLiteral("10 000");
    QTest::addRow("five digits, largest") << 99999u << QStringLiteral("99 999");
    QTest::addRow("six digits unchanged") << 123456u << QStringLiteral("123456");
    QTest::addRow("largest count unchanged") << 4294967295u << QStringLiteral("4294967295");
}

void TestMainWindow::formatCount()
{
    QFETCH(quint32, n);
    QFETCH(QString, expected);
    QCOMPARE(::formatCount(n), expected);
}

void TestMainWindow::startupTestLength_data()
{
    QTest::addColumn<QByteArray>("settings"); // null: no file
    QTest::addColumn<QString>("label");
    QTest::addRow("no settings file") << QByteArray() << QStringLiteral("Test number: 0/10");
    QTest::addRow("stored 25") << QByteArray("test_number=25\n") << QStringLiteral("Test number: 0/25");
    QTest::addRow("0 gives 1") << QByteArray("test_number=0\n") << QStringLiteral("Test number: 0/1");
    QTest::addRow("25000 gives 10000") << QByteArray("test_number=25000\n") << QStringLiteral("Test number: 0/10 000");
    QTest::addRow("-5 gives 10000") << QByteArray("test_number=-5\n") << QStringLiteral("Test number: 0/10 000");
    QTest::addRow("maximum kept") << QByteArray("test_number=10000\n") << QStringLiteral("Test number: 0/10 000");
    QTest::addRow("four digits spaced") << QByteArray("test_number=2500\n") << QStringLiteral("Test number: 0/2 500");
    QTest::addRow("unreadable value gives 10") << QByteArray("test_number=ten\n") << QStringLiteral("Test number: 0/10");
}

void TestMainWindow::startupTestLength()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, label);
    if (!settings.isNull())
        env->writeData(QStringLiteral("settings.conf"), settings);
    MainWindow window;
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblNumber"))->text(), label);
}

void TestMainWindow::freshWindow_showsFormAsDesigned()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.windowTitle(), QStringLiteral("Quillora"));
    QCOMPARE(window.size(), QSize(600, 380));
    QCOMPARE(window.minimumSize(), QSize(600, 380));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.locale(), QLocale(QLocale::English, QLocale::UnitedKingdom));
    QVERIFY(window.findChild<QMenuBar*>() == nullptr);
    QVERIFY(window.findChild<QStatusBar*>() == nullptr);

    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblCorrect"))->text(), QStringLiteral("Correct: 0"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblWrong"))->text(), QStringLiteral("Wrong: 0"));
    auto* input = window.findChild<QLineEdit*>(QStringLiteral("leInput"));
    QVERIFY(!input->isEnabled());
    QCOMPARE(input->maxLength(), 50);
    auto* again = window.findChild<QPushButton*>(QStringLiteral("btnAgain"));
    QVERIFY(!again->isEnabled());
    QCOMPARE(again->text(), QStringLiteral("Again"));
    auto* help = window.findChild<QLabel*>(QStringLiteral("lblHelp"));
    QVERIFY(help->isHidden());
    QCOMPARE(help->text(), QStringLiteral("Type text and press enter"));
    auto* result = window.findChild<QLabel*>(QStringLiteral("lblResult"));
    QCOMPARE(result->font().pointSize(), 32);
    QVERIFY(result->font().bold());
    QCOMPARE(window.findChild<QFrame*>(QStringLiteral("frmScore"))->frameShape(), QFrame::StyledPanel);
}

void TestMainWindow::toolbar_holdsActionsInOrderWithImages()
{
    MainWindow window;
    auto* toolBar = window.findChild<QToolBar*>(QStringLiteral("toolBar"));
    QVERIFY(toolBar);
    QCOMPARE(toolBar->iconSize(), QSize(48, 48));
    QCOMPARE(toolBar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(window.toolBarArea(toolBar), Qt::TopToolBarArea);

    QStringList order;
    for (QAction* action : toolBar->actions()) {
        if (action->isSeparator()) {
            order << QStringLiteral("|");
            continue;
        }
        order << action->text();
        QVERIFY2(!action->icon().isNull(), qPrintable(action->text()));
        QVERIFY(!action->icon().pixmap(48, 48).isNull());
    }
    QCOMPARE(order, (QStringList{"Start", "|", "Dictionaries", "Statistics", "Settings", "|", "Help", "Update",
                                 "About"}));
    for (const char* image : {"stop.png", "icon.png", "icon.ico"}) {
        const QPixmap pixmap(QStringLiteral(":/new/prefix1/") + QLatin1String(image));
        QVERIFY2(!pixmap.isNull(), image);
    }
}

void TestMainWindow::resize_placesWidgets_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QRect>("geometry");

    const QSize start(600, 380);
    QTest::addRow("600x380 result") << start << "lblResult" << QRect(10, 110, 580, 130);
    QTest::addRow("600x380 input") << start << "leInput" << QRect(10, 255, 495, 31);
    QTest::addRow("600x380 again") << start << "btnAgain" << QRect(515, 255, 75, 30);
    QTest::addRow("600x380 help") << start << "lblHelp" << QRect(20, 295, 320, 16);
    const QSize big(800, 500);
    QTest::addRow("800x500 result") << big << "lblResult" << QRect(10, 230, 780, 130);
    QTest::addRow("800x500 input") << big << "leInput" << QRect(10, 375, 695, 31);
    QTest::addRow("800x500 again") << big << "btnAgain" << QRect(715, 375, 75, 30);
    QTest::addRow("800x500 score") << big << "frmScore" << QRect(10, 10, 240, 70);
    QTest::addRow("800x500 help") << big << "lblHelp" << QRect(20, 415, 320, 16);
}

void TestMainWindow::resize_placesWidgets()
{
    QFETCH(QSize, size);
    QFETCH(QString, widget);
    QFETCH(QRect, geometry);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(size);
    QTRY_COMPARE(window.size(), size);
    QTRY_COMPARE(window.findChild<QWidget*>(widget)->geometry(), geometry);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
