#include "app/mainwindow.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "update/dlgupdate.h"
#include "update/updatecheck.h"

#include "replyserver.h"
#include "testenvironment.h"

#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QPushButton>

class TestUpdateWindow : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void modes_data();
    void modes();
    void yes_opensTheDownloadPageAndClosesTheProgram();
    void no_closesOnlyTheWindow();
    void startup_newVersionShowsUpdateInsteadOfTips_data();
    void startup_newVersionShowsUpdateInsteadOfTips();
    void updateAction_opensTheWindowForEveryResult();
};

namespace {

QStringList opened;
void recordOpened(const char16_t* target)
{
    opened << QString::fromUtf16(target);
}

template <typename T> T* child(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QLatin1String(name));
}

} // namespace

void TestUpdateWindow::modes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("yesShown");
    QTest::addColumn<QString>("noText");
    QTest::addColumn<int>("width");
    QTest::addColumn<QPoint>("noAt");
    QTest::addRow("latest") << 1 << "You are using the latest version of Brindlecot Quillora." << false << "OK" << 350
                            << QPoint(265, 50);
    QTest::addRow("new version") << 2 << "New version available. Would you like to download it." << true << "No"
                                 << 340 << QPoint(255, 50);
    QTest::addRow("unavailable") << 3 << "Service is currently unavailable." << false << "OK" << 340
                                 << QPoint(255, 50);
}

void TestUpdateWindow::modes()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(bool, yesShown);
    QFETCH(QString, noText);
    QFETCH(int, width);
    QFETCH(QPoint, noAt);
    QWidget parent;
    parent.resize(600, 380);
    dlgUpdate dialog(&parent, static_cast<unsigned short>(mode));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Update"));
    QCOMPARE(dialog.size(), QSize(width, 79));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    auto* label = child<QLabel>(&dialog, "lblLabel");
    QCOMPARE(label->text(), text);
    QVERIFY(label->fontMetrics().horizontalAdvance(text) <= width - label->x());
    QCOMPARE(child<QPushButton>(&dialog, "btnYes")->isVisible(), yesShown);
    QCOMPARE(child<QPushButton>(&dialog, "btnNo")->text(), noText);
    QCOMPARE(child<QPushButton>(&dialog, "btnNo")->pos(), noAt);
    if (yesShown)
        QCOMPARE(child<QPushButton>(&dialog, "btnYes")->pos(), QPoint(175, 50));
}

void TestUpdateWindow::yes_opensTheDownloadPageAndClosesTheProgram()
{
    ReplyServer server(R"({"new_version":1})");
    setUpdateBaseAddressForTesting(QStringLiteral("http://127.0.0.1:%1/u?p=").arg(server.port()));
    setSettingInt("tip", 0, SCOPE_USER);
    platform::setDocumentOpener(recordOpened);
    opened.clear();
    {
        MainWindow window;
        window.show();
        auto* dialog = window.findChild<dlgUpdate*>();
        QVERIFY(dialog);
        QSignalSpy emitted(dialog, &dlgUpdate::downloadUpdate);
        QTest::mouseClick(child<QPushButton>(dialog, "btnYes"), Qt::LeftButton);
        QCOMPARE(emitted.count(), 1);
        QCOMPARE(opened, QStringList{QStringLiteral("https://www.brindlecot.example/download")});
        QVERIFY(!window.isVisible());
    }
    platform::setDocumentOpener(nullptr);
    setUpdateBaseAddressForTesting(QString());
}

void TestUpdateWindow::no_closesOnlyTheWindow()
{
    ReplyServer server(R"({"new_version":1})");
    setUpdateBaseAddressForTesting(QStringLiteral("http://127.0.0.1:%1/u?p=").arg(server.port()));
    setSettingInt("tip", 0, SCOPE_USER);
    MainWindow window;
    window.show();
    QPointer<dlgUpdate> dialog = window.findChild<dlgUpdate*>();
    QVERIFY(dialog);
    QSignalSpy emitted(dialog.data(), &dlgUpdate::downloadUpdate);
    QTest::mouseClick(child<QPushButton>(dialog, "btnNo"), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(emitted.count(), 0);
    QVERIFY(window.isVisible());
    setUpdateBaseAddressForTesting(QString());
}

void TestUpdateWindow::startup_newVersionShowsUpdateInsteadOfTips_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("update");
    QTest::addColumn<bool>("tips");
    QTest::addRow("newer version") << QByteArray(R"({"new_version":1})") << true << false;
    QTest::addRow("nothing newer") << QByteArray(R"({"new_version":0})") << false << true;
    QTest::addRow("service down") << QByteArray() << false << true;
}

void TestUpdateWindow::startup_newVersionShowsUpdateInsteadOfTips()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, update);
    QFETCH(bool, tips);
    ReplyServer server(reply);
    if (!reply.isEmpty())
        setUpdateBaseAddressForTesting(QStringLiteral("http://127.0.0.1:%1/u?p=").arg(server.port()));
    MainWindow window;
    auto* dialog = window.findChild<dlgUpdate*>();
    QCOMPARE(dialog != nullptr, update);
    QCOMPARE(window.findChild<QDialog*>(QStringLiteral("dlgTips")) != nullptr, tips);
    if (dialog) {
        QVERIFY(dialog->isModal());
        QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
    }
    setUpdateBaseAddressForTesting(QString());
}

void TestUpdateWindow::updateAction_opensTheWindowForEveryResult()
{
    setSettingInt("tip", 0, SCOPE_USER);
    setSettingInt("update", 0, SCOPE_MACHINE);
    MainWindow window;
    window.show();
    QVERIFY(window.findChild<dlgUpdate*>() == nullptr);
    // The tests' service address is a closed port: the window says so.
    window.findChild<QAction*>(QStringLiteral("acUpdate"))->trigger();
    auto* dialog = window.findChild<dlgUpdate*>();
    QVERIFY(dialog);
    QCOMPARE(child<QLabel>(dialog, "lblLabel")->text(), QStringLiteral("Service is currently unavailable."));
}

QTEST_MAIN(TestUpdateWindow)
#include "tst_updatewindow.moc"
