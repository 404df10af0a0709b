#include "progressreport.h"

#include "platform/appfolders.h"
#include "statistics/statisticsfile.h"
#include "statistics/statisticslist.h"
#include "text/csv.h"
#include "words/history.h"
#include "words/wordpool.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <map>

namespace {

bool stopped(const std::atomic<bool>* stop)
{
    return stop != nullptr && stop->load(std::memory_order_relaxed);
}

std::vector<StoredTestScore> readScores(const std::atomic<bool>* stop)
{
    std::vector<std::u16string> stamps;
    listStatistics(stamps, CHARTED_TESTS);
    std::vector<StoredTestScore> tests;
    tests.reserve(stamps.size());
    for (auto stamp = stamps.rbegin(); stamp != stamps.rend() && !stopped(stop); ++stamp) {
        const QString text = QString::fromStdU16String(*stamp);
        char16_t path[PATH_UNITS];
        if (!platform::storedTestPath(text, path, PATH_UNITS, false))
            continue;
        const StatisticsReader reader(path);
        if (!reader.isOpen())
            continue;
        StoredTestScore score;
        score.when = QDateTime::fromString(text, QStringLiteral("dd.MM.yyyy HH-mm-ss"));
        score.asked = static_cast<int>(std::min<std::uint32_t>(reader.answerCount(), INT32_MAX));
        score.right = static_cast<int>(std::min<std::uint32_t>(reader.correctCount(), reader.answerCount()));
        tests.push_back(score);
    }
    return tests;
}

QString keyOf(const QString& folder, QStringView word)
{
    QString key;
    key.reserve(folder.size() + 1 + word.size());
    key.append(folder).append(QChar(u'/')).append(word.data(), word.size());
    return key;
}

struct Tally
{
    QString folder;
    QString word;
    int asked = 0;
    int missed = 0;
    std::int64_t lastAsked = 0;
    // The typed answers in the order first met, newest first, with their counts.
    std::vector<std::pair<QString, int>> misspellings;
};

} // namespace

ProgressReport readProgress(const QString& historyPath, const std::vector<__dictionary>& dictionaries, std::int64_t now,
                            const std::atomic<bool>* stop)
{
    ProgressReport report;
    report.tests = readScores(stop);
    History history;
    if (stopped(stop) || history.openForReading(historyPath) != History::Opened)
        return report;
    report.historyRead = true;

    // Each selected dictionary's words, and what the history knows of them.
    QHash<QString, WordHistory> known;
    // Per folder, its words that have recordings, and what the answers say of each.
    struct FolderWords
    {
        QSet<QString> recorded;
        QHash<QString, Tally> tallies;
    };
    std::map<QString, FolderWords> folders;
    for (const __dictionary& dictionary : dictionaries) {
        if (dictionary.selected == 0 || stopped(stop))
            continue;
        std::vector<__word> pool;
        const std::vector<__dictionary> one{dictionary};
        collectWords(&pool, &one);
        DictionaryStanding standing;
        standing.name = dictionaryName(dictionary.path);
        const QString folder = pool.empty() ? QString::fromUtf16(dictionary.path) : folderOfPath(pool[0].path);
        const bool firstTime = folders.find(folder) == folders.end();
        FolderWords& words = folders[folder];
        if (firstTime)
            history.visitWordsOf(folder, [&](QStringView word, const WordHistory& wordHistory) {
                known.insert(keyOf(folder, word), wordHistory);
            });
        QSet<QStringView> counted;
        for (const __word& recording : pool) {
            const QStringView word = wordViewOfPath(recording.path);
            if (counted.contains(word))
                continue;
            counted.insert(word);
            words.recorded.insert(word.toString());
            const WordHistory wordHistory = known.value(keyOf(folder, word));
            if (wordHistory.step > 0)
                ++standing.learning;
            else if (wordHistory.asked > 0)
                ++standing.known;
            else
                ++standing.fresh;
        }
        report.dictionaries.push_back(standing);
    }

    // One sweep over every answer, newest first: the words missed and the slips of the last days.
    SlipCounter slips;
    QString lastFolder;
    FolderWords* inFolder = nullptr;
    std::int64_t answersRead = 0;
    const std::int64_t slipsSince = now - std::int64_t(SLIP_DAYS) * 24 * 60 * 60;
    history.visitAnswers(History::NewestFirst, 0, [&](const AnswerRecord& answer) {
        if ((++answersRead & 4095) == 0 && stopped(stop))
            return false;
        if (!answer.correct && answer.at >= slipsSince && answer.at <= now) {
            slips.add(answer.word, answer.typed);
        }
        if (inFolder == nullptr || answer.folder != lastFolder) {
            lastFolder = answer.folder;
            const auto found = folders.find(answer.folder);
            inFolder = found == folders.end() ? nullptr : &found->second;
        }
        if (inFolder == nullptr || !inFolder->recorded.contains(answer.word))
            return true;
        Tally& tally = inFolder->tallies[answer.word];
        if (tally.asked == 0) {
            tally.folder = answer.folder;
            tally.word = answer.word;
            tally.lastAsked = answer.at;
        }
        ++tally.asked;
        if (!answer.correct) {
            ++tally.missed;
            const QString typed = answer.typed.toCaseFolded();
            const auto same = std::find_if(tally.misspellings.begin(), tally.misspellings.end(),
                                           [&](const auto& seen) { return seen.first.toCaseFolded() == typed; });
            if (same != tally.misspellings.end())
                ++same->second;
            else
                tally.misspellings.emplace_back(answer.typed, 1);
        }
        return true;
    });
    report.slips = slips.mostFrequent(SLIP_KINDS_SHOWN);

    std::vector<Tally*> missed;
    for (auto& [folder, words] : folders)
        for (Tally& tally : words.tallies)
            if (tally.missed > 0)
                missed.push_back(&tally);
    // Most misses first; then the larger share missed, the latest asked, the word.
    const auto worse = [](const Tally* a, const Tally* b) {
        if (a->missed != b->missed)
            return a->missed > b->missed;
        const std::int64_t left = std::int64_t(a->missed) * b->asked;
        const std::int64_t right = std::int64_t(b->missed) * a->asked;
        if (left != right)
            return left > right;
        if (a->lastAsked != b->lastAsked)
            return a->lastAsked > b->lastAsked;
        return a->word < b->word;
    };
    const std::size_t listed = std::min(missed.size(), WORDS_TO_PRACTISE);
    std::partial_sort(missed.begin(), missed.begin() + static_cast<std::ptrdiff_t>(listed), missed.end(), worse);
    for (std::size_t i = 0; i < listed; ++i) {
        Tally& tally = *missed[i];
        WordToPractise word;
        word.folder = tally.folder;
        word.word = tally.word;
        word.asked = tally.asked;
        word.missed = tally.missed;
        word.lastAsked = tally.lastAsked;
        const WordHistory wordHistory = known.value(keyOf(tally.folder, tally.word));
        word.nextDue = wordHistory.step > 0 ? wordHistory.due : 0;
        // Among equally frequent misspellings, the latest first.
        std::stable_sort(tally.misspellings.begin(), tally.misspellings.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        if (tally.misspellings.size() > MISSPELLINGS_KEPT)
            tally.misspellings.resize(MISSPELLINGS_KEPT);
        word.misspellings = std::move(tally.misspellings);
        report.words.push_back(std::move(word));
    }
    return report;
}

QByteArray answersCsv(const History& history)
{
    QByteArray csv("\xEF\xBB\xBF");
    csv += csvRecord({QStringLiteral("Date and time"), QStringLiteral("Dictionary"), QStringLiteral("Word"),
                      QStringLiteral("Typed"), QStringLiteral("Result"), QStringLiteral("Plays"),
                      QStringLiteral("Hints"), QStringLiteral("Seconds")})
               .toUtf8();
    QHash<QString, QString> names;
    history.visitAnswers(History::OldestFirst, 0, [&](const AnswerRecord& answer) {
        auto name = names.constFind(answer.folder);
        if (name == names.constEnd()) {
            char16_t path[PATH_UNITS];
            wcslcpy(path, reinterpret_cast<const char16_t*>(answer.folder.utf16()), PATH_UNITS);
            name = names.insert(answer.folder, answer.folder.isEmpty() ? QString() : dictionaryName(path));
        }
        // Not known for answers read in from the stored tests of before.
        const QString plays = answer.plays > 0 ? QString::number(answer.plays) : QString();
        const QString seconds =
            answer.milliseconds > 0 ? QString::number(answer.milliseconds / 1000.0, 'f', 1) : QString();
        csv +=
            csvRecord({QDateTime::fromSecsSinceEpoch(answer.at).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), *name,
                       answer.word, answer.typed, answer.correct ? QStringLiteral("right") : QStringLiteral("wrong"),
                       plays, QString::number(answer.hints), seconds})
                .toUtf8();
        return true;
    });
    return csv;
}
