#pragma once
// The word history: every answer ever given and, per word, when it comes back. Kept in one SQLite database in
// the data folder, each answer committed on its own.

#include "schedule.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <functional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// One judged answer, as it is kept.
struct AnswerRecord
{
    // The word is its recording: the dictionary folder and the word. An answer from a stored test whose word no
    // dictionary holds has an empty folder.
    QString folder;
    QString word;
    // Seconds since the epoch.
    std::int64_t at = 0;
    QString typed;
    bool correct = false;
    // Times the recording was played, Again included; 0 when not known.
    std::uint32_t plays = 0;
    // From the start of the word to the judging; 0 when not known.
    std::uint32_t milliseconds = 0;
    // Letters given away by hints before the answer.
    std::uint32_t hints = 0;
};

class History
{
public:
    enum OpenResult
    {
        Opened,      // the history there was opened
        Created,     // there was none; a new one was made
        SetAside,    // the file there could not be used; it was renamed aside and a new one made
        Unavailable, // no history could be opened or made: tests go on without it
    };

    History() = default;
    ~History();
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // Opens the history at path, or at the data folder's when path is empty.
    OpenResult open(const QString& path = QString());
    // Opens an existing history only to read it, beside the program's own connection: what a window reading on
    // a thread of its own uses. Opened or Unavailable; nothing is ever set aside or written.
    OpenResult openForReading(const QString& path);
    // The file open now; empty when none is.
    QString path() const { return m_db != nullptr ? m_path : QString(); }
    void close();
    bool isOpen() const { return m_db != nullptr; }
    // Where a file that could not be used was moved, after SetAside.
    QString setAsideTo() const { return m_setAsideTo; }

    // Every word of a dictionary folder that has been asked, by word.
    QHash<QString, WordHistory> wordsOf(const QString& folder) const;
    // The same, one word at a time without keeping them: what a test's start reads. The word's text is valid
    // only during the call.
    void visitWordsOf(const QString& folder, const std::function<void(QStringView, const WordHistory&)>& visit) const;
    // One word's history; a word never asked has the empty one.
    WordHistory wordOf(const QString& folder, const QString& word) const;
    // Keeps an answer and the word's history after it. Committed at once unless inside begin() and commit().
    bool record(const AnswerRecord& answer, const WordHistory& after);

    // Groups many records into one commit; rollback() drops all of them.
    bool begin();
    bool commit();
    void rollback();

    // True once the stored tests from before the history have been read into it.
    bool storedTestsImported() const;
    bool setStoredTestsImported();

    // The newest answers first, at most limit of them: what progress views read.
    std::vector<AnswerRecord> lastAnswers(int limit) const;
    // Every answer given at or after since, in the order they were given or newest first, until visit returns
    // false. The record is valid only during the call.
    enum Order
    {
        OldestFirst,
        NewestFirst,
    };
    void visitAnswers(Order order, std::int64_t since, const std::function<bool(const AnswerRecord&)>& visit) const;

private:
    // What a try at opening a file came to: Unusable is the file's own fault and sets it aside; Failed is the
    // moment's (locked by another program, disk full) and leaves it alone.
    enum class Attempt
    {
        Usable,
        Unusable,
        Failed,
    };
    // The statements each answer and each read runs, prepared once per open.
    enum Statement
    {
        SaveWord,
        SaveAnswer,
        CountFolder,
        SelectFolder,
        SelectWord,
        SelectLast,
        SelectOldestFirst,
        SelectNewestFirst,
        SelectImported,
        SaveImported,
        Begin,
        Commit,
        Rollback,
        Savepoint,
        Release,
        RollbackToSavepoint,
        STATEMENT_COUNT
    };

    Attempt attach(const QString& path, bool* created);
    int prepareStatements();
    void detach();
    bool run(Statement statement);

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statements[STATEMENT_COUNT] = {};
    bool m_inTransaction = false;
    QString m_setAsideTo;
    QString m_path;
};
