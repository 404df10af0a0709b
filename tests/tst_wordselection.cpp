#include "words/wordselection.h"

#include <QtTest>

#include <random>

struct Run
{
    std::vector<std::uint32_t> indexes, reviewsAt;
};

// Runs a whole test over a fresh pool, the answer to question n being correct when correct[n - 1] is.
static Run runTest(std::size_t poolSize, const std::vector<bool>& correct, bool useIndex)
{
    const auto testLength = std::uint32_t(correct.size());
    std::vector<__word> pool(poolSize, __word{{u'w'}, 0, 0, 0});
    Run run;
    WordPoolIndex index;
    index.rebuild(pool);
    std::uint32_t lastReviewAt = 0;
    for (std::uint32_t number = 1; number <= testLength; ++number) {
        const WordPick pick = useIndex ? pickWord(&pool, testLength, number, &lastReviewAt, index)
                                       : pickWord(&pool, testLength, number, &lastReviewAt);
        run.indexes.push_back(pick.index);
        if (!pick.leastAskedPick)
            run.reviewsAt.push_back(number);
        markWordAnswered(&pool[pick.index], number, correct[number - 1], pick.leastAskedPick);
        index.wordChanged(pool, pick.index);
    }
    return run;
}

class TestWordSelection : public QObject
{
    Q_OBJECT

    static inline unsigned nextSeed = 1;
    static unsigned countingSeed() { return nextSeed++; }

private slots:
    void init() { setDrawSeedForTesting(countingSeed); }

    void reviewGap_byTestLengthAndPoolSize()
    {
        // Up to each test length: the gap for pools of 29 words and fewer, and of 30 and more.
        const std::uint32_t rows[][3] = {{10, 4, 4},    {30, 4, 5},     {100, 5, 6},    {300, 7, 10},
                                         {1000, 9, 15}, {3000, 15, 24}, {10000, 40, 40}};
        std::uint32_t first = 1;
        for (const auto& row : rows) {
            for (std::uint32_t n : {first, row[0]})
                QCOMPARE(QList<quint32>({n, reviewGap(n, 29), reviewGap(n, 30)}), QList<quint32>({n, row[1], row[2]}));
            first = row[0] + 1;
        }
    }

    void randomTests_followTheDrawRules()
    {
        std::mt19937 random(7);
        int reviewsSeen = 0;
        for (int runNumber = 0; runNumber < 400; ++runNumber) {
            const std::size_t poolSize = 1 + random() % 80;
            const std::uint32_t testLength = 1 + random() % 500;
            const std::uint32_t wrongRate = runNumber % 4 == 0 ? 0 : random() % 100;
            std::vector<bool> answers(testLength);
            std::generate(answers.begin(), answers.end(), [&] { return random() % 100 >= wrongRate; });
            const unsigned firstSeed = nextSeed;
            const Run byScan = runTest(poolSize, answers, false);
            nextSeed = firstSeed;
            const Run byIndex = runTest(poolSize, answers, true);
            QVERIFY(byIndex.indexes == byScan.indexes && byIndex.reviewsAt == byScan.reviewsAt);
            const std::vector<std::uint32_t>& at = byScan.reviewsAt;
            for (std::size_t i = 0; i < at.size(); ++i)
                QVERIFY(at[i] - (i == 0 ? 0 : at[i - 1]) > reviewGap(testLength, poolSize));
            reviewsSeen += int(at.size());
            // All correct: no reviews, and question q plays a word asked q / poolSize times before.
            std::vector<std::uint32_t> asked(poolSize);
            for (std::uint32_t q = 0; q < testLength && wrongRate == 0; ++q)
                QCOMPARE(asked[byScan.indexes[q]]++, q / poolSize);
            QVERIFY(wrongRate != 0 || at.empty());
        }
        QVERIFY(reviewsSeen > 100);
    }

    void reviewDraw_takesTheWeakWordsAskedLeast()
    {
        // Eight words asked three times, all correct, but the weak ones, as {index, timesAsked, score, lastAsked};
        // the question; the words review draws chose, none when no review is due.
        const std::tuple<std::vector<std::vector<int>>, std::uint32_t, QSet<std::uint32_t>> rows[] = {
            {{{3, 3, 2, 9}}, 10, {}},                  // the only weak word, just asked, waits
            {{{3, 3, 2, 9}}, 11, {3}},                 // one question later it is due
            {{{2, 2, 1, 30}, {6, 2, 0, 12}}, 40, {6}}, // of two, the more recent waits
            // Only those asked least; the most recent, 5, is none of them, so neither waits.
            {{{1, 2, 1, 5}, {4, 2, 0, 7}, {5, 3, 2, 20}, {6, 3, 1, 9}}, 40, {1, 4}},
        };
        for (const auto& [weak, number, reviewed] : rows) {
            std::vector<__word> pool(8, __word{{u'w'}, 3, 3, 0});
            for (const auto& w : weak)
                pool[std::size_t(w[0])] = __word{{u'w'}, w[2], std::uint32_t(w[1]), std::uint32_t(w[3])};
            QSet<std::uint32_t> chosen;
            for (int i = 0; i < 100; ++i) {
                std::uint32_t lastReviewAt = 0;
                const WordPick pick = pickWord(&pool, 100, number, &lastReviewAt);
                QCOMPARE(lastReviewAt, pick.leastAskedPick ? 0u : number);
                if (!pick.leastAskedPick)
                    chosen.insert(pick.index);
            }
            QCOMPARE(chosen, reviewed);
        }
    }

    void markWordAnswered_scoresByDrawAndAnswer()
    {
        // {score, correct, least-asked draw, new score} for a word asked three times before: a correct least-asked
        // answer keeps the distance, a correct review gains two or catches up, a wrong answer loses one.
        const int rows[][4] = {{1, true, true, 2}, {1, true, false, 3}, {3, true, false, 4}, {3, false, true, 2}};
        for (const auto& row : rows) {
            __word word{{u'w'}, row[0], 3, 0};
            ::markWordAnswered(&word, 17, row[1], row[2]);
            QCOMPARE(QList<qint64>({row[0], row[1], row[2], word.score, word.timesAsked, word.lastAsked}),
                     QList<qint64>({row[0], row[1], row[2], row[3], 4, 17}));
        }
    }
};

QTEST_APPLESS_MAIN(TestWordSelection)
#include "tst_wordselection.moc"
