// The history file: whatever lies at its place, the history opens it or sets it aside, every read goes through,
// and a history made anew takes an answer and gives it back.

#include "fuzzing.h"

#include "words/history.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string folder = dataFolder();
    putFile(folder + "/history.sqlite", data, size);
    {
        History history;
        const History::OpenResult result = history.open();
        assert(result != History::Unavailable && history.isOpen());
        const std::vector<AnswerRecord> last = history.lastAnswers(20);
        assert(last.size() <= 20);
        for (const AnswerRecord& answer : last)
            history.wordsOf(answer.folder);
        history.storedTestsImported();
        const WordHistory after{3, 2, 1000};
        const bool kept = history.record({"/words", "cat", 1000, "cat", true, 1, 700}, after);
        // A history made here takes every answer and gives it back; one found may be damaged deep inside, where
        // SQLite refuses or answers wrongly but never crashes.
        assert(kept || result == History::Opened);
        if (result != History::Opened) {
            const WordHistory back = history.wordOf("/words", "cat");
            assert(back.asked == after.asked && back.step == after.step && back.due == after.due);
            assert(history.wordsOf("/words").value("cat").asked == after.asked);
        }
    }
    // The file, its journals and whatever was set aside: nothing of one input is left for the next.
    QDir(QString::fromStdString(folder)).removeRecursively();
    return 0;
}
