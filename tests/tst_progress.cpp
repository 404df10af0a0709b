#include "app/mainwindow.h"
#include "progress/dlgprogress.h"
#include "statistics/statisticsfile.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"
#include "widgets/scorechart.h"
#include "words/history.h"
#include "words/wordpool.h"

#include "statisticsdata.h"
#include "testenvironment.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

// The Progress window over a history made here, opened from the main window, and what its buttons do there.
class TestProgress : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::collectForTesting(); }
    void cleanup()
    {
        window.reset();
        MessageBox::takeCollected();
        EnvironmentTest::cleanup();
    }
    void history_shownPractisedAndMadeADictionary();

private:
    std::unique_ptr<MainWindow> window;

    // Each answer in turn, a minute apart, the last a minute before `ago`; with the history each leaves its word.
    void record(History& history, const QString& folder, const QStringList& answers, std::int64_t ago = 0)
    {
        const std::int64_t now = QDateTime::currentSecsSinceEpoch() - ago;
        std::int64_t at = now - 60 * answers.size();
        for (const QString& answer : answers) {
            const QString word = answer.section('=', 0, 0), typed = answer.section('=', -1);
            const WordHistory before = history.wordOf(folder, word);
            const bool correct = word == typed;
            WordHistory after = afterAnswer(before, correct, isDue(before, at), at);
            after.asked = before.asked + 1;
            QVERIFY(history.record({folder, word, at, typed, correct, 1, 2500}, after));
            at += 60;
        }
    }
    static QStringList column(const QTreeWidget* tree, int column)
    {
        QStringList texts;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            texts << tree->topLevelItem(i)->text(column);
        return texts;
    }
};

void TestProgress::history_shownPractisedAndMadeADictionary()
{
    const QString more = env->workFolder() + QStringLiteral("/More");
    for (const char* word : {"letter", "address", "receive", "apple", "door", "bread"})
        QVERIFY(writeFile(env->defaultDictionary() + '/' + word + ".wav", readFile(sound("cat.wav")) + word));
    QVERIFY(writeFile(more + "/cloud.ogg", readFile(sound("dog.ogg"))));
    QVERIFY(writeFile(more + "/sun.mp3", readFile(sound("sun.mp3"))));
    writeDictionaries({dictionary(env->defaultDictionary(), 1), dictionary(more, 1)});
    // Three stored tests, the middle one stored first.
    env->writeData("stat02.12.2026 10-00-00.dat", statisticsBytes(8, 10, manyAnswers(10, 8)));
    env->writeData("stat01.12.2026 10-00-00.dat", statisticsBytes(5, 10, manyAnswers(10, 5)));
    env->writeData("stat03.12.2026 11-30-00.dat", statisticsBytes(4, 4, manyAnswers(4, 4)));
    {
        std::vector<__word> pool;
        std::vector<__dictionary> list{dictionary(env->defaultDictionary(), 1), dictionary(more, 1)};
        collectWords(&pool, &list);
        const QString folder = folderOfPath(pool.at(0).path);
        History history;
        QVERIFY(history.open() == History::Created);
        QVERIFY(history.setStoredTestsImported());
        record(history, folder,
               {"letter=leter", "address=adress", "apple=apple", "letter=lettr", "receive=recieve", "letter=Leter",
                "address=address", "apple=apple", "address=adress", "receive=recieve", "letter=letter", "bread=bred",
                "address=address", "apple=apple"});
        record(history, folderOfPath(pool.back().path), {"cloud=clowd"});
        // Older than the slips shown, and of no dictionary listed.
        record(history, env->root(), {"sun=snu"}, 31 * 24 * 3600);
    }
    env->writeData(QStringLiteral("settings.conf"), "tip=0\ntest_number=10");
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    child<QAction>(window.get(), "acProgress")->trigger();
    auto* progress = window->findChild<dlgProgress*>();
    QVERIFY(progress != nullptr);
    QTRY_VERIFY(progress->isFilled());

    // The stored tests by their time, oldest first.
    const auto* chart = child<ScoreChart>(progress, "chart");
    QCOMPARE(chart->scores(), (std::vector<double>{0.5, 0.8, 1.0}));
    QCOMPARE(chart->tests().back().when, QDateTime(QDate(2026, 12, 3), QTime(11, 30)));

    const auto* standings = child<QTreeWidget>(progress, "trwDictionaries");
    QCOMPARE(column(standings, 0), (QStringList{"Default", "More"}));
    QCOMPARE(column(standings, 1), (QStringList{"1", "1"})); // door; sun
    QCOMPARE(column(standings, 2), (QStringList{"4", "1"})); // all missed once
    QCOMPARE(column(standings, 3), (QStringList{"1", "0"})); // apple, never missed

    // Most misses first, then the larger share missed, then the latest asked.
    auto* words = child<QTreeWidget>(progress, "trwWords");
    QCOMPARE(column(words, 0), (QStringList{"letter", "receive", "address", "cloud", "bread"}));
    QCOMPARE(column(words, 2), (QStringList{"4", "2", "4", "1", "1"}));
    QCOMPARE(column(words, 4),
             (QStringList{"Leter \u00d72, lettr", "recieve \u00d72", "adress \u00d72", "clowd", "bred"}));
    QCOMPARE(column(words, 6).at(1), QStringLiteral("now"));
    QCOMPARE(column(words, 6).at(0), QDateTime::currentDateTime().addDays(1).toString("dd/MM/yyyy"));
    const QString slips = child<QLabel>(progress, "lblSlips")->text();
    QVERIFY(slips.contains(slipKindName(SlipKind::DoubleLetter)) && !slips.contains("snu"));

    // Made of the ticked words: their recordings, copied, listed and ticked.
    words->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
    const QString place = env->root() + QStringLiteral("/made");
    QDir().mkpath(place);
    child<QLineEdit>(progress, "leDictionaryName")->setText(QStringLiteral("Hard words"));
    FileDialog::answerNextForTesting(place);
    QTest::mouseClick(child<QPushButton>(progress, "btnMakeDictionary"), Qt::LeftButton);
    QCOMPARE(MessageBox::takeCollected().size(), 1);
    const QString made = place + QStringLiteral("/Hard words");
    QCOMPARE(QDir(made).entryList(QDir::Files, QDir::Name),
             (QStringList{"bread.wav", "cloud.ogg", "letter.wav", "receive.wav"}));
    QCOMPARE(readFile(made + "/letter.wav"), readFile(env->defaultDictionary() + "/letter.wav"));
    QVERIFY(!QFileInfo(made + "/letter.wav").isSymLink());
    std::vector<__dictionary> listed;
    readDictionaries(listed);
    QCOMPARE(listed.size(), std::size_t(3));
    QCOMPARE(QString::fromUtf16(listed.back().path), made);
    QCOMPARE(listed.back().selected, 1);

    // Practise these: a test of exactly the ticked words, in the main window.
    words->topLevelItem(3)->setCheckState(0, Qt::Unchecked);
    QTest::mouseClick(child<QPushButton>(progress, "btnPractise"), Qt::LeftButton);
    QTRY_VERIFY(window->findChild<dlgProgress*>() == nullptr);
    auto* input = child<QLineEdit>(window.get(), "leInput");
    QStringList asked;
    for (int i = 1; i <= 3; ++i) {
        QCOMPARE(child<QLabel>(window.get(), "lblNumber")->text(), QStringLiteral("Test number: %1/3").arg(i));
        // Heard to the end, or found unplayable: the answer is judged on Enter.
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>(window.get(), "btnAgain")->isEnabled(), 15000);
        const QString path = window->findChild<QMediaPlayer*>()->media().request().url().toLocalFile();
        asked << QFileInfo(path).baseName();
        QCOMPARE(QFileInfo(path).path(), env->defaultDictionary());
        QTest::keyClicks(input, QStringLiteral("x"));
        QTest::keyClick(input, Qt::Key_Return);
        QTest::keyClick(window.get(), Qt::Key_Return);
    }
    QCOMPARE(asked, (QStringList{"letter", "receive", "bread"}));
}

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
