#pragma once
// What the Progress window shows, read without a window: the scores of the stored tests, where each selected
// dictionary stands, the words most often missed and the kinds of slip made lately. It reads on a thread of its
// own, through a connection of its own to the history.

#include "dictionaries/dictionaries.h"
#include "words/slips.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <atomic>
#include <cstdint>
#include <utility>
#include <vector>

class History;

// The chart shows at most this many tests, the newest.
constexpr std::size_t CHARTED_TESTS = 100;
// The words to practise listed, worst first.
constexpr std::size_t WORDS_TO_PRACTISE = 20;
// The misspellings kept per word, most frequent first.
constexpr std::size_t MISSPELLINGS_KEPT = 5;
// Slips are counted over this many days before now.
constexpr int SLIP_DAYS = 30;
// The kinds of slip shown.
constexpr int SLIP_KINDS_SHOWN = 3;

struct StoredTestScore
{
    QDateTime when;
    int right = 0;
    int asked = 0;
};

struct DictionaryStanding
{
    QString name;
    // Never asked, in the reviews, asked and out of them.
    int fresh = 0;
    int learning = 0;
    int known = 0;
};

struct WordToPractise
{
    QString folder;
    QString word;
    int asked = 0;
    int missed = 0;
    // The wrong answers typed, with how often each, most frequent first.
    std::vector<std::pair<QString, int>> misspellings;
    // Seconds since the epoch; nextDue is 0 when the word is not under review.
    std::int64_t lastAsked = 0;
    std::int64_t nextDue = 0;
};

struct ProgressReport
{
    // Oldest first.
    std::vector<StoredTestScore> tests;
    // False when there is no history to read: the sections that need it stay empty.
    bool historyRead = false;
    std::vector<DictionaryStanding> dictionaries;
    std::vector<WordToPractise> words;
    std::vector<SlipTally> slips;
};

// Reads it all; now is seconds since the epoch. A set stop ends the reading early with what there is.
ProgressReport readProgress(const QString& historyPath, const std::vector<__dictionary>& dictionaries, std::int64_t now,
                            const std::atomic<bool>* stop = nullptr);

// Every answer in the history as CSV for a spreadsheet, oldest first: UTF-8 with a byte order mark and a header.
QByteArray answersCsv(const History& history);
