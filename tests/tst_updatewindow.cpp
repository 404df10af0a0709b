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
    void cleanup();
    void modes_data();
    void modes();
    void answer_data();
    void answer();
    void startup_newVersionShowsUpdateInsteadOfTips_data();
    void startup_newVersionShowsUpdateInsteadOfTips();
    void updateAction_opensTheWindowForEveryResult();
};

namespace {

QStringList opened;

void useServer(const ReplyServer& server)
{
    setUpdateBaseAddressForTesting(QStringLiteral("http://127.0.0.1:%1/u?p=").arg(server.port()));
}

} // namespace

void TestUpdateWindow::cleanup()
{
    setUpdateBaseAddressForTesting(QString());
    platform::setDocumentOpener(nullptr);
    EnvironmentTest::cleanup();
}

void TestUpdateWindow::modes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("yesShown");
    QTest::addColumn<QString>("noText");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("noAt");
    QTest::addRow("latest") << 1 << "You are using the latest version of Brindlecot Quillora." << false << "OK" << 350 << 265;
    QTest::addRow("new version") << 2 << "New version available. Would you like to download it." << true << "No" << 340 << 255;
    QTest::addRow("unavailable") << 3 << "Service is currently unavailable." << false << "OK" << 340 << 255;
}

void TestUpdateWindow::modes()
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

void TestUpdateWindow::answer_data()
{
    QTest::addColumn<QString>("button");
    QTest::addRow("Yes opens the download page and closes the program") << "btnYes";
    QTest::addRow("No closes only the window") << "btnNo";
}

void TestUpdateWindow::answer()
{
    QFETCH(QString, button);
    const bool yes = button == QLatin1String("btnYes");
    ReplyServer server(R"({"new_version":1})");
    useServer(server);
    setSettingInt("tip", 0, SCOPE_USER);
    opened.clear();
    platform::setDocumentOpener([](const char16_t* target) { opened << QString::fromUtf16(target); });
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

void TestUpdateWindow::startup_newVersionShowsUpdateInsteadOfTips_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("update");
    QTest::addRow("newer version") << QByteArray(R"({"new_version":1})") << true;
    QTest::addRow("nothing newer") << QByteArray(R"({"new_version":0})") << false;
    QTest::addRow("service down") << QByteArray() << false;
}

void TestUpdateWindow::startup_newVersionShowsUpdateInsteadOfTips()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, update);
    ReplyServer server(reply);
    if (!reply.isEmpty())
        useServer(server);
    MainWindow window;
    auto* dialog = window.findChild<dlgUpdate*>();
    QCOMPARE(dialog != nullptr, update);
    QCOMPARE(window.findChild<QDialog*>(QStringLiteral("dlgTips")) != nullptr, !update);
    if (dialog)
        QVERIFY(dialog->isModal() && dialog->testAttribute(Qt::WA_DeleteOnClose));
}

void TestUpdateWindow::updateAction_opensTheWindowForEveryResult()
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

QTEST_MAIN(TestUpdateWindow)
#include "tst_updatewindow.moc"
