#include "words/wordselection.h"

#include <QtTest>

#include <cstring>
#include <random>

namespace {

unsigned nextSeed = 1;
unsigned countingSeed()
{
    return nextSeed++;
}

std::vector<__word> makePool(std::size_t n)
{
    std::vector<__word> pool(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::memset(&pool[i], 0, sizeof pool[i]);
        pool[i].path[0] = u'w';
    }
    return pool;
}

// Runs a whole test over the pool; answer(number, index) says whether the answer is correct.
struct Run
{
    std::vector<WordPick> picks;
    std::vector<std::uint32_t> reviewsAt;
};

template <typename Answer>
Run runTest(std::vector<__word>& pool, std::uint32_t testLength, Answer answer, bool useIndex)
{
    Run run;
    WordPoolIndex index;
    index.rebuild(pool);
    std::uint32_t lastReviewAt = 0;
    for (std::uint32_t number = 1; number <= testLength; ++number) {
        const WordPick pick = useIndex ? pickWord(&pool, testLength, number, &lastReviewAt, index)
                                       : pickWord(&pool, testLength, number, &lastReviewAt);
        run.picks.push_back(pick);
        if (!pick.leastAskedPick)
            run.reviewsAt.push_back(number);
        markWordAnswered(&pool[pick.index], number, answer(number, pick.index), pick.leastAskedPick);
        index.wordChanged(pool, pick.index);
    }
    return run;
}

} // namespace

class TestWordSelection : public QObject
{
    Q_OBJECT

private slots:
    void init() { setDrawSeedForTesting(countingSeed); }
    void cleanup() { setDrawSeedForTesting(nullptr); }
    void reviewGap_data();
    void reviewGap();
    void allCorrect_noWordRepeatsBeforeAllWereAsked_data();
    void allCorrect_noWordRepeatsBeforeAllWereAsked();
    void reviewDraws_keepTheirDistance();
    void oneWrongAnswer_comesBackAtTheFirstReview();
    void weakWords_data();
    void weakWords();
    void index_drawsExactlyAsTheFullScan();
    void markWordAnswered_data();
    void markWordAnswered();
};

void TestWordSelection::reviewGap_data()
{
    // Test lengths from first to last share the gaps for pools of 29 words and fewer, and of 30 and more.
    QTest::addColumn<quint32>("first");
    QTest::addColumn<quint32>("last");
    QTest::addColumn<quint32>("small");
    QTest::addColumn<quint32>("large");
    QTest::addRow("1 to 10") << 1u << 10u << 4u << 4u;
    QTest::addRow("11 to 30") << 11u << 30u << 4u << 5u;
    QTest::addRow("31 to 100") << 31u << 100u << 5u << 6u;
    QTest::addRow("101 to 300") << 101u << 300u << 7u << 10u;
    QTest::addRow("301 to 1000") << 301u << 1000u << 9u << 15u;
    QTest::addRow("1001 to 3000") << 1001u << 3000u << 15u << 24u;
    QTest::addRow("3001 to 10000") << 3001u << 10000u << 40u << 40u;
}

void TestWordSelection::reviewGap()
{
    QFETCH(quint32, first);
    QFETCH(quint32, last);
    QFETCH(quint32, small);
    QFETCH(quint32, large);
    for (quint32 length : {first, last})
        QCOMPARE(QList<quint32>({::reviewGap(length, 29), ::reviewGap(length, 30)}), QList<quint32>({small, large}));
}

void TestWordSelection::allCorrect_noWordRepeatsBeforeAllWereAsked_data()
{
    QTest::addColumn<int>("poolSize");
    QTest::addColumn<int>("testLength");
    QTest::addRow("one word") << 1 << 5;
    QTest::addRow("two words") << 2 << 9;
    QTest::addRow("five of five") << 5 << 5;
    QTest::addRow("seventeen, three passes") << 17 << 51;
    QTest::addRow("large pool, short test") << 1000 << 300;
}

void TestWordSelection::allCorrect_noWordRepeatsBeforeAllWereAsked()
{
    QFETCH(int, poolSize);
    QFETCH(int, testLength);
    for (int runNumber = 0; runNumber < 100; ++runNumber) {
        std::vector<__word> pool = makePool(std::size_t(poolSize));
        const Run run = runTest(pool, quint32(testLength), [](std::uint32_t, std::uint32_t) { return true; },
                                runNumber % 2 == 0);
        QVERIFY(run.reviewsAt.empty());
        // Question q of pass p plays a word not yet asked in that pass.
        for (int pass = 0; pass * poolSize < testLength; ++pass) {
            QSet<std::uint32_t> seen;
            for (int q = pass * poolSize; q < qMin(testLength, (pass + 1) * poolSize); ++q) {
                QVERIFY2(!seen.contains(run.picks[std::size_t(q)].index), "a word came twice within one pass");
                seen.insert(run.picks[std::size_t(q)].index);
            }
        }
    }
}

void TestWordSelection::reviewDraws_keepTheirDistance()
{
    std::mt19937 random(7);
    int reviewsSeen = 0;
    for (int runNumber = 0; runNumber < 300; ++runNumber) {
        const std::size_t poolSize = 1 + random() % 60;
        const std::uint32_t testLength = 1 + random() % 400;
        const double wrongRate = (random() % 100) / 100.0;
        std::vector<__word> pool = makePool(poolSize);
        const Run run = runTest(
            pool, testLength, [&](std::uint32_t, std::uint32_t) { return (random() % 1000) / 1000.0 >= wrongRate; },
            runNumber % 2 == 0);
        const std::uint32_t gap = ::reviewGap(testLength, poolSize);
        std::uint32_t previous = 0;
        for (std::uint32_t at : run.reviewsAt) {
            QVERIFY2(at - previous >= gap + 1,
                     qPrintable(QStringLiteral("review at %1 after %2").arg(at).arg(previous)));
            previous = at;
        }
        reviewsSeen += int(run.reviewsAt.size());
    }
    QVERIFY(reviewsSeen > 100);
}

void TestWordSelection::oneWrongAnswer_comesBackAtTheFirstReview()
{
    for (int runNumber = 0; runNumber < 50; ++runNumber) {
        std::vector<__word> pool = makePool(20);
        std::uint32_t wrongWord = UINT32_MAX;
        const auto answer = [&](std::uint32_t number, std::uint32_t index) {
            wrongWord = number == 1 ? index : wrongWord;
            return number != 1;
        };
        const Run run = runTest(pool, 10, answer, true);
        // The word comes back at the first review, question 5. One correct review shortens the distance a wrong
        // answer made; the second closes it.
        QCOMPARE(run.reviewsAt, (std::vector<std::uint32_t>{5, 10}));
        QCOMPARE(run.picks[4].index, wrongWord);
        QCOMPARE(run.picks[9].index, wrongWord);
    }
}

void TestWordSelection::weakWords_data()
{
    // Every word asked "asked" times with score "asked"; "weak" changes words as {index, timesAsked, score, lastAsked}.
    QTest::addColumn<int>("poolSize");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QList<QList<int>>>("weak");
    QTest::addColumn<int>("number");
    QTest::addColumn<QList<int>>("reviewed"); // the words a review draw chose; empty: no review
    QTest::addRow("single weak word just asked: no review") << 6 << 1 << QList<QList<int>>{{3, 1, 0, 9}} << 10
                                                             << QList<int>{};
    QTest::addRow("single weak word one question later") << 6 << 1 << QList<QList<int>>{{3, 1, 0, 9}} << 11
                                                          << QList<int>{3};
    QTest::addRow("two weak words: the more recent waits")
        << 8 << 2 << QList<QList<int>>{{2, 2, 1, 30}, {6, 2, 0, 12}} << 40 << QList<int>{6};
    // The latest lastAsked over the weak words is 20 (word 5), which is no candidate: both candidates stay.
    QTest::addRow("the weak words asked least are the candidates")
        << 8 << 3 << QList<QList<int>>{{1, 2, 1, 5}, {4, 2, 0, 7}, {5, 3, 2, 20}} << 40 << QList<int>{1, 4};
}

void TestWordSelection::weakWords()
{
    QFETCH(int, poolSize);
    QFETCH(int, asked);
    QFETCH(QList<QList<int>>, weak);
    QFETCH(int, number);
    QFETCH(QList<int>, reviewed);
    std::vector<__word> pool = makePool(std::size_t(poolSize));
    for (__word& w : pool)
        w.timesAsked = w.score = asked;
    for (const QList<int>& w : weak) {
        pool[std::size_t(w[0])].timesAsked = std::uint32_t(w[1]);
        pool[std::size_t(w[0])].score = w[2];
        pool[std::size_t(w[0])].lastAsked = std::uint32_t(w[3]);
    }
    QSet<int> chosen;
    for (int i = 0; i < 100; ++i) {
        std::uint32_t lastReviewAt = 0;
        const WordPick pick = pickWord(&pool, 100, std::uint32_t(number), &lastReviewAt);
        QCOMPARE(pick.leastAskedPick, reviewed.isEmpty());
        QCOMPARE(lastReviewAt, reviewed.isEmpty() ? 0u : std::uint32_t(number));
        if (!pick.leastAskedPick)
            chosen.insert(int(pick.index));
    }
    QCOMPARE(chosen, QSet<int>(reviewed.begin(), reviewed.end()));
}

void TestWordSelection::index_drawsExactlyAsTheFullScan()
{
    std::mt19937 random(11);
    for (int runNumber = 0; runNumber < 200; ++runNumber) {
        const std::size_t poolSize = 1 + random() % 80;
        const std::uint32_t testLength = 1 + random() % 500;
        std::vector<bool> answers(testLength);
        for (std::uint32_t i = 0; i < testLength; ++i)
            answers[i] = random() % 3 != 0;
        const auto answer = [&](std::uint32_t number, std::uint32_t) { return bool(answers[number - 1]); };

        const unsigned firstSeed = nextSeed;
        std::vector<__word> scanned = makePool(poolSize);
        const Run byScan = runTest(scanned, testLength, answer, false);
        nextSeed = firstSeed;
        std::vector<__word> indexed = makePool(poolSize);
        const Run byIndex = runTest(indexed, testLength, answer, true);

        QCOMPARE(byIndex.picks.size(), byScan.picks.size());
        for (std::size_t i = 0; i < byScan.picks.size(); ++i) {
            QCOMPARE(byIndex.picks[i].index, byScan.picks[i].index);
            QCOMPARE(byIndex.picks[i].leastAskedPick, byScan.picks[i].leastAskedPick);
        }
    }
}

void TestWordSelection::markWordAnswered_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<quint32>("timesAsked");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<bool>("leastAsked");
    QTest::addColumn<int>("newScore");

    QTest::addRow("correct, least-asked: keeps the distance") << 1 << 3u << true << true << 2;
    QTest::addRow("correct review, far behind: gains two") << 1 << 3u << true << false << 3;
    QTest::addRow("correct review, one behind: catches up") << 2 << 3u << true << false << 4;
    QTest::addRow("correct review, even: catches up") << 3 << 3u << true << false << 4;
    QTest::addRow("wrong: loses one") << 3 << 3u << false << true << 2;
    QTest::addRow("wrong review: loses one") << -2 << 3u << false << false << -3;
}

void TestWordSelection::markWordAnswered()
{
    QFETCH(int, score);
    QFETCH(quint32, timesAsked);
    QFETCH(bool, correct);
    QFETCH(bool, leastAsked);
    QFETCH(int, newScore);
    __word word = makePool(1)[0];
    word.score = score;
    word.timesAsked = timesAsked;
    ::markWordAnswered(&word, 17, correct, leastAsked);
    QCOMPARE(word.score, newScore);
    QCOMPARE(word.timesAsked, timesAsked + 1);
    QCOMPARE(word.lastAsked, 17u);
}

QTEST_APPLESS_MAIN(TestWordSelection)
#include "tst_wordselection.moc"
