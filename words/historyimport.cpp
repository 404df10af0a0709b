#include "historyimport.h"

#include "history.h"
#include "platform/appfolders.h"
#include "statistics/statisticsfile.h"
#include "statistics/statisticslist.h"
#include "wordpool.h"

#include <QHash>
#include <QPair>
#include <QSet>
#include <QVector>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>

namespace {

// A word as the history keys it: the folder of its recording and the word as the recording spells it.
using WordKey = QPair<QString, QString>;

// "DD.MM.YYYY HH-MM-SS" in local time, as seconds since the epoch. mktime puts a field out of its range, which a
// file name may well have, into the next one rather than failing.
std::int64_t timeOfStamp(const std::u16string& stamp)
{
    std::tm local{};
    const QByteArray text = QString::fromStdU16String(stamp).toLatin1();
    if (std::sscanf(text.constData(), "%d.%d.%d %d-%d-%d", &local.tm_mday, &local.tm_mon, &local.tm_year,
                    &local.tm_hour, &local.tm_min, &local.tm_sec) != 6)
        return 0;
    local.tm_mon -= 1;
    local.tm_year -= 1900;
    local.tm_isdst = -1;
    const std::time_t at = std::mktime(&local);
    return at == static_cast<std::time_t>(-1) ? 0 : static_cast<std::int64_t>(at);
}

// Every recording of every listed dictionary, selected or not, by its word ignoring case. The word is spelt as the
// recording spells it, so the history of a word is the same however it comes in.
QHash<QString, QVector<WordKey>> recordingsByWord(const std::vector<__dictionary>& dictionaries)
{
    QHash<QString, QVector<WordKey>> byWord;
    std::vector<__word> pool;
    for (__dictionary dictionary : dictionaries) {
        // One at a time: a folder that cannot be listed then leaves out only itself.
        dictionary.selected = 1;
        const std::vector<__dictionary> one{dictionary};
        collectWords(&pool, &one);
        for (const __word& recording : pool) {
            const WordKey key{folderOfPath(recording.path), wordOfPath(recording.path)};
            QVector<WordKey>& places = byWord[key.second.toCaseFolded()];
            if (!places.contains(key))
                places.append(key);
        }
    }
    return byWord;
}

} // namespace

bool importStoredTests(History& history, const std::vector<__dictionary>& dictionaries, ImportProgress* progress)
{
    std::vector<std::u16string> stamps;
    listStatistics(stamps, SIZE_MAX);
    if (progress != nullptr) {
        progress->done = 0;
        progress->total = static_cast<int>(std::min<std::size_t>(stamps.size(), INT32_MAX));
    }
    const QHash<QString, QVector<WordKey>> byWord = recordingsByWord(dictionaries);

    // Each word's history as the tests go by, from what the history holds already.
    QHash<WordKey, WordHistory> words;
    QSet<QString> folders{QString()};
    for (const QVector<WordKey>& places : byWord) {
        for (const WordKey& key : places)
            folders.insert(key.first);
    }
    for (const QString& folder : folders) {
        const QHash<QString, WordHistory> kept = history.wordsOf(folder);
        for (auto word = kept.begin(); word != kept.end(); ++word)
            words.insert({folder, word.key()}, word.value());
    }

    if (!history.begin())
        return false;
    QSet<WordKey> askedThisTest;
    for (auto stamp = stamps.rbegin(); stamp != stamps.rend(); ++stamp) {
        if (progress != nullptr && progress->cancel) {
            history.rollback();
            return false;
        }
        char16_t path[PATH_UNITS];
        if (platform::storedTestPath(QString::fromStdU16String(*stamp), path, PATH_UNITS, false)) {
            // The file is written as the last answer is judged: the answers lead up to its stamp, a second apart.
            StatisticsReader reader(path);
            const std::int64_t startedAt = timeOfStamp(*stamp) - std::max<std::int64_t>(reader.wholeRecords(), 1) + 1;
            std::int64_t at = startedAt;
            askedThisTest.clear();
            __answer stored;
            while (reader.next(&stored)) {
                AnswerRecord answer;
                answer.at = at++;
                answer.correct = stored.correct != 0;
                const QString word = QString::fromUtf16(stored.word);
                // Only the word and the verdict are kept in a stored test; a right answer was the word itself.
                answer.typed = answer.correct ? word : QString();
                const auto found = byWord.constFind(word.toCaseFolded());
                const QVector<WordKey> places =
                    found != byWord.constEnd() ? *found : QVector<WordKey>{WordKey(QString(), word)};
                for (const WordKey& key : places) {
                    answer.folder = key.first;
                    answer.word = key.second;
                    WordHistory& kept = words[key];
                    // As in a live test: a word steps on once per test, and only when it was due at the start.
                    const bool dueThisTest = !askedThisTest.contains(key) && isDue(kept, startedAt);
                    askedThisTest.insert(key);
                    const std::uint32_t asked = kept.asked;
                    kept = afterAnswer(kept, answer.correct, dueThisTest, answer.at);
                    kept.asked = asked == UINT32_MAX ? asked : asked + 1;
                    if (!history.record(answer, kept)) {
                        history.rollback();
                        return false;
                    }
                }
            }
        }
        if (progress != nullptr)
            ++progress->done;
    }
    if (history.setStoredTestsImported() && history.commit())
        return true;
    history.rollback();
    return false;
}
