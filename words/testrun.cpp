#include "testrun.h"

#include "history.h"
#include "judging.h"
#include "settings/options.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>

#include <algorithm>
#include <cstring>
#include <future>

namespace {

std::int64_t (*clockForTesting)() = nullptr;

std::int64_t nowMilliseconds()
{
    return clockForTesting != nullptr ? clockForTesting() : QDateTime::currentMSecsSinceEpoch();
}

} // namespace

void TestRun::setClockForTesting(std::int64_t (*milliseconds)())
{
    clockForTesting = milliseconds;
}

TestRun::TestRun(History* history) : m_history(history) {}

TestRun::StartResult TestRun::start(const std::vector<__dictionary>& dictionaries, std::uint32_t testLength,
                                    bool remember, Kind kind)
{
    stop();
    m_number = 0;
    m_correct = 0;
    m_wrong = 0;
    m_lastReviewAt = 0;
    m_answers.clear();
    m_length = std::clamp<std::uint32_t>(testLength, MIN_TEST_LENGTH, MAX_TEST_LENGTH);

    if (dictionaries.empty())
        return NoDictionary;
    const bool anySelected =
        std::any_of(dictionaries.begin(), dictionaries.end(), [](const __dictionary& d) { return d.selected != 0; });
    const bool dueOnly = kind != AllWords;
    const bool useHistory = (remember || dueOnly) && anySelected && m_history != nullptr && m_history->isOpen();
    // The history of the selected folders is read while the folders are listed, which takes as long.
    std::future<FolderHistories> early;
    if (useHistory)
        early = std::async(std::launch::async, readHistories, m_history, dictionaries);
    collectWords(&m_pool, &dictionaries);
    if (!anySelected) {
        m_pool.clear();
        return NothingSelected;
    }
    if (m_pool.empty())
        return NoRecordings;

    m_startedAt = nowMilliseconds();
    m_historyLoaded = false;
    m_unloaded.clear();
    m_due.clear();
    if (useHistory)
        loadHistory(remember, kind, early.get());
    else
        m_folders.clear();
    if (dueOnly) {
        if (m_due.empty())
            return kind == ChosenWords ? NoneChosen : NothingDue;
        // Chosen words are asked all, whatever the usual length.
        m_length = kind == ChosenWords ? std::min<std::uint32_t>(m_due.size(), MAX_TEST_LENGTH)
                                       : std::min<std::uint32_t>(m_length, static_cast<std::uint32_t>(m_due.size()));
    }
    m_dueToAsk = std::min<std::uint32_t>(dueShare(m_length, dueOnly), static_cast<std::uint32_t>(m_due.size()));
    m_index.rebuild(m_pool);
    m_running = true;
    return Started;
}

namespace {

// True when the recording lies straight in the folder, whose path has the given length: the test for "same
// folder as the word before" without building a string per word.
bool inFolder(const char16_t* path, const QString& folder)
{
    const int length = static_cast<int>(folder.size());
    if (std::memcmp(path, folder.utf16(), sizeof(char16_t) * static_cast<std::size_t>(length)) != 0 ||
        path[length] != u'/')
        return false;
    for (const char16_t* c = path + length + 1; *c != 0; ++c) {
        if (*c == u'/')
            return false;
    }
    return true;
}

} // namespace

TestRun::KnownWords TestRun::readKnownWords(const History& history, const QString& folder)
{
    KnownWords known;
    history.visitWordsOf(folder, [&known](QStringView word, const WordHistory& wordHistory) {
        known.words.emplace_back(word.toString());
        known.byWord.insert(QStringView(known.words.back()), wordHistory);
    });
    return known;
}

TestRun::FolderHistories TestRun::readHistories(const History* history, std::vector<__dictionary> dictionaries)
{
    FolderHistories read;
    for (const __dictionary& dictionary : dictionaries) {
        const QString folder = QString::fromUtf16(dictionary.path);
        if (dictionary.selected != 0 && read.find(folder) == read.end())
            read.emplace(folder, readKnownWords(*history, folder));
    }
    return read;
}

void TestRun::loadHistory(bool remember, Kind kind, const FolderHistories& early)
{
    const std::int64_t now = m_startedAt / 1000;
    m_folders.clear();
    m_historyOf.assign(m_pool.size(), 0);
    m_histories.clear();
    m_histories.reserve(m_pool.size());
    m_folderOf.assign(m_pool.size(), 0);
    // The pool holds each dictionary's words together; each is matched by its name in the pool, with no string
    // made per word, against its folder's words read beside the listing.
    QHash<QStringView, std::uint32_t> slotOf;
    const KnownWords* known = nullptr;
    KnownWords late;
    for (std::size_t i = 0; i < m_pool.size(); ++i) {
        const char16_t* path = m_pool[i].path;
        if (m_folders.empty() || !inFolder(path, m_folders.back())) {
            m_folders.push_back(folderOfPath(path));
            const auto found = early.find(m_folders.back());
            // A folder whose path was cut in the pool is read now.
            if (found == early.end()) {
                late = readKnownWords(*m_history, m_folders.back());
                known = &late;
            } else {
                known = &found->second;
            }
            slotOf.clear();
            slotOf.reserve(static_cast<int>(std::min<std::size_t>(m_pool.size() - i, MAX_POOL_WORDS)));
        }
        m_folderOf[i] = static_cast<std::uint32_t>(m_folders.size() - 1);
        // Two recordings of one word in one folder, "a.wav" and "a.mp3", are one word with one history.
        const QStringView word = wordViewOfPath(path);
        std::uint32_t& slot = slotOf[word]; // one more than the slot; 0 for a word not met yet
        if (slot == 0) {
            m_histories.push_back(known->byWord.value(word));
            slot = static_cast<std::uint32_t>(m_histories.size());
        }
        m_historyOf[i] = slot - 1;
    }
    m_historyLoaded = true;

    m_dueAtStart.assign(m_histories.size(), 0);
    for (std::size_t i = 0; i < m_pool.size(); ++i) {
        const std::uint32_t slot = m_historyOf[i];
        if (remember) {
            // Every word starts where the earlier tests left it, so the least asked come first across tests.
            m_pool[i].timesAsked = m_histories[slot].asked;
            m_pool[i].score = static_cast<std::int32_t>(std::min<std::uint32_t>(m_histories[slot].asked, INT32_MAX));
        }
        // A word with two recordings is asked once among the due words.
        if (m_dueAtStart[slot] == 0 && isDue(m_histories[slot], now)) {
            m_dueAtStart[slot] = 1;
            if (kind != ChosenWords)
                m_due.push_back(static_cast<std::uint32_t>(i));
        }
    }
    if (kind == ChosenWords) {
        askChosenFirst();
        return;
    }
    // The longest overdue first; among equals, the order of the pool.
    std::stable_sort(m_due.begin(), m_due.end(), [this](std::uint32_t a, std::uint32_t b) {
        return m_histories[m_historyOf[a]].due < m_histories[m_historyOf[b]].due;
    });
}

void TestRun::askChosenFirst()
{
    // The first recording of each chosen word, by folder and word.
    QHash<QString, std::uint32_t> firstOf;
    for (std::size_t i = m_pool.size(); i-- > 0;)
        firstOf[m_folders[m_folderOf[i]] + QChar(u'/') + wordViewOfPath(m_pool[i].path).toString()] =
            static_cast<std::uint32_t>(i);
    std::vector<unsigned char> taken(m_histories.size(), 0);
    for (const ChosenWord& chosen : m_chosen) {
        const auto found = firstOf.constFind(chosen.folder + QChar(u'/') + chosen.word);
        if (found == firstOf.constEnd() || taken[m_historyOf[*found]] != 0)
            continue;
        taken[m_historyOf[*found]] = 1;
        m_due.push_back(*found);
    }
}

void TestRun::stop()
{
    m_running = false;
    m_number = 0;
    m_current = 0;
    m_judged = false;
}

bool TestRun::next()
{
    if (!m_running || m_number >= m_length || m_pool.empty())
        return false;
    ++m_number;
    m_judged = false;
    if (m_number <= m_dueToAsk) {
        m_current = m_due[m_number - 1];
        // Asked as a least-asked word would be: a due word answered right is not weak in this test.
        m_leastAskedPick = true;
    } else {
        const WordPick pick = pickWord(&m_pool, m_length, m_number, &m_lastReviewAt, m_index);
        m_current = pick.index;
        m_leastAskedPick = pick.leastAskedPick;
    }
    m_plays = 1;
    m_hints = 0;
    m_askedAt = nowMilliseconds();
    return true;
}

void TestRun::playedAgain()
{
    if (wordAsked() && !m_judged)
        ++m_plays;
}

QString TestRun::hint(const QString& typed)
{
    if (!wordAsked() || m_judged)
        return typed;
    ++m_hints;
    return hintFor(wordOfPath(m_pool[m_current].path), typed, m_rules);
}

QString TestRun::currentPath() const
{
    return wordAsked() ? QString::fromUtf16(m_pool[m_current].path) : QString();
}

QString TestRun::currentWord() const
{
    return wordAsked() ? wordOfPath(m_pool[m_current].path) : QString();
}

TestRun::Judgement TestRun::judge(const QString& typed)
{
    if (!wordAsked() || m_judged)
        return {false, QString()};
    m_judged = true;
    __word& record = m_pool[m_current];
    const QString word = wordOfPath(record.path);
    // An answer helped by a hint is kept as wrong: the word is not known yet.
    const bool spelt = answerIsRight(word, typed, m_rules);
    const bool correct = spelt && m_hints == 0;
    markWordAnswered(&record, m_number, correct, m_leastAskedPick);
    m_index.wordChanged(m_pool, m_current);
    if (correct)
        ++m_correct;
    else
        ++m_wrong;

    const std::int64_t now = nowMilliseconds();
    if (m_history != nullptr && m_history->isOpen()) {
        AnswerRecord answer;
        answer.folder = m_historyLoaded ? m_folders[m_folderOf[m_current]] : folderOfPath(record.path);
        answer.word = word;
        answer.at = now / 1000;
        answer.typed = typed;
        answer.correct = correct;
        answer.plays = m_plays;
        answer.hints = m_hints;
        answer.milliseconds = static_cast<std::uint32_t>(std::clamp<std::int64_t>(now - m_askedAt, 0, UINT32_MAX));
        WordHistory before;
        bool dueThisTest = false;
        if (m_historyLoaded) {
            before = m_histories[m_historyOf[m_current]];
            dueThisTest = m_dueAtStart[m_historyOf[m_current]] != 0;
        } else {
            // Not remembering, the history is read one word at a time as the test answers it.
            const QString key = answer.folder + QChar(u'/') + word;
            auto known = m_unloaded.find(key);
            if (known == m_unloaded.end()) {
                const WordHistory stored = m_history->wordOf(answer.folder, word);
                known = m_unloaded.insert(key, {stored, isDue(stored, m_startedAt / 1000)});
            }
            before = known->first;
            dueThisTest = known->second;
            *known = {before, false};
        }
        WordHistory after = afterAnswer(before, correct, dueThisTest, answer.at);
        after.asked = before.asked + 1;
        if (m_historyLoaded) {
            m_histories[m_historyOf[m_current]] = after;
            // A step is taken once per test; a miss keeps the word due for the next one.
            m_dueAtStart[m_historyOf[m_current]] = 0;
        }
        if (!m_historyLoaded)
            m_unloaded[answer.folder + QChar(u'/') + word].first = after;
        m_history->record(answer, after);
    }

    __answer stored;
    std::memset(&stored, 0, sizeof stored);
    stored.number = m_number;
    wcslcpy(stored.word, reinterpret_cast<const char16_t*>(word.utf16()), PATH_UNITS);
    stored.correct = correct ? 1 : 0;
    m_answers.push_back(stored);
    if (m_number == m_length) {
        m_running = false;
        writeStatistics(m_answers, m_correct);
        m_answers.clear();
    }
    if (correct)
        return {true, QStringLiteral("<p align='center'>") + QCoreApplication::translate("TestRun", "OK") +
                          QStringLiteral("</p>")};
    if (spelt)
        return {false, QStringLiteral("<p align='center'>") +
                           QCoreApplication::translate("TestRun", "OK, with a hint") + QStringLiteral("</p>")};
    QString marked = markAnswer(word, typed, m_rules);
    if (m_hints > 0)
        marked.insert(marked.size() - 4, QCoreApplication::translate("TestRun", " (with a hint)"));
    return {false, marked};
}
