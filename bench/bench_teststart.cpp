// The start of a test that remembers, against the same start that does not: 70,000 recordings (65,536 collected)
// and a history of 65,536 words, within 1.5 times.

#include "benchutil.h"
#include "words/history.h"
#include "words/testrun.h"
#include "words/wordpool.h"

#include <cstring>

int main()
{
    QTemporaryDir root;
    useTemporaryFolders(root);
    const QString folder = root.path() + QStringLiteral("/words");
    QDir().mkpath(folder);
    for (int i = 0; i < 70000; ++i) {
        FILE* f = std::fopen(QFile::encodeName(folder + QStringLiteral("/word%1.wav").arg(i)).constData(), "wb");
        std::fclose(f);
    }
    __dictionary dictionary;
    std::memset(&dictionary, 0, sizeof dictionary);
    wcslcpy(dictionary.path, reinterpret_cast<const char16_t*>(folder.utf16()), PATH_UNITS);
    dictionary.selected = 1;
    const std::vector<__dictionary> dictionaries{dictionary};

    // Every collected word has been asked; one in eight is due.
    History history;
    if (history.open() == History::Unavailable)
        return 1;
    std::vector<__word> pool;
    collectWords(&pool, &dictionaries);
    history.begin();
    for (std::size_t i = 0; i < pool.size(); ++i) {
        AnswerRecord answer;
        answer.folder = folder;
        answer.word = wordOfPath(pool[i].path);
        answer.at = 1000;
        answer.correct = i % 8 != 0;
        history.record(answer, WordHistory{std::uint32_t(1 + i % 5), i % 8 == 0 ? 1 : 0, 1000});
    }
    history.commit();
    const std::size_t known = std::size_t(history.wordsOf(folder).size());

    std::vector<double> on, off;
    for (int round = 0; round < 9; ++round) {
        TestRun remembering(&history), forgetting(&history);
        off.push_back(secondsOf([&] { forgetting.start(dictionaries, 10, false); }));
        on.push_back(secondsOf([&] { remembering.start(dictionaries, 10, true); }));
    }
    const double ratio = median(on) / median(off);
    std::printf("TestRun::start, 70,000 recordings, history of %zu words: %s remembering, %s not; ratio %.2f "
                "(target at most 1.5)\n",
                known, spread(on, 1e3, "ms").c_str(), spread(off, 1e3, "ms").c_str(), ratio);
    return ratio <= 1.5 ? 0 : 1;
}
