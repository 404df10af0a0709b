#pragma once
// The statistics file of a finished test: its answers, its time-stamped name and that stamp as the windows show
// it.

#include "text/boundedstring.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <vector>

// One judged question of a test.
struct __answer
{
    std::uint32_t number;
    char16_t word[PATH_UNITS];
    unsigned char correct;
};

constexpr int ANSWER_RECORD_BYTES = 528;
constexpr int STATISTICS_HEADER_BYTES = 12;

// Stores the answers of a finished test as "stat" + time stamp + ".dat" in the application data folder,
// named by the current local time. Failures are silent.
void writeStatistics(const std::vector<__answer>& answers, std::uint32_t correctCount);
// The same, named by the given local time.
void writeStatisticsAt(const std::vector<__answer>& answers, std::uint32_t correctCount, const std::tm& local);

// "DD.MM.YYYY HH-MM-SS", the form in file names.
QString timeStamp(const std::tm& local);
// The on-screen form of a stamp: "-" becomes ":" and "." becomes "/".
QString displayFromStamp(const QString& stamp);

// Reads a statistics file: the header at once, then the answers one at a time. Missing header values keep
// their starting values; the answers end at the first record that is not there whole.
class StatisticsReader
{
public:
    explicit StatisticsReader(const char16_t* path);
    ~StatisticsReader();
    StatisticsReader(const StatisticsReader&) = delete;
    StatisticsReader& operator=(const StatisticsReader&) = delete;

    bool isOpen() const { return m_file != nullptr; }
    std::uint32_t version() const { return m_version; }
    std::uint32_t correctCount() const { return m_correct; }
    std::uint32_t answerCount() const { return m_count; }
    // The wrong answers by the header; never below zero, even when the header claims more correct than asked.
    std::uint32_t wrongCount() const { return m_correct > m_count ? 0 : m_count - m_correct; }
    // How many answers the file holds whole, never more than the header's count: what a reader may size by.
    std::uint32_t wholeRecords() const { return m_whole; }
    // The next answer; false when no whole record is left or the header's count has been read.
    bool next(__answer* answer);

private:
    std::FILE* m_file = nullptr;
    std::uint32_t m_version = 1;
    std::uint32_t m_correct = 0;
    std::uint32_t m_count = 0;
    std::uint32_t m_read = 0;
    std::uint32_t m_whole = 0;
};
