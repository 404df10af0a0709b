// The Progress window against its targets, with 10,000 stored tests and 200,000 answers in the history: painted
// within 200 ms of opening, the event loop never kept more than 100 ms while it fills. And how long sorting the
// slips of 200,000 wrong answers takes, beside the judging's own alignment of the same answers.

#include "benchutil.h"
#include "platform/appfolders.h"
#include "progress/dlgprogress.h"
#include "progress/progressreport.h"
#include "statistics/statisticsfile.h"
#include "windowwatch.h"
#include "words/history.h"
#include "words/judging.h"
#include "words/slips.h"
#include "words/wordpool.h"

#include <QApplication>
#include <QDateTime>
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <random>

namespace {

constexpr int STORED_TESTS = 10000;
constexpr int ANSWERS = 200000;
constexpr int WORDS = 2000;

// Words of two to four syllables, some with double letters, as a spelling list has.
QString wordNumber(int n)
{
    static const char* const syllables[] = {"let", "ter",  "ad",  "dress", "run", "ning", "be",  "lieve", "sep",
                                            "a",   "rate", "hap", "pi",    "ly",  "com",  "mit", "tee",   "o"};
    QString word;
    for (int k = 0; k < 2 + n % 3; ++k) {
        word += QLatin1String(syllables[n % 18]);
        n = n / 18 + k * 7 + 1;
    }
    return word;
}

// A slip such as learners make: a letter left out, doubled or swapped, a vowel changed, an ending changed.
QString misspelt(const QString& word, std::mt19937& random)
{
    const int at = static_cast<int>(random() % static_cast<unsigned>(word.size()));
    QString typed = word;
    switch (random() % 5) {
    case 0:
        return typed.remove(at, 1);
    case 1:
        return typed.insert(at, word.at(at));
    case 2:
        if (at + 1 < word.size()) {
            typed[at] = word.at(at + 1);
            typed[at + 1] = word.at(at);
        }
        return typed;
    case 3:
        typed[at] = QLatin1Char(QStringLiteral("aeiou").contains(typed[at]) ? 'z' : 'e');
        return typed;
    default:
        return typed.left(std::max(1, int(word.size()) - 2)) + QStringLiteral("id");
    }
}

struct Showing
{
    double paintedMs;
    double filledMs;
    double worstGapMs;
};

Showing open(const History& history, const std::vector<__dictionary>& dictionaries)
{
    QElapsedTimer clock;
    clock.start();
    LoopWatch loop;
    dlgProgress dialog(nullptr, history, dictionaries);
    PaintWatch painted(&dialog, clock, [] { return true; });
    dialog.show();
    while (painted.at < 0 || !dialog.isFilled())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const double filled = clock.nsecsElapsed() / 1e6;
    QTest::qWait(20);
    return {double(painted.at), filled, loop.worstMs};
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir root;
    useTemporaryFolders(root);
    QApplication application(argc, argv);

    // The stored tests, one an hour back from now.
    std::vector<__answer> answers(10);
    for (std::size_t i = 0; i < answers.size(); ++i) {
        std::memset(&answers[i], 0, sizeof(__answer));
        answers[i].number = static_cast<std::uint32_t>(i + 1);
        answers[i].correct = i % 3 != 0;
    }
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 0; i < STORED_TESTS; ++i) {
        const QDateTime at = now.addSecs(-3600LL * i);
        std::tm local{};
        local.tm_year = at.date().year() - 1900;
        local.tm_mon = at.date().month() - 1;
        local.tm_mday = at.date().day();
        local.tm_hour = at.time().hour();
        writeStatisticsAt(answers, static_cast<std::uint32_t>(i % 11), local);
    }

    // A dictionary of 2,000 words, and 200,000 answers to them over the last 60 days, one in four wrong.
    const QString folder = root.path() + QStringLiteral("/Words");
    QDir().mkpath(folder);
    for (int i = 0; i < WORDS; ++i)
        QFile(folder + QLatin1Char('/') + wordNumber(i) + QStringLiteral(".wav")).open(QIODevice::WriteOnly);
    std::vector<__dictionary> dictionaries(1);
    std::memset(&dictionaries[0], 0, sizeof(__dictionary));
    wcslcpy(dictionaries[0].path, reinterpret_cast<const char16_t*>(folder.utf16()), PATH_UNITS);
    dictionaries[0].selected = 1;
    std::vector<std::pair<QString, QString>> wrong;
    History history;
    if (history.open() != History::Created)
        return 2;
    std::mt19937 random(7);
    const std::int64_t start = now.toSecsSinceEpoch() - 60LL * 24 * 3600;
    history.begin();
    for (int i = 0; i < ANSWERS; ++i) {
        const QString word = wordNumber(static_cast<int>(random() % WORDS));
        const bool correct = random() % 4 != 0;
        const QString typed = correct ? word : misspelt(word, random);
        const std::int64_t at = start + std::int64_t(i) * 60LL * 24 * 3600 / ANSWERS;
        history.record({folder, word, at, typed, correct, 1, 3000}, afterAnswer({}, correct, false, at));
        if (!correct)
            wrong.emplace_back(word, typed);
    }
    history.setStoredTestsImported();
    history.commit();

    std::vector<double> painted, filled, gaps, reads;
    for (int round = 0; round < ROUNDS; ++round) {
        const Showing shown = open(history, dictionaries);
        painted.push_back(shown.paintedMs);
        filled.push_back(shown.filledMs);
        gaps.push_back(shown.worstGapMs);
        reads.push_back(secondsOf([&] {
            if (readProgress(history.path(), dictionaries, now.toSecsSinceEpoch()).words.empty())
                std::abort();
        }));
    }
    std::printf("Progress window with %d stored tests and %d answers: painted after %s (target: at most 200 ms), "
                "filled after %s; worst event-loop gap %s (target: at most 100 ms)\n",
                STORED_TESTS, ANSWERS, spread(painted, 1, "ms", 0).c_str(), spread(filled, 1, "ms", 0).c_str(),
                spread(gaps, 1, "ms", 0).c_str());
    std::printf("Reading it all beside the window: %s\n", spread(reads, 1e3, "ms", 0).c_str());

    // Every wrong answer sorted, against the judging's alignment of the same answers, side by side.
    wrong.resize(std::min<std::size_t>(wrong.size(), ANSWERS));
    while (wrong.size() < std::size_t(ANSWERS))
        wrong.push_back(wrong[wrong.size() % 1000]);
    std::vector<double> sorting, marking;
    for (int round = 0; round < ROUNDS; ++round) {
        SlipCounter counter;
        sorting.push_back(secondsOf([&] {
            for (const auto& [word, typed] : wrong)
                counter.add(word, typed);
        }));
        std::size_t length = 0;
        marking.push_back(secondsOf([&] {
            for (const auto& [word, typed] : wrong)
                length += static_cast<std::size_t>(markAnswer(word, typed).size());
        }));
        if (counter.mostFrequent(1).empty() || length == 0)
            return 3;
    }
    std::printf("Slips of %d wrong answers sorted in %s; marking the same answers for the screen takes %s: %.2f "
                "times as long (kept off the window's thread: over 50 ms)\n",
                ANSWERS, spread(sorting, 1e3, "ms", 0).c_str(), spread(marking, 1e3, "ms", 0).c_str(),
                median(sorting) / median(marking));
    return 0;
}
