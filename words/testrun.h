#pragma once
// One dictation test without its window: the words it draws from, their counters, the word being asked, the
// judging of each answer, and keeping it: the finished test as a stored test, every answer in the history.

#include "dictionaries/dictionaries.h"
#include "judging.h"
#include "schedule.h"
#include "statistics/statisticsfile.h"
#include "wordpool.h"
#include "wordselection.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <deque>
#include <map>
#include <utility>
#include <vector>

class History;

class TestRun
{
public:
    enum Kind
    {
        AllWords,    // due words first, up to half of the test, then the least asked
        DueWords,    // only the words that are due, as many as the test takes
        ChosenWords, // only the words given to choose(), each once, in that order
    };
    // A word as the history knows it: its dictionary folder and the word.
    struct ChosenWord
    {
        QString folder;
        QString word;
    };
    enum StartResult
    {
        Started,
        NoDictionary,    // the list is empty
        NothingSelected, // no dictionary is selected
        NoRecordings,    // the selected dictionaries hold no recordings
        NothingDue,      // no word of the selected dictionaries is due
        NoneChosen,      // no chosen word has a recording in the selected dictionaries
    };
    struct Judgement
    {
        bool correct;
        // "OK", or the word with the letters the answer got wrong in red.
        QString html;
    };

    // Without a history nothing is remembered between tests, and no word is ever due.
    explicit TestRun(History* history = nullptr);

    // With remember off, the counters start at 0 as if no test had come before; the history is still written.
    StartResult start(const std::vector<__dictionary>& dictionaries, std::uint32_t testLength, bool remember,
                      Kind kind = AllWords);
    // The words the next start of ChosenWords asks.
    void choose(std::vector<ChosenWord> words) { m_chosen = std::move(words); }
    // Ends the test where it is; nothing more is stored.
    void stop();
    // Asks the next word; false when the test is not running or every word of it has been asked.
    bool next();
    // Judges the answer to the word being asked and keeps it; the last answer stores the finished test.
    Judgement judge(const QString& typed);
    // The word being asked was played once more.
    void playedAgain();
    // What the answer line holds after a hint for the word being asked; the answer then counts as wrong.
    QString hint(const QString& typed);
    // What counts in judging, from the next answer on.
    void setJudgingRules(const JudgingRules& rules) { m_rules = rules; }

    bool isRunning() const { return m_running; }
    // A word is being asked and waits for its answer or has just been judged.
    bool wordAsked() const { return m_running && m_current < m_pool.size(); }
    // Every word of the test has been answered.
    bool hasEnded() const { return !m_running && m_length > 0 && m_number == m_length; }
    QString currentPath() const;
    QString currentWord() const;
    std::uint32_t number() const { return m_number; }
    std::uint32_t length() const { return m_length; }
    std::uint32_t correctCount() const { return m_correct; }
    std::uint32_t wrongCount() const { return m_wrong; }

    // Replaces the clock, in milliseconds since the epoch; null restores it.
    static void setClockForTesting(std::int64_t (*milliseconds)());

private:
    // A folder's words in the history, by word; the words are kept here, so the views stay valid.
    struct KnownWords
    {
        std::deque<QString> words;
        QHash<QStringView, WordHistory> byWord;
    };
    using FolderHistories = std::map<QString, KnownWords>;
    static KnownWords readKnownWords(const History& history, const QString& folder);
    // The selected dictionaries' words in the history; runs beside the listing of the folders.
    static FolderHistories readHistories(const History* history, std::vector<__dictionary> dictionaries);
    // Matches the pool's words with their history; remember starts their counters from it.
    void loadHistory(bool remember, Kind kind, const FolderHistories& early);
    // Puts the chosen words that the pool holds first, in their order.
    void askChosenFirst();

    History* m_history;
    std::vector<ChosenWord> m_chosen;
    std::vector<__word> m_pool;
    WordPoolIndex m_index;
    // Per word of the pool: its dictionary folder, and its place in the histories below. Two recordings of one
    // word in one folder share a history.
    std::vector<QString> m_folders;
    std::vector<std::uint32_t> m_folderOf;
    std::vector<std::uint32_t> m_historyOf;
    std::vector<WordHistory> m_histories;
    std::vector<unsigned char> m_dueAtStart;
    bool m_historyLoaded = false;
    // Without the histories loaded: each word answered in this test, by folder and word, with whether it was due
    // when the test started.
    QHash<QString, std::pair<WordHistory, bool>> m_unloaded;
    // The words due at the start, most overdue first, and how many of them this test asks first.
    std::vector<std::uint32_t> m_due;
    std::uint32_t m_dueToAsk = 0;
    std::vector<__answer> m_answers;
    bool m_running = false;
    bool m_judged = false;
    std::uint32_t m_length = 0;
    std::uint32_t m_number = 0;
    std::uint32_t m_correct = 0;
    std::uint32_t m_wrong = 0;
    std::uint32_t m_current = 0;
    bool m_leastAskedPick = false;
    std::uint32_t m_lastReviewAt = 0;
    std::int64_t m_startedAt = 0;
    std::int64_t m_askedAt = 0;
    std::uint32_t m_plays = 0;
    std::uint32_t m_hints = 0;
    JudgingRules m_rules;
};
