// The import of stored tests: whatever the stored tests hold, it finishes, keeps every whole answer once under
// each folder that has a recording of its word, and the words' counts add up to the answers kept.

#include "fuzzing.h"

#include "statistics/statisticsfile.h"
#include "words/history.h"
#include "words/historyimport.h"

#include <climits>
#include <cstring>

namespace {

// Between the stored tests an input holds.
const std::string SEPARATOR = "STAT";

__dictionary dictionaryAt(const QString& folder, unsigned char selected)
{
    __dictionary d;
    std::memset(&d, 0, sizeof d);
    wcslcpy(d.path, reinterpret_cast<const char16_t*>(folder.utf16()), PATH_UNITS);
    d.selected = selected;
    return d;
}

// A: cat, Dog, sun; B, not selected: dog, hat. "dog" is in both.
const std::vector<__dictionary>& dictionaries()
{
    static const std::vector<__dictionary> list = [] {
        const QString home = userFolder("HOME");
        for (const char* file : {"/A/cat.wav", "/A/Dog.mp3", "/A/sun.ogg", "/B/dog.wav", "/B/hat.wma"}) {
            QDir().mkpath(QFileInfo(home + file).path());
            putFile(QFile::encodeName(home + file).toStdString(), nullptr, 0);
        }
        return std::vector<__dictionary>{dictionaryAt(home + "/A", 1), dictionaryAt(home + "/B", 0)};
    }();
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<__dictionary>& listed = dictionaries();
    const std::string folder = dataFolder();
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t expected = 0;
    std::size_t start = 0;
    for (int test = 0; test < 4 && start <= input.size(); ++test) {
        std::size_t end = input.find(SEPARATOR, start);
        if (end == std::string::npos || test == 3)
            end = input.size();
        // Later pieces are older tests, so the import's order is not the input's.
        char16_t path[PATH_UNITS];
        const bool placed =
            platform::storedTestPath(QStringLiteral("0%1.01.2024 10-00-00").arg(9 - test), path, PATH_UNITS, true);
        assert(placed);
        putFile(narrow(path), data + start, end - start);
        StatisticsReader reader(path);
        for (__answer answer; reader.next(&answer);)
            expected += QString::fromUtf16(answer.word).toCaseFolded() == "dog" ? 2 : 1;
        start = end + SEPARATOR.size();
    }
    {
        History history;
        assert(history.open() == History::Created);
        assert(importStoredTests(history, listed, nullptr) && history.storedTestsImported());
        const std::vector<AnswerRecord> kept = history.lastAnswers(INT_MAX);
        assert(kept.size() == expected);
        for (const AnswerRecord& answer : kept) {
            assert(answer.plays == 0 && answer.milliseconds == 0);
            assert(answer.correct ? answer.typed.toCaseFolded() == answer.word.toCaseFolded() : answer.typed.isEmpty());
        }
        std::size_t asked = 0;
        for (const QString& dictionary : {QString(), userFolder("HOME") + "/A", userFolder("HOME") + "/B"}) {
            for (const WordHistory& word : history.wordsOf(dictionary))
                asked += word.asked;
        }
        assert(asked == expected);
    }
    QDir(QString::fromStdString(folder)).removeRecursively();
    return 0;
}
