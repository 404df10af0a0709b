#include "statisticsfile.h"

#include "platform/appfolders.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "text/records.h"

#include <cstring>
#include <string>

namespace {

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QString timeStamp(const std::tm& local)
{
    return twoDigits(local.tm_mday) + QLatin1Char('.') + twoDigits(local.tm_mon + 1) + QLatin1Char('.') +
           QString::number(local.tm_year + 1900) + QLatin1Char(' ') + twoDigits(local.tm_hour) + QLatin1Char('-') +
           twoDigits(local.tm_min) + QLatin1Char('-') + twoDigits(local.tm_sec);
}

QString displayFromStamp(const QString& stamp)
{
    QString label = stamp;
    label.replace(QLatin1Char('-'), QLatin1Char(':'));
    label.replace(QLatin1Char('.'), QLatin1Char('/'));
    return label;
}

void writeStatisticsAt(const std::vector<__answer>& answers, std::uint32_t correctCount, const std::tm& local)
{
    char16_t path[PATH_UNITS] = {};
    if (!platform::storedTestPath(timeStamp(local), path, PATH_UNITS, true))
        return;

    std::string bytes;
    bytes.reserve(STATISTICS_HEADER_BYTES + ANSWER_RECORD_BYTES * answers.size());
    appendUInt32(bytes, 1);
    appendUInt32(bytes, correctCount);
    appendUInt32(bytes, static_cast<std::uint32_t>(answers.size()));
    for (const __answer& answer : answers) {
        appendUInt32(bytes, answer.number);
        appendTextUnits(bytes, answer.word);
        bytes.push_back(static_cast<char>(answer.correct));
        bytes.append(3, '\0');
    }
    platform::replaceFile(path, bytes.data(), bytes.size());
}

void writeStatistics(const std::vector<__answer>& answers, std::uint32_t correctCount)
{
    std::tm local{};
    platform::localTimeNow(&local);
    writeStatisticsAt(answers, correctCount, local);
}

StatisticsReader::StatisticsReader(const char16_t* path) : m_file(platform::openForReading(path))
{
    if (m_file == nullptr)
        return;
    if (readUInt32(m_file, &m_version) && readUInt32(m_file, &m_correct))
        readUInt32(m_file, &m_count);
    // A damaged header may claim far more answers than the file has; only the length tells what is there.
    const long start = std::ftell(m_file);
    if (start >= 0 && std::fseek(m_file, 0, SEEK_END) == 0) {
        const long end = std::ftell(m_file);
        const long whole = end > start ? (end - start) / ANSWER_RECORD_BYTES : 0;
        m_whole = whole < static_cast<long>(m_count) ? static_cast<std::uint32_t>(whole) : m_count;
        std::fseek(m_file, start, SEEK_SET);
    }
}

StatisticsReader::~StatisticsReader()
{
    if (m_file != nullptr)
        std::fclose(m_file);
}

bool StatisticsReader::next(__answer* answer)
{
    if (m_file == nullptr || m_read >= m_count)
        return false;
    unsigned char record[ANSWER_RECORD_BYTES];
    if (std::fread(record, 1, sizeof record, m_file) != sizeof record) {
        // A damaged file: what was there whole is all there is.
        m_read = m_count;
        return false;
    }
    ++m_read;
    answer->number = uint32At(record);
    textUnitsAt(record + 4, answer->word);
    answer->correct = record[524];
    return true;
}
