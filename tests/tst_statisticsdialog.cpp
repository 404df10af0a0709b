#include "app/savedialog.h"
#include "statistics/dlgstatistics.h"
#include "statistics/report.h"
#include "statistics/threadcore.h"

#include "statisticsdata.h"
#include "testenvironment.h"

#include <QtTest>

#include <QCheckBox>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTextTable>

// The Statistics window over stored tests made in code.
class TestStatisticsDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opens_newestFirst_andShowsOneOnDoubleClick();
    void filters_data();
    void filters();
    void filterClickDuringBuild_showsTheNewFilter();
    void export_writesTheFilteredExportForm();
    void export_notWritten_data();
    void export_notWritten();
    void delete_downToAnEmptyList();
    void vanishedFile_keepsProcessingUntilBack();
    void closeDuringBuild_returnsStoppedAndNothingArrives();
    void longReport_looksAsTheWholeDocumentWould();
    void resize_placesWidgets_data();
    void resize_placesWidgets();

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<dlgStatistics> dialog;

    void store(const QString& stamp, const StoredAnswers& answers);
    void open();
    template <typename T> T* child(const char* name) const { return dialog->findChild<T*>(QLatin1String(name)); }
    ThreadCore* builder() const { return dialog->findChild<ThreadCore*>(); }
    void doubleClick(int row);
    bool reportDone() const;
    QStringList shownWords() const;
    QString shownText() const { return child<QTextBrowser>("tbStatistics")->toPlainText(); }
};

namespace {

const StoredAnswers MIXED{{"cat", true}, {"dog", false}, {"a & b", true}, {"Straße", false}};

StoredAnswers manyAnswers(int count)
{
    StoredAnswers answers;
    for (int i = 0; i < count; ++i)
        answers << qMakePair(QStringLiteral("word%1").arg(i), i % 4 != 0);
    return answers;
}

QImage rendering(QTextDocument* document)
{
    QImage image(document->size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    document->drawContents(&painter);
    return image;
}

} // namespace

void TestStatisticsDialog::init()
{
    env = std::make_unique<TestEnvironment>();
}

void TestStatisticsDialog::cleanup()
{
    dialog.reset();
    env.reset();
}

void TestStatisticsDialog::store(const QString& stamp, const StoredAnswers& answers)
{
    env->writeData("stat" + stamp + ".dat", statisticsBytes(answers));
}

void TestStatisticsDialog::open()
{
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
    return child<QStackedWidget>("stcWidget")->currentIndex() == 1 && !builder()->isRunning() &&
           child<QPushButton>("btnExportHTML")->isEnabled() && !dialog->findChild<QTimer*>("feedTimer")->isActive();
}

QStringList TestStatisticsDialog::shownWords() const
{
    QStringList words;
    for (QTextFrame* frame : child<QTextBrowser>("tbStatistics")->document()->rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            for (int row = 0; row < table->rows(); ++row)
                words << table->cellAt(row, 0).firstCursorPosition().block().text();
        }
    }
    words.removeOne(QStringLiteral("Word"));
    return words;
}

void TestStatisticsDialog::opens_newestFirst_andShowsOneOnDoubleClick()
{
    store("15.02.2026 10-00-00", MIXED);
    store("01.03.2026 08-00-00", {{"x", true}});
    store("31.12.2025 23-59-59", {{"y", true}});
    open();
    auto* list = child<QListWidget>("lstwStatistics");
    QStringList labels;
    for (int i = 0; i < list->count(); ++i)
        labels << list->item(i)->text();
    QCOMPARE(labels, (QStringList{"01/03/2026 08:00:00", "15/02/2026 10:00:00", "31/12/2025 23:59:59"}));
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(child<QStackedWidget>("stcWidget")->currentIndex(), 0);

    doubleClick(1);
    QCOMPARE(child<QStackedWidget>("stcWidget")->currentIndex(), 1);
    QTRY_VERIFY(reportDone());
    QVERIFY(shownText().startsWith("Tested: 15/02/2026 10:00:00\nCorrect: 2 / Wrong: 2 / Success rate: 50.0 %"));
    QCOMPARE(shownWords(), (QStringList{"cat", "dog", "a & b", "Straße"}));

    QTest::mouseClick(child<QPushButton>("btnBackStatisticsList"), Qt::LeftButton);
    QCOMPARE(child<QStackedWidget>("stcWidget")->currentIndex(), 0);
}

void TestStatisticsDialog::filters_data()
{
    QTest::addColumn<QStringList>("boxesClicked");
    QTest::addColumn<QStringList>("words");
    QTest::addRow("wrong only") << QStringList{"chbCorrectFilter"} << QStringList{"dog", "Straße"};
    QTest::addRow("correct only") << QStringList{"chbWrongFilter"} << QStringList{"cat", "a & b"};
    QTest::addRow("neither: heading and an empty table")
        << QStringList{"chbCorrectFilter", "chbWrongFilter"} << QStringList{};
    QTest::addRow("both again") << QStringList{"chbWrongFilter", "chbWrongFilter"}
                                << QStringList{"cat", "dog", "a & b", "Straße"};
}

void TestStatisticsDialog::filters()
{
    QFETCH(QStringList, boxesClicked);
    QFETCH(QStringList, words);
    store("15.02.2026 10-00-00", MIXED);
    open();
    doubleClick(0);
    QTRY_VERIFY(reportDone());
    for (const QString& box : boxesClicked) {
        QTest::mouseClick(child<QCheckBox>(qPrintable(box)), Qt::LeftButton);
        QTRY_VERIFY(reportDone());
    }
    QCOMPARE(shownWords(), words);
    QVERIFY(shownText().contains("Correct: 2 / Wrong: 2"));

    // A double click shows every row again, with both boxes checked.
    QTest::mouseClick(child<QPushButton>("btnBackStatisticsList"), Qt::LeftButton);
    doubleClick(0);
    QTRY_VERIFY(reportDone());
    QVERIFY(child<QCheckBox>("chbCorrectFilter")->isChecked() && child<QCheckBox>("chbWrongFilter")->isChecked());
    QCOMPARE(shownWords().size(), MIXED.size());
}

void TestStatisticsDialog::filterClickDuringBuild_showsTheNewFilter()
{
    const StoredAnswers answers = manyAnswers(8000);
    store("15.02.2026 10-00-00", answers);
    open();
    doubleClick(0);
    QTest::mouseClick(child<QCheckBox>("chbCorrectFilter"), Qt::LeftButton);
    QTRY_VERIFY(reportDone());
    QStringList wrong;
    for (const auto& answer : answers) {
        if (!answer.second)
            wrong << answer.first;
    }
    QCOMPARE(shownWords(), wrong);
}

void TestStatisticsDialog::export_writesTheFilteredExportForm()
{
    store("15.02.2026 10-00-00", MIXED);
    const QString path = env->root() + "/report.html";
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();
    open();
    doubleClick(0);
    QTRY_VERIFY(reportDone());
    QTest::mouseClick(child<QCheckBox>("chbWrongFilter"), Qt::LeftButton);
    QTRY_VERIFY(reportDone());
    const QString shown = child<QTextBrowser>("tbStatistics")->toHtml();

    SaveDialog::setNextSaveFileNameForTesting(path);
    QTest::mouseClick(child<QPushButton>("btnExportHTML"), Qt::LeftButton);
    QTRY_VERIFY(reportDone());
    QCOMPARE(child<QTextBrowser>("tbStatistics")->toHtml(), shown);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QString expected;
    std::atomic<bool> stop{false};
    QVERIFY(buildReport(u"15.02.2026 10-00-00", FILTER_CORRECT, true, stop, &expected));
    QCOMPARE(written, expected.toUtf8());
    QVERIFY(!written.contains("dog"));

    const QRegularExpression mark(QStringLiteral("base64,([A-Za-z0-9+/=]+)\""));
    auto marks = mark.globalMatch(QString::fromUtf8(written));
    int decoded = 0;
    for (; marks.hasNext(); ++decoded) {
        const QImage image = QImage::fromData(QByteArray::fromBase64(marks.next().captured(1).toLatin1()), "PNG");
        QCOMPARE(image.size(), QSize(16, 26));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(8, 0)), 0); // the top stays transparent
    }
    QCOMPARE(decoded, 2);
}

void TestStatisticsDialog::export_notWritten_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addRow("save dialog cancelled") << QString();
    // A file cannot stand in for a folder, not even for root.
    QTest::addRow("path that cannot be written") << "blocker/report.html";
}

void TestStatisticsDialog::export_notWritten()
{
    QFETCH(QString, answer);
    store("15.02.2026 10-00-00", MIXED);
    env->writeData("blocker", "not a folder");
    open();
    doubleClick(0);
    QTRY_VERIFY(reportDone());
    const QString shown = child<QTextBrowser>("tbStatistics")->toHtml();
    SaveDialog::setNextSaveFileNameForTesting(answer.isEmpty() ? answer : env->dataFolder() + '/' + answer);
    QTest::mouseClick(child<QPushButton>("btnExportHTML"), Qt::LeftButton);
    QTRY_VERIFY(reportDone());
    QCOMPARE(child<QTextBrowser>("tbStatistics")->toHtml(), shown);
    QCOMPARE(child<QStackedWidget>("stcWidget")->currentIndex(), 1);
    QCOMPARE(QDir(env->dataFolder()).entryList(QDir::Files).size(), 2);
}

void TestStatisticsDialog::delete_downToAnEmptyList()
{
    store("15.02.2026 10-00-00", MIXED);
    store("16.02.2026 10-00-00", MIXED);
    open();
    auto* list = child<QListWidget>("lstwStatistics");
    auto* remove = child<QPushButton>("btnDeleteStatistics");
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("15/02/2026 10:00:00"));
    QVERIFY(!QFile::exists(env->dataFolder() + "/stat16.02.2026 10-00-00.dat"));
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(list->count(), 0);
    QCOMPARE(QDir(env->dataFolder()).entryList(QDir::Files), QStringList{});
    // Nothing left to delete or show.
    QTest::mouseClick(remove, Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("btnShowStatistics"), Qt::LeftButton);
    QCOMPARE(child<QStackedWidget>("stcWidget")->currentIndex(), 0);
}

void TestStatisticsDialog::vanishedFile_keepsProcessingUntilBack()
{
    store("15.02.2026 10-00-00", MIXED);
    open();
    QVERIFY(QFile::remove(env->dataFolder() + "/stat15.02.2026 10-00-00.dat"));
    QTest::mouseClick(child<QPushButton>("btnShowStatistics"), Qt::LeftButton);
    QTRY_VERIFY(!builder()->isRunning());
    QCoreApplication::processEvents();
    QCOMPARE(shownText(), QStringLiteral("Processing..."));
    QVERIFY(!child<QPushButton>("btnExportHTML")->isEnabled());
    QTest::mouseClick(child<QPushButton>("btnBackStatisticsList"), Qt::LeftButton);
    QCOMPARE(child<QStackedWidget>("stcWidget")->currentIndex(), 0);
}

void TestStatisticsDialog::closeDuringBuild_returnsStoppedAndNothingArrives()
{
    store("15.02.2026 10-00-00", manyAnswers(20000));
    open();
    doubleClick(0);
    QVERIFY(builder()->isRunning());
    dialog->close();
    QVERIFY(!builder()->isRunning());
    QVERIFY(!dialog->isVisible());
    QCoreApplication::processEvents();
    QCOMPARE(shownText(), QStringLiteral("Processing..."));
}

void TestStatisticsDialog::longReport_looksAsTheWholeDocumentWould()
{
    const StoredAnswers answers = manyAnswers(400);
    store("15.02.2026 10-00-00", answers);
    open();
    doubleClick(0);
    QTRY_VERIFY(reportDone());
    auto* shown = child<QTextBrowser>("tbStatistics");
    QCOMPARE(shownWords().size(), answers.size());

    QString html;
    std::atomic<bool> stop{false};
    QVERIFY(buildReport(u"15.02.2026 10-00-00", FILTER_ALL, false, stop, &html));
    QTextBrowser whole;
    whole.resize(shown->size());
    whole.setHtml(html);
    whole.show();
    QVERIFY(QTest::qWaitForWindowExposed(&whole));
    QCOMPARE(shown->document()->size(), whole.document()->size());
    QVERIFY(rendering(shown->document()) == rendering(whole.document()));
}

void TestStatisticsDialog::resize_placesWidgets_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QRect>("geometry");
    QTest::addRow("stcWidget") << "stcWidget" << QRect(0, 0, 800, 600);
    QTest::addRow("lstwStatistics") << "lstwStatistics" << QRect(0, 0, 800, 550);
    QTest::addRow("btnShowStatistics") << "btnShowStatistics" << QRect(700, 560, 75, 23);
    QTest::addRow("btnDeleteStatistics") << "btnDeleteStatistics" << QRect(615, 560, 75, 23);
    QTest::addRow("lblTipStatistics") << "lblTipStatistics" << QRect(10, 560, 240, 16);
    QTest::addRow("btnExportHTML") << "btnExportHTML" << QRect(675, 15, 100, 23);
    QTest::addRow("tbStatistics") << "tbStatistics" << QRect(0, 50, 800, 500);
    QTest::addRow("btnBackStatisticsList") << "btnBackStatisticsList" << QRect(700, 560, 75, 23);
    QTest::addRow("grbFilterStatistics") << "grbFilterStatistics" << QRect(5, 2, 161, 42);
}

void TestStatisticsDialog::resize_placesWidgets()
{
    QFETCH(QString, widget);
    QFETCH(QRect, geometry);
    open();
    dialog->resize(800, 600);
    QCOMPARE(child<QWidget>(qPrintable(widget))->geometry(), geometry);
}

QTEST_MAIN(TestStatisticsDialog)
#include "tst_statisticsdialog.moc"
