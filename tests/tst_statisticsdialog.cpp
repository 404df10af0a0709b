#include "statistics/dlgstatistics.h"
#include "statistics/report.h"
#include "statistics/threadcore.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"

#include "statisticsdata.h"
#include "testenvironment.h"

#include <QtTest>

#include <QCheckBox>
#include <QListWidget>
#include <QTextBrowser>
#include <QTextTable>

// The Statistics window over stored tests made in code.
class TestStatisticsDialog : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::collectForTesting(); }
    void storedTests_listedShownFilteredExportedAndDeleted();
    void longBuild_stopsForAFilterClickAndOnClosing();
    void keysAlone_showFilterDeleteAndClose();

private:
    dlgStatistics* dialog = nullptr; // each test's own, gone before its files

    template <typename T> T* child(const char* name) const { return ::child<T>(dialog, name); }
    void click(const char* name) { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }
    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    bool building() const { return dialog->findChild<ThreadCore*>()->isRunning(); }
    QString shown() const { return child<QTextBrowser>("tbStatistics")->toPlainText(); }

    bool wholeReportShown() const
    {
        return !building() && child<QWidget>("btnExportHTML")->isEnabled() && !child<QTimer>("feedTimer")->isActive();
    }
    bool clickThenWait(const char* name)
    {
        return click(name), QTest::qWaitFor([this] { return wholeReportShown(); }, 30000); // slow under sanitizers
    }

    QStringList shownWords() const
    {
        QStringList words;
        for (QTextBlock b = child<QTextBrowser>("tbStatistics")->document()->begin(); b.isValid(); b = b.next())
            if (QTextTable* table = QTextCursor(b).currentTable(); table && table->cellAt(b.position()).column() == 0)
                words << b.text();
        return words.mid(1); // past the heading
    }
};

void TestStatisticsDialog::storedTests_listedShownFilteredExportedAndDeleted()
{
    const StoredAnswers mixed{{"cat", true}, {"dog", false}, {"a & b", true}, {"Straße", false}};
    const QByteArray earlier(100000, 'x'); // longer than an export, so that a write in place would show
    env->writeData("report.html", earlier);
    env->writeData("blocker", "not a folder");
    for (const char* stamp : {"15.02.2026 10-00-00", "01.03.2026 08-00-00", "31.12.2025 23-59-59"})
        env->writeData(QStringLiteral("stat%1.dat").arg(stamp), statisticsBytes(mixed));
    dlgStatistics window;
    dialog = &window;
    window.show();
    auto* list = child<QListWidget>("lstwStatistics");
    QCOMPARE(list->currentItem()->text(), QStringLiteral("01/03/2026 08:00:00"));
    // A widget's double click event alone is taken for a first press.
    const QPoint at = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTRY_VERIFY(wholeReportShown());
    QVERIFY(shown().startsWith("Tested: 15/02/2026 10:00:00\nCorrect: 2 / Wrong: 2 / Success rate: 50.0 %"));
    QCOMPARE(shownWords(), (QStringList{"cat", "dog", "a & b", "Straße"}));
    QVERIFY(clickThenWait("chbCorrectFilter"));
    QCOMPARE(shownWords(), (QStringList{"dog", "Straße"}));

    // Cancelled, then under a file, which not even root can write, then over the earlier file, named without
    // its suffix. While the export is built the filter boxes, which would restart the build, are off.
    for (const char* name : {"", "/blocker/report.html", "/report"}) {
        QCOMPARE(env->readData("report.html"), earlier);
        FileDialog::answerNextForTesting(*name != 0 ? env->dataFolder() + name : QString());
        click("btnExportHTML");
        QCOMPARE(child<QWidget>("chbWrongFilter")->isEnabled(), *name == 0);
        QTRY_VERIFY(wholeReportShown() && child<QWidget>("chbWrongFilter")->isEnabled());
    }
    QCOMPARE(MessageBox::takeCollected(),
             QStringList("The report was not saved: " + env->dataFolder() + "/blocker/report.html cannot be written."));
    // The export form as the boxes filter it, in UTF-8.
    QString expected;
    std::atomic<bool> stop{false};
    QVERIFY(buildReport(u"15.02.2026 10-00-00", FILTER_WRONG, true, stop, &expected));
    QCOMPARE(env->readData("report.html"), expected.toUtf8());

    click("btnBackStatisticsList");
    for (int left = 2; left >= 0; --left) { // down to empty; a second click after a delete deletes nothing
        list->setCurrentRow(0);
        click("btnDeleteStatistics");
        click("btnDeleteStatistics");
        QCOMPARE(list->count(), left);
        QCOMPARE(QDir(env->dataFolder()).entryList({"stat*"}).size(), left);
    }
}

// A filter click stops the running build and starts one that agrees with the boxes; long reports come in slices.
void TestStatisticsDialog::longBuild_stopsForAFilterClickAndOnClosing()
{
    env->writeData("stat15.02.2026 10-00-00.dat", statisticsBytes(manyAnswers(8000, 6000)));
    dlgStatistics window;
    dialog = &window;
    window.show();
    click("btnShowStatistics");
    QVERIFY(building());
    QVERIFY(clickThenWait("chbWrongFilter"));
    QVERIFY(shownWords().size() == 6000 && shownWords().last() == "w5999");

    // Closed during a build: the build is stopped by then, and its result never arrives.
    click("chbWrongFilter");
    window.close();
    QVERIFY(!building());
    QCoreApplication::processEvents();
    QCOMPARE(shown(), QStringLiteral("Processing..."));
}

// The window from the keyboard alone: the list, Enter for the report, the filter boxes by mnemonic and Space,
// Back, the Delete key and the Delete button's mnemonic, then Escape.
void TestStatisticsDialog::keysAlone_showFilterDeleteAndClose()
{
    const StoredAnswers mixed{{"cat", true}, {"dog", false}, {"Straße", false}};
    for (const char* stamp : {"15.02.2026 10-00-00", "01.03.2026 08-00-00", "31.12.2025 23-59-59"})
        env->writeData(QStringLiteral("stat%1.dat").arg(stamp), statisticsBytes(mixed));
    dlgStatistics window;
    dialog = &window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* list = child<QListWidget>("lstwStatistics");
    QCOMPARE(QApplication::focusWidget(), list);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(wholeReportShown(), 30000);
    QVERIFY(shown().startsWith("Tested: 15/02/2026 10:00:00\n"));

    // A mnemonic puts the focus on its box and clicks it a moment later; Space clicks the box with the focus.
    const struct
    {
        QVector<int> keys;
        const char* box;
        bool ticked;
        QStringList words;
    } filterings[] = {{{Qt::Key_C | Qt::ALT}, "chbCorrectFilter", false, {"dog", "Straße"}},
                      {{Qt::Key_W | Qt::ALT}, "chbWrongFilter", false, {}},
                      {{Qt::Key_Backtab, Qt::Key_Space}, "chbCorrectFilter", true, {"cat"}}};
    for (const auto& filtering : filterings) {
        for (int k : filtering.keys)
            key(k & ~Qt::KeyboardModifierMask, Qt::KeyboardModifiers(k & Qt::KeyboardModifierMask));
        auto* box = child<QCheckBox>(filtering.box);
        QTRY_VERIFY_WITH_TIMEOUT(box->isChecked() == filtering.ticked && wholeReportShown(), 30000);
        QCOMPARE(shownWords(), filtering.words);
    }
    QCOMPARE(QApplication::focusWidget(), child<QWidget>("chbCorrectFilter"));

    // Back to the list at the test shown: the Delete key deletes it, the Delete button's mnemonic the first.
    key(Qt::Key_B, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), list);
    key(Qt::Key_Delete);
    QCOMPARE(list->count(), 2);
    key(Qt::Key_Home);
    key(Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(list->count(), 1);
    QCOMPARE(QDir(env->dataFolder()).entryList({"stat*"}), QStringList("stat31.12.2025 23-59-59.dat"));
    key(Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(TestStatisticsDialog)
#include "tst_statisticsdialog.moc"
