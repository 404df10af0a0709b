// The history as the Progress window reads it, through a connection that never writes: whatever lies at its
// place is read or refused, every view of it and the CSV of its answers come out whole, and the file is left
// as it was found.

#include "fuzzing.h"

#include "progress/progressreport.h"
#include "words/history.h"

#include <QFile>

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string folder = dataFolder();
    const std::string path = folder + "/history.sqlite";
    putFile(path, data, size);
    // A dictionary the answers of the seeds name, with one recording.
    QDir().mkpath(QString::fromStdString(folder + "/words"));
    putFile(folder + "/words/cat.wav", data, 0);
    std::vector<__dictionary> dictionaries(1);
    std::memset(dictionaries.data(), 0, sizeof(__dictionary));
    const QString words = QString::fromStdString(folder + "/words");
    wcslcpy(dictionaries[0].path, reinterpret_cast<const char16_t*>(words.utf16()), PATH_UNITS);
    dictionaries[0].selected = 1;
    {
        const ProgressReport report = readProgress(QString::fromStdString(path), dictionaries, 2000000000);
        assert(report.words.size() <= WORDS_TO_PRACTISE && report.slips.size() <= std::size_t(SLIP_KINDS_SHOWN));
        for (const WordToPractise& word : report.words)
            assert(word.missed > 0 && word.missed <= word.asked && word.misspellings.size() <= MISSPELLINGS_KEPT);
        History history;
        if (history.openForReading(QString::fromStdString(path)) == History::Opened)
            assert(answersCsv(history).startsWith("\xEF\xBB\xBF"
                                                  "Date and time,"));
    }
    QFile written(QString::fromStdString(path));
    assert(written.open(QIODevice::ReadOnly) &&
           written.readAll() == QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size)));
    QDir(QString::fromStdString(folder)).removeRecursively();
    return 0;
}
