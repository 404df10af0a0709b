#include "app/mainwindow.h"
#include "platform/platform.h"
#include "update/dlgabout.h"

#include "testenvironment.h"

#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

class TestAboutDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void about_fixedSizeWithACopyableAddress();
    void help_handsTheRelativePageToTheOpener();

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<MainWindow> window;
};

namespace {

QStringList opened;

void recordOpened(const char16_t* target)
{
    opened << QString::fromUtf16(target);
}

} // namespace

void TestAboutDialog::init()
{
    env = std::make_unique<TestEnvironment>();
    env->writeData(QStringLiteral("settings.conf"), "tip=0\n");
    window = std::make_unique<MainWindow>();
    window->show();
}

void TestAboutDialog::cleanup()
{
    window.reset();
    env.reset();
}

void TestAboutDialog::about_fixedSizeWithACopyableAddress()
{
    // Every trigger builds a fresh window on its About page.
    for (int round = 0; round < 2; ++round) {
        window->findChild<QAction*>(QStringLiteral("acAbout"))->trigger();
        QPointer<dlgAbout> about = window->findChild<dlgAbout*>();
        QVERIFY(about);
        QVERIFY(about->isModal());
        QCOMPARE(about->size(), QSize(370, 280));
        QCOMPARE(about->minimumSize(), QSize(370, 280));
        QCOMPARE(about->maximumSize(), QSize(370, 280));
        auto* tabs = about->findChild<QTabWidget*>(QStringLiteral("tabWidget"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabText(0), QStringLiteral("About"));
        QVERIFY(about->findChild<QLabel*>(QStringLiteral("label_5"))->openExternalLinks());

        auto* email = about->findChild<QLineEdit*>(QStringLiteral("leEmail"));
        const QString address = email->text();
        QVERIFY2(address.endsWith(QLatin1String(".example")), qPrintable(address));
        QTest::keyClick(email, Qt::Key_Backspace);
        QTest::keyClicks(email, QStringLiteral("x"));
        QCOMPARE(email->text(), address);
        email->selectAll();
        QCOMPARE(email->selectedText(), address);

        about->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        QTRY_VERIFY(about.isNull());
    }
}

void TestAboutDialog::help_handsTheRelativePageToTheOpener()
{
    platform::setDocumentOpener(recordOpened);
    window->findChild<QAction*>(QStringLiteral("acHelp"))->trigger();
    platform::setDocumentOpener(nullptr);
    QCOMPARE(opened, QStringList{QStringLiteral("help/main.html")});
}

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
