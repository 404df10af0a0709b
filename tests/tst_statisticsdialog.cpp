#include "widgets/savedialog.h"
#include "statistics/dlgstatistics.h"
#include "statistics/report.h"
#include "statistics/threadcore.h"

#include "statisticsdata.h"
#include "testenvironment.h"

#include <QtTest>

#include <QCheckBox>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTextTable>

// The Statistics window over stored tests made in code.
class TestStatisticsDialog : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        dialog.reset();
        EnvironmentTest::cleanup();
    }
    void list_showAndDeleteDownToEmpty();
    void filters_data();
    void filters();
    void exportReport_data();
    void exportReport();
    void vanishedFile_keepsProcessingUntilBack();
    void closeDuringBuild_returnsStoppedAndNothingArrives();
    void longReport_looksAsTheWholeDocumentWould();

private:
    std::unique_ptr<dlgStatistics> dialog;

    void open(const StoredAnswers& answers, const QStringList& stamps = {"15.02.2026 10-00-00"});
    template <typename T> T* child(const char* name) const { return ::child<T>(dialog.get(), name); }
    void click(const char* name) { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }
    void doubleClick(int row);
    bool reportDone() const;
    QStringList shownWords() const;
    QString shown() const { return child<QTextBrowser>("tbStatistics")->toPlainText(); }
};

namespace {

const StoredAnswers MIXED{{"cat", true}, {"dog", false}, {"a & b", true}, {"Straße", false}};

QImage rendering(QTextDocument* document)
{
    QImage image(document->size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    document->drawContents(&painter);
    return image;
}

} // namespace

void TestStatisticsDialog::open(const StoredAnswers& answers, const QStringList& stamps)
{
    for (const QString& stamp : stamps)
        env->writeData("stat" + stamp + ".dat", statisticsBytes(answers));
    dialog = std::make_unique<dlgStatistics>();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
}

void TestStatisticsDialog::doubleClick(int row)
{
    auto* list = child<QListWidget>("lstwStatistics");
    const QPoint at = list->visualItemRect(list->item(row)).center();
    // A widget's double click event alone is taken for a first press.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// The result has arrived and the whole of it is on screen.
bool TestStatisticsDialog::reportDone() const
{
    return child<QStackedWidget>("stcWidget")->currentIndex() == 1 && !dialog->findChild<ThreadCore*>()->isRunning() &&
           child<QPushButton>("btnExportHTML")->isEnabled() && !dialog->findChild<QTimer*>("feedTimer")->isActive();
}

QStringList TestStatisticsDialog::shownWords() const
{
    QStringList words;
    for (QTextFrame* frame : child<QTextBrowser>("tbStatistics")->document()->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        for (int row = 0; table != nullptr && row < table->rows(); ++row)
            words << table->cellAt(row, 0).firstCursorPosition().block().text();
    }
    words.removeOne(QStringLiteral("Word"));
    return words;
}

void TestStatisticsDialog::list_showAndDeleteDownToEmpty()
{
    open(MIXED, {"15.02.2026 10-00-00", "01.03.2026 08-00-00", "31.12.2025 23-59-59"});
    auto* list = child<QListWidget>("lstwStatistics");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("01/03/2026 08:00:00"));
    QCOMPARE(list->item(2)->text(), QStringLiteral("31/12/2025 23:59:59"));
    doubleClick(1);
    QTRY_VERIFY(reportDone());
    QVERIFY(shown().startsWith("Tested: 15/02/2026 10:00:00\nCorrect: 2 / Wrong: 2 / Success rate: 50.0 %"));
    QCOMPARE(shownWords(), (QStringList{"cat", "dog", "a & b", "Straße"}));

    click("btnBackStatisticsList");
    for (int left = 2; left >= 0; --left) {
        click("btnDeleteStatistics");
        QCOMPARE(list->count(), left);
        QCOMPARE(QDir(env->dataFolder()).entryList(QDir::Files).size(), left);
    }
    click("btnDeleteStatistics");
    click("btnShowStatistics");
    QCOMPARE(child<QStackedWidget>("stcWidget")->currentIndex(), 0);
}

void TestStatisticsDialog::filters_data()
{
    QTest::addColumn<int>("answers");
    QTest::addColumn<QStringList>("boxesClicked");
    QTest::addColumn<bool>("wrongShown");
    QTest::addColumn<bool>("correctShown");
    QTest::addRow("wrong only") << 4 << QStringList{"chbCorrectFilter"} << true << false;
    QTest::addRow("correct only") << 4 << QStringList{"chbWrongFilter"} << false << true;
    QTest::addRow("neither: heading and empty table")
        << 4 << QStringList{"chbCorrectFilter", "chbWrongFilter"} << false << false;
    // The click stops the running build and starts one that agrees with the boxes.
    QTest::addRow("clicked during the build") << 8000 << QStringList{"chbCorrectFilter"} << true << false;
}

void TestStatisticsDialog::filters()
{
    QFETCH(int, answers);
    QFETCH(QStringList, boxesClicked);
    QFETCH(bool, wrongShown);
    QFETCH(bool, correctShown);
    const StoredAnswers stored = manyAnswers(answers, answers * 3 / 4);
    open(stored);
    doubleClick(0);
    for (const QString& box : boxesClicked)
        click(qPrintable(box));
    QTRY_VERIFY(reportDone());
    QStringList expected;
    for (const auto& answer : stored) {
        if (answer.second ? correctShown : wrongShown)
            expected << answer.first;
    }
    QCOMPARE(shownWords(), expected);
    QVERIFY(shown().contains(answers == 4 ? "Correct: 3 / Wrong: 1" : "Correct: 6000 / Wrong: 2000"));

    // A double click shows every row again, with both boxes checked.
    click("btnBackStatisticsList");
    doubleClick(0);
    QTRY_VERIFY(reportDone());
    QVERIFY(child<QCheckBox>("chbCorrectFilter")->isChecked() && child<QCheckBox>("chbWrongFilter")->isChecked());
    QCOMPARE(shownWords().size(), answers);
}

void TestStatisticsDialog::exportReport_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("written");
    QTest::addRow("over an earlier file") << "report.html" << true;
    QTest::addRow("save dialog cancelled") << QString() << false;
    // A file cannot stand in for a folder, not even for root.
    QTest::addRow("path that cannot be written") << "blocker/report.html" << false;
}

void TestStatisticsDialog::exportReport()
{
    QFETCH(QString, answer);
    QFETCH(bool, written);
    env->writeData("report.html", QByteArray(100000, 'x'));
    env->writeData("blocker", "not a folder");
    open(MIXED);
    doubleClick(0);
    click("chbWrongFilter");
    QTRY_VERIFY(reportDone());
    const QString before = child<QTextBrowser>("tbStatistics")->toHtml();
    SaveDialog::setNextSaveFileNameForTesting(answer.isEmpty() ? answer : env->dataFolder() + '/' + answer);
    click("btnExportHTML");
    QTRY_VERIFY(reportDone());
    QCOMPARE(child<QTextBrowser>("tbStatistics")->toHtml(), before);
    const QByteArray file = env->readData("report.html");
    QCOMPARE(file.startsWith("<!DOCTYPE html>"), written);
    if (!written)
        return;

    // The export form as the boxes filter it, in UTF-8, with two marks that decode as 16x26 images.
    QString expected;
    std::atomic<bool> stop{false};
    QVERIFY(buildReport(u"15.02.2026 10-00-00", FILTER_CORRECT, true, stop, &expected));
    QCOMPARE(file, expected.toUtf8());
    auto marks = QRegularExpression("base64,([A-Za-z0-9+/=]+)\"").globalMatch(QString::fromUtf8(file));
    int decoded = 0;
    for (; marks.hasNext(); ++decoded) {
        const QImage mark = QImage::fromData(QByteArray::fromBase64(marks.next().captured(1).toLatin1()), "PNG");
        QCOMPARE(mark.size(), QSize(16, 26));
        QCOMPARE(qAlpha(mark.pixel(8, 0)), 0); // the top is transparent
    }
    QCOMPARE(decoded, 2);
}

void TestStatisticsDialog::vanishedFile_keepsProcessingUntilBack()
{
    open(MIXED);
    QVERIFY(QFile::remove(env->dataFolder() + "/stat15.02.2026 10-00-00.dat"));
    click("btnShowStatistics");
    QTRY_VERIFY(!dialog->findChild<ThreadCore*>()->isRunning());
    QCoreApplication::processEvents();
    QCOMPARE(shown(), QStringLiteral("Processing..."));
    QVERIFY(!child<QPushButton>("btnExportHTML")->isEnabled());
    click("btnBackStatisticsList");
    QCOMPARE(child<QStackedWidget>("stcWidget")->currentIndex(), 0);
}

void TestStatisticsDialog::closeDuringBuild_returnsStoppedAndNothingArrives()
{
    open(manyAnswers(20000, 15000));
    doubleClick(0);
    QVERIFY(dialog->findChild<ThreadCore*>()->isRunning());
    dialog->close();
    QVERIFY(!dialog->findChild<ThreadCore*>()->isRunning());
    QCoreApplication::processEvents();
    QCOMPARE(shown(), QStringLiteral("Processing..."));
}

void TestStatisticsDialog::longReport_looksAsTheWholeDocumentWould()
{
    open(manyAnswers(400, 300));
    doubleClick(0);
    QTRY_VERIFY(reportDone());
    QCOMPARE(shownWords().size(), 400);
    QString html;
    std::atomic<bool> stop{false};
    QVERIFY(buildReport(u"15.02.2026 10-00-00", FILTER_ALL, false, stop, &html));
    QTextBrowser whole;
    whole.resize(child<QTextBrowser>("tbStatistics")->size());
    whole.setHtml(html);
    whole.show();
    QVERIFY(QTest::qWaitForWindowExposed(&whole));
    QTextDocument* sliced = child<QTextBrowser>("tbStatistics")->document();
    QCOMPARE(sliced->size(), whole.document()->size());
    QVERIFY(rendering(sliced) == rendering(whole.document()));
}

QTEST_MAIN(TestStatisticsDialog)
#include "tst_statisticsdialog.moc"
