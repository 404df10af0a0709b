#include "text/formatcount.h"
#include "app/mainwindow.h"

#include "testenvironment.h"

#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QToolBar>

class TestMainWindow : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void formatCount_data();
    void formatCount();
    void startupTestLength_data();
    void startupTestLength();
    void freshWindow_waitsForStartWithItsToolbar();
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
    QTest::addColumn<QString>("length");
    QTest::addRow("no settings file") << QByteArray() << QStringLiteral("10");
    QTest::addRow("stored 25") << QByteArray("test_number=25\n") << QStringLiteral("25");
    QTest::addRow("0 gives 1") << QByteArray("test_number=0\n") << QStringLiteral("1");
    QTest::addRow("25000 gives 10000") << QByteArray("test_number=25000\n") << QStringLiteral("10 000");
    QTest::addRow("-5 gives 10000") << QByteArray("test_number=-5\n") << QStringLiteral("10 000");
    QTest::addRow("maximum kept") << QByteArray("test_number=10000\n") << QStringLiteral("10 000");
    QTest::addRow("unreadable value gives 10") << QByteArray("test_number=ten\n") << QStringLiteral("10");
}

void TestMainWindow::startupTestLength()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, length);
    if (!settings.isNull())
        env->writeData(QStringLiteral("settings.conf"), settings);
    MainWindow window;
    QCOMPARE(child<QLabel>(&window, "lblNumber")->text(), "Test number: 0/" + length);
}

void TestMainWindow::freshWindow_waitsForStartWithItsToolbar()
{
    MainWindow window;
    QCOMPARE(child<QLabel>(&window, "lblCorrect")->text(), QStringLiteral("Correct: 0"));
    QCOMPARE(child<QLabel>(&window, "lblWrong")->text(), QStringLiteral("Wrong: 0"));
    QVERIFY(!child<QWidget>(&window, "leInput")->isEnabled() && !child<QWidget>(&window, "btnAgain")->isEnabled());
    QVERIFY(child<QWidget>(&window, "lblHelp")->isHidden());
    QStringList order;
    for (QAction* action : child<QToolBar>(&window, "toolBar")->actions())
        order << (action->isSeparator() ? "|" : action->icon().pixmap(48, 48).isNull() ? "no image" : action->text());
    QCOMPARE(order.join(' '), QStringLiteral("Start | Dictionaries Statistics Settings | Help Update About"));
    for (const char* image : {"stop.png", "icon.png", "icon.ico"})
        QVERIFY2(!QPixmap(QStringLiteral(":/new/prefix1/") + QLatin1String(image)).isNull(), image);
}

void TestMainWindow::resize_placesWidgets_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QRect>>("geometries"); // score frame, result, input, Again, help
    QTest::addRow("600x380") << QSize(600, 380)
                             << QList<QRect>{{10, 10, 240, 70}, {10, 110, 580, 130}, {10, 255, 495, 31},
                                             {515, 255, 75, 30}, {20, 295, 320, 16}};
    QTest::addRow("800x500") << QSize(800, 500)
                             << QList<QRect>{{10, 10, 240, 70}, {10, 230, 780, 130}, {10, 375, 695, 31},
                                             {715, 375, 75, 30}, {20, 415, 320, 16}};
}

void TestMainWindow::resize_placesWidgets()
{
    QFETCH(QSize, size);
    QFETCH(QList<QRect>, geometries);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(size);
    QTRY_COMPARE(window.size(), size);
    QList<QRect> placed;
    for (const char* name : {"frmScore", "lblResult", "leInput", "btnAgain", "lblHelp"})
        placed << child<QWidget>(&window, name)->geometry();
    QCOMPARE(placed, geometries);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
