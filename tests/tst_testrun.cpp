#include "words/history.h"
#include "words/historyimport.h"
#include "words/judging.h"
#include "words/testrun.h"

#include "testenvironment.h"

#include <QtTest>

#include <memory>

// Whole tests taken without a window or audio: the draws, the judging and what is kept between tests.
class TestTestRun : public EnvironmentTest
{
    Q_OBJECT

    static inline std::int64_t now = 0;
    static std::int64_t clock() { return now; }
    static inline unsigned nextSeed = 1;
    static unsigned countingSeed() { return nextSeed++; }

private slots:
    void initTestCase()
    {
        TestRun::setClockForTesting(&TestTestRun::clock);
        setDrawSeedForTesting(&TestTestRun::countingSeed);
    }
    void init()
    {
        EnvironmentTest::init();
        // Noon of a Monday, local time: the days of the reviews start at midnight.
        now = QDateTime(QDate(2026, 3, 2), QTime(12, 0)).toMSecsSinceEpoch();
        nextSeed = 1;
    }
    void schedule_data();
    void schedule();
    void refusedStart_data();
    void refusedStart();
    void judging_keptInTheStoredTestAndTheHistory();
    void judging_fairComparison_data();
    void judging_fairComparison();
    void everyWordBeforeAnyRepeats_data();
    void everyWordBeforeAnyRepeats();
    void missedWordsComeBack_dueFirstAtMostHalf();
    void practise_onlyDueWords();
    void rememberOff_todaysDraws();
    void renamedFolder_startsAfresh();
    void storedTests_readIntoTheHistory();

private:
    std::unique_ptr<History> history;

    QString folder(const QString& name, int words)
    {
        const QString path = env->workFolder() + '/' + name;
        for (int i = 0; i < words; ++i)
            writeFile(path + QStringLiteral("/w%1.wav").arg(i, 2, 10, QChar('0')), QByteArray());
        QDir().mkpath(path);
        return path;
    }
    // A program start: the history opened afresh.
    void reopen()
    {
        history = std::make_unique<History>();
        QVERIFY(history->open() != History::Unavailable);
    }
    // Takes a whole test, answering wrongly the words in `wrong`; the words asked, in order.
    QStringList take(const std::vector<__dictionary>& list, std::uint32_t length, const QStringList& wrong = {},
                     bool remember = true, TestRun::Kind kind = TestRun::AllWords)
    {
        TestRun run(history.get());
        QStringList asked;
        if (run.start(list, length, remember, kind) != TestRun::Started)
            return {QStringLiteral("refused")};
        while (run.next()) {
            asked << run.currentWord();
            now += 1000;
            run.judge(wrong.contains(asked.last()) ? QStringLiteral("?") : asked.last());
        }
        return asked;
    }
    // The words in the order of their last asking: the order in which missed words fall due.
    static QStringList byLastAsking(QStringList asked)
    {
        std::reverse(asked.begin(), asked.end());
        asked.removeDuplicates();
        std::reverse(asked.begin(), asked.end());
        return asked;
    }
    static QStringList sorted(QStringList words)
    {
        words.sort();
        return words;
    }
    QStringList all(const std::vector<__dictionary>& list)
    {
        QStringList words;
        for (const QString& name : QDir(QString::fromUtf16(list[0].path)).entryList(QDir::Files))
            words << QFileInfo(name).baseName();
        return words;
    }
};

void TestTestRun::schedule_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<bool>("dueThisTest");
    QTest::addColumn<int>("stepAfter");
    // Until it is due again, from the day of the answer; -1: not under review, 99: as it was.
    QTest::addColumn<int>("daysAfter");
    QTest::addRow("new word missed") << 0 << false << false << 1 << 0;
    QTest::addRow("new word right") << 0 << true << false << 0 << -1;
    QTest::addRow("step 1 right") << 1 << true << true << 2 << 1;
    QTest::addRow("step 2 right") << 2 << true << true << 3 << 3;
    QTest::addRow("step 3 right") << 3 << true << true << 4 << 7;
    QTest::addRow("step 4 right") << 4 << true << true << 5 << 14;
    QTest::addRow("step 5 right: leaves the reviews") << 5 << true << true << 0 << -1;
    QTest::addRow("step 4 missed: back to the start") << 4 << false << true << 1 << 0;
    QTest::addRow("right before it is due: no step") << 3 << true << false << 3 << 99;
    QTest::addRow("a damaged step") << 77 << true << true << 0 << -1;
}

void TestTestRun::schedule()
{
    QFETCH(int, step);
    QFETCH(bool, correct);
    QFETCH(bool, dueThisTest);
    const std::int64_t at = now / 1000;
    const WordHistory before{4, step, at + 99 * 86400};
    const WordHistory after = afterAnswer(before, correct, dueThisTest, at);
    QCOMPARE(after.asked, 4u);
    QTEST(after.step, "stepAfter");
    QFETCH(int, daysAfter);
    if (daysAfter == 99) {
        QCOMPARE(after.due, before.due);
    } else if (daysAfter >= 0) {
        const QDateTime due = QDateTime::fromSecsSinceEpoch(after.due);
        QCOMPARE(due.date(), QDateTime::fromSecsSinceEpoch(at).date().addDays(daysAfter));
        QVERIFY(daysAfter == 0 ? after.due == at : due.time() == QTime(0, 0));
        QVERIFY(isDue(after, after.due) && !isDue(after, after.due - 1));
    }
    QCOMPARE(isDue(after, at + 365 * 86400), after.step > 0);
}

void TestTestRun::refusedStart_data()
{
    QTest::addColumn<QString>("list"); // +name: selected, -name: not, missing: a folder that is not there
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("result");
    QTest::addRow("no dictionary") << "" << int(TestRun::AllWords) << int(TestRun::NoDictionary);
    QTest::addRow("none selected") << "-full" << int(TestRun::AllWords) << int(TestRun::NothingSelected);
    QTest::addRow("no recordings") << "+empty -full" << int(TestRun::AllWords) << int(TestRun::NoRecordings);
    QTest::addRow("folder gone") << "+missing" << int(TestRun::AllWords) << int(TestRun::NoRecordings);
    QTest::addRow("nothing due") << "+full" << int(TestRun::DueWords) << int(TestRun::NothingDue);
    QTest::addRow("practise, none selected") << "-full" << int(TestRun::DueWords) << int(TestRun::NothingSelected);
    QTest::addRow("none chosen") << "+full" << int(TestRun::ChosenWords) << int(TestRun::NoneChosen);
}

// A refused start asks nothing, judges nothing and stores nothing.
void TestTestRun::refusedStart()
{
    QFETCH(QString, list);
    std::vector<__dictionary> dictionaries;
    folder("empty", 0);
    folder("full", 3);
    for (const QString& entry : list.split(' ', Qt::SkipEmptyParts))
        dictionaries.push_back(dictionary(env->workFolder() + '/' + entry.mid(1), entry.at(0) == '+'));
    reopen();
    TestRun run(history.get());
    QFETCH(int, kind);
    QCOMPARE(int(run.start(dictionaries, 4, true, TestRun::Kind(kind))), [] {
        QFETCH(int, result);
        return result;
    }());
    QVERIFY(!run.isRunning() && !run.next() && !run.wordAsked() && !run.hasEnded());
    QVERIFY(run.currentWord().isEmpty() && run.judge(QStringLiteral("w00")).html.isEmpty());
    QVERIFY(history->lastAnswers(10).empty());
    QVERIFY(QDir(env->dataFolder()).entryList({QStringLiteral("stat*.dat")}).isEmpty());
}

void TestTestRun::judging_keptInTheStoredTestAndTheHistory()
{
    const QString path = folder("d", 0);
    QVERIFY(writeFile(path + QStringLiteral("/Éclair.mp3"), QByteArray()));
    QVERIFY(writeFile(path + QStringLiteral("/a<b.wav"), QByteArray()));
    reopen();
    TestRun run(history.get());
    QCOMPARE(run.start({dictionary(path, 1)}, 0, true), TestRun::Started); // a length of 0 asks one word
    QCOMPARE(run.length(), 1u);
    QVERIFY(run.next() && !run.next());
    const QString word = run.currentWord();
    QCOMPARE(run.currentPath(), path + '/' + (word == "a<b" ? "a<b.wav" : "Éclair.mp3"));
    run.playedAgain();
    now += 2500;
    const QString typed = word == "a<b" ? "A<" : "éCLAIR";
    const TestRun::Judgement judged = run.judge(typed);
    QCOMPARE(judged.correct, word != "a<b");
    QCOMPARE(judged.html, judged.correct ? QStringLiteral("<p align='center'>OK</p>") : markAnswer("a<b", "a<"));
    QVERIFY(run.hasEnded() && run.correctCount() + run.wrongCount() == 1);
    QVERIFY(run.judge(word).html.isEmpty()); // judged once only

    QCOMPARE(QDir(env->dataFolder()).entryList({QStringLiteral("stat*.dat")}).size(), 1);
    const std::vector<AnswerRecord> kept = history->lastAnswers(5);
    QCOMPARE(kept.size(), std::size_t(1));
    QCOMPARE(kept[0].folder + '|' + kept[0].word + '|' + kept[0].typed, path + '|' + word + '|' + typed);
    QCOMPARE(kept[0].at, now / 1000);
    QVERIFY(kept[0].correct == judged.correct && kept[0].plays == 2 && kept[0].milliseconds == 2500);
    QCOMPARE(history->wordOf(path, word).step, judged.correct ? 0 : 1);
}

void TestTestRun::judging_fairComparison_data()
{
    QTest::addColumn<QString>("word"); // the recording's name
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accents");
    QTest::addColumn<bool>("capitals");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QString>("shown");  // when wrong, each [letter] in red; empty: not looked at
    QTest::addColumn<QString>("hinted"); // what a hint makes of the answer; empty: not looked at
    const auto row = [](const char* name, const QString& word, const QString& typed, bool correct,
                        const QString& shown = {}, const QString& hinted = {}, bool accents = true,
                        bool capitals = false) {
        QTest::newRow(name) << word << typed << accents << capitals << correct << shown << hinted;
    };
    row("decomposed answer", "café", "cafe\u0301", true);
    row("decomposed name", "cafe\u0301", "café", true, {}, "café");
    row("decomposed name, its letter shown once", "cafe\u0301", "cafe", false, "caf[é]");
    row("a mark with no composed form stays with its letter", "ọkọ̀", "ọkọ", false, "ọk[ọ̀]");
    row("’ typed", "don't", "don’t", true);
    row("‘ typed", "don't", "don‘t", true);
    row("ʼ typed", "don't", "donʼt", true);
    row("’ in the name", "rock’n’roll", "rock'n'roll", true, {}, "rock’n’roll");
    row("” and “ typed", "say \"hi\"", "say “hi”", true);
    row("– typed", "well-known", "well–known", true);
    row("— typed", "well-known", "well—known", true);
    row("‐ typed", "well-known", "well‐known", true);
    row("‑ typed", "well-known", "well‑known", true);
    row("− typed", "well-known", "well−known", true);
    row("a dash is no apostrophe", "don't", "don–t", false, "don[']t", "don'");
    row("spaces at the end", "ice cream", "ice cream \t ", true);
    row("spaces at the start", "ice cream", "   ice cream", true);
    row("a run of spaces inside", "ice cream", "ice \t  cream", true);
    row("no-break space", "ice cream", "ice\u00A0cream", true);
    row("a run of spaces in the name", "ice  cream", "ice cream", true);
    row("a space left out", "ice cream", "icecream", false, "ice[ ]cream");
    row("hint after the word's space", "ice cream", "ice ", false, {}, "ice c");
    row("accents on", "café", "cafe", false, "caf[é]");
    row("accents off", "café", "cafe", true, {}, {}, false);
    row("accents off, umlaut", "München", "Munchen", true, {}, "München", false);
    row("accents off, ß stays", "Straße", "Strase", false, "Stra[ß]e", "Straß", false);
    row("accents off, ø stays", "smørrebrød", "smorrebrod", false, "sm[ø]rrebr[ø]d", "smø", false);
    row("accents off, only ł red", "łódź", "lodz", false, "[ł]ódź", "ł", false);
    row("accents off, a capital", "ÉCLAIR", "eclair", true, {}, {}, false);
    row("capitals off", "London", "lONDON", true);
    row("capitals on", "London", "london", false, "[L]ondon", "L", true, true);
    row("capitals on, accents off", "Café", "Cafe", true, {}, {}, false, true);
    row("Cyrillic capitals", "МОСКВА", "москва", true);
    row("Cyrillic capitals on", "Москва", "москва", false, "[М]осква", {}, true, true);
    row("Greek capitals, final sigma", "ΟΔΟΣ", "οδος", true);
    row("beyond 16 bits", "\U00010400x", "\U00010428x", true, {}, "\U00010400x");
    row("beyond 16 bits, capitals on", "\U00010400x", "\U00010428x", false, "[\U00010400]x", {}, true, true);
}

// The rules of judging hold for the answer, its red letters and the hint alike.
void TestTestRun::judging_fairComparison()
{
    QFETCH(QString, word);
    QFETCH(QString, typed);
    QFETCH(bool, accents);
    QFETCH(bool, capitals);
    QFETCH(QString, shown);
    QFETCH(QString, hinted);
    const QString path = folder("d", 0);
    QVERIFY(writeFile(path + '/' + word + ".wav", QByteArray()));
    reopen();
    TestRun run(history.get());
    run.setJudgingRules({accents, capitals});
    QCOMPARE(run.start({dictionary(path, 1)}, 1, true), TestRun::Started);
    QVERIFY(run.next());
    QCOMPARE(run.currentWord(), word);
    const TestRun::Judgement judged = run.judge(typed);
    QTEST(judged.correct, "correct");
    const QString red = shown.replace('[', "<font color='red'>").replace(']', "</font>");
    if (!shown.isEmpty())
        QCOMPARE(judged.html, "<p align='center'>" + red + "</p>");
    if (!hinted.isEmpty()) {
        QVERIFY(run.start({dictionary(path, 1)}, 1, true) == TestRun::Started && run.next());
        QCOMPARE(run.hint(typed), hinted);
    }
}

void TestTestRun::everyWordBeforeAnyRepeats_data()
{
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("length");
    for (int words : {1, 2, 5, 12, 17})
        for (int length : {1, 3, 4, 7})
            QTest::addRow("%d words, tests of %d", words, length) << words << length;
}

// Answered right throughout, over program starts: each round of the dictionary asks every word once.
void TestTestRun::everyWordBeforeAnyRepeats()
{
    QFETCH(int, words);
    QFETCH(int, length);
    const std::vector<__dictionary> list{dictionary(folder("d", words), 1)};
    QStringList asked;
    while (asked.size() < 3 * words + 1) {
        reopen();
        asked << take(list, std::uint32_t(length));
    }
    for (int round = 0; (round + 1) * words <= asked.size(); ++round) {
        QStringList once = asked.mid(round * words, words);
        once.removeDuplicates();
        QVERIFY2(once.size() == words, qPrintable(asked.join(' ')));
    }
}

void TestTestRun::missedWordsComeBack_dueFirstAtMostHalf()
{
    const std::vector<__dictionary> list{dictionary(folder("d", 12), 1)};
    reopen();
    const QStringList missed = byLastAsking(take(list, 8, all(list)));
    QVERIFY(missed.size() > 2);
    // The next test, after a restart: two of the missed words first, the longest due first, then words not asked.
    reopen();
    const QStringList next = take(list, 4);
    QCOMPARE(next.mid(0, 2), missed.mid(0, 2));
    QVERIFY(!missed.contains(next[2]) && !missed.contains(next[3]));
    // Right once: due again tomorrow, not today; the other missed words come first now.
    QCOMPARE(take(list, 4).mid(0, 2), missed.mid(2, 2));
    // Asked again in the same test, a word steps on once only.
    const std::vector<__dictionary> two{dictionary(folder("two", 2), 1)};
    take(two, 2, all(two));
    QCOMPARE(take(two, 6).size(), 6);
    for (const WordHistory& word : history->wordsOf(QString::fromUtf16(two[0].path)))
        QCOMPARE(word.step, 2);
}

void TestTestRun::practise_onlyDueWords()
{
    const std::vector<__dictionary> list{dictionary(folder("d", 12), 1)};
    reopen();
    QCOMPARE(take(list, 4, {}, true, TestRun::DueWords), QStringList{"refused"});
    const QStringList missed = byLastAsking(take(list, 4, all(list)));
    // As long as there are due words, remembering or not.
    QCOMPARE(take(list, 10, {}, false, TestRun::DueWords), missed);
    QCOMPARE(take(list, 10, {}, true, TestRun::DueWords), QStringList{"refused"});
    now += 86400 * 1000;
    const QStringList tomorrow = take(list, 10, {missed[0]}, true, TestRun::DueWords);
    QCOMPARE(sorted(tomorrow), sorted(missed));
    // Missed at step 2: back to the start, due at once; the rest wait three days.
    QCOMPARE(take(list, 10, {}, true, TestRun::DueWords), QStringList{missed[0]});
}

// Not remembering, the draws are those of a test with no history at all, and the history is still written.
void TestTestRun::rememberOff_todaysDraws()
{
    const std::vector<__dictionary> list{dictionary(folder("d", 9), 1)};
    reopen();
    take(list, 6, {"w01", "w04"});
    QStringList remembered, forgotten;
    for (int test = 0; test < 4; ++test) {
        nextSeed = 100 + test;
        remembered << take(list, 6, {"w02"}, false);
        std::unique_ptr<History> kept = std::move(history);
        nextSeed = 100 + test;
        forgotten << take(list, 6, {"w02"});
        history = std::move(kept);
    }
    QCOMPARE(remembered, forgotten);
    std::uint32_t asked = 0;
    for (const WordHistory& word : history->wordsOf(QString::fromUtf16(list[0].path)))
        asked += word.asked;
    QCOMPARE(asked, 30u);
}

void TestTestRun::renamedFolder_startsAfresh()
{
    const QString before = folder("before", 6);
    reopen();
    const QStringList first = take({dictionary(before, 1)}, 4, {"w00", "w01", "w02", "w03"});
    const QString after = env->workFolder() + "/after";
    QVERIFY(QDir().rename(before, after));
    QVERIFY(history->wordsOf(after).isEmpty());
    // A missed word of the old folder is not due under the new name, and every word counts as never asked.
    const QStringList renamed = take({dictionary(after, 1)}, 6);
    QStringList once = renamed;
    once.removeDuplicates();
    QCOMPARE(once.size(), 6);
    QCOMPARE(take({dictionary(after, 1)}, 6, {}, true, TestRun::DueWords), QStringList{"refused"});
    QCOMPARE(history->wordsOf(before).size(), byLastAsking(first).size());
}

// The tests stored before the history count: their words are not asked again first, and a word missed in the
// last of them is due.
void TestTestRun::storedTests_readIntoTheHistory()
{
    const QString path = folder("d", 6);
    const auto test = [](std::initializer_list<std::pair<const char16_t*, bool>> words) {
        std::vector<__answer> answers;
        for (const auto& [word, correct] : words) {
            __answer a{std::uint32_t(answers.size() + 1), {}, correct};
            wcslcpy(a.word, word, PATH_UNITS);
            answers.push_back(a);
        }
        return answers;
    };
    std::tm older{}, newer{};
    older.tm_year = newer.tm_year = 126;
    older.tm_mday = newer.tm_mday = 1;
    older.tm_mon = 1;
    newer.tm_mon = 2;
    writeStatisticsAt(test({{u"w00", false}, {u"w01", true}}), 1, newer);
    writeStatisticsAt(test({{u"w00", true}, {u"w02", true}, {u"w03", true}}), 3, older);
    reopen();
    QVERIFY(importStoredTests(*history, {dictionary(path, 1)}, nullptr));
    QCOMPARE(sorted(take({dictionary(path, 1)}, 3)), (QStringList{"w00", "w04", "w05"}));
    QCOMPARE(history->wordOf(path, "w00").asked, 3u);
}

QTEST_GUILESS_MAIN(TestTestRun)
#include "tst_testrun.moc"
