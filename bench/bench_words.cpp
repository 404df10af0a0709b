// Word pool and word selection against their targets: collecting 70,000 recordings within 1.5 times a plain
// readdir pass over the same folder, and a draw from 65,536 words within 100 microseconds.

#include "benchutil.h"
#include "words/wordselection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

namespace {

// Plays a test of the given length over the pool, answering every third question wrongly; returns the
// median time of one draw.
double drawTime(std::vector<__word> pool, std::uint32_t testLength, bool useIndex)
{
    WordPoolIndex index;
    index.rebuild(pool);
    std::uint32_t lastReviewAt = 0;
    std::vector<double> times;
    for (std::uint32_t number = 1; number <= testLength; ++number) {
        WordPick pick{};
        times.push_back(secondsOf([&] {
            pick = useIndex ? pickWord(&pool, testLength, number, &lastReviewAt, index)
                            : pickWord(&pool, testLength, number, &lastReviewAt);
        }));
        markWordAnswered(&pool[pick.index], number, number % 3 != 0, pick.leastAskedPick);
        index.wordChanged(pool, pick.index);
    }
    return median(times);
}

} // namespace

int main()
{
    QTemporaryDir root;
    const QString folder = root.path() + QStringLiteral("/words");
    QDir().mkpath(folder);
    for (int i = 0; i < 70000; ++i) {
        FILE* f = std::fopen(QFile::encodeName(folder + QStringLiteral("/word%1.wav").arg(i)).constData(), "wb");
        std::fclose(f);
    }
    const QByteArray encoded = QFile::encodeName(folder);

    __dictionary dictionary;
    std::memset(&dictionary, 0, sizeof dictionary);
    wcslcpy(dictionary.path, reinterpret_cast<const char16_t*>(folder.utf16()), PATH_UNITS);
    dictionary.selected = 1;
    const std::vector<__dictionary> dictionaries{dictionary};

    // A new pool is the first test of a run; a reused one is every later test, which keeps the pool's memory.
    std::vector<double> plain;
    std::vector<double> intoNew;
    std::vector<double> intoReused;
    std::vector<__word> pool;
    for (int round = 0; round < 9; ++round) {
        plain.push_back(secondsOf([&] { plainReaddirPass(encoded); }));
        std::vector<__word> fresh;
        intoNew.push_back(secondsOf([&] { collectWords(&fresh, &dictionaries); }));
        intoReused.push_back(secondsOf([&] { collectWords(&pool, &dictionaries); }));
    }
    const double plainMs = median(plain) * 1000;
    const double newMs = median(intoNew) * 1000;
    const double reusedMs = median(intoReused) * 1000;
    std::printf("collectWords, 70,000 recordings (%zu collected): %s into a reused pool, %s into a new one; plain "
                "readdir pass %s; ratios %.2f and %.2f (target at most 1.5)\n",
                pool.size(), spread(intoReused, 1e3, "ms").c_str(), spread(intoNew, 1e3, "ms").c_str(),
                spread(plain, 1e3, "ms").c_str(), reusedMs / plainMs, newMs / plainMs);
    const double collectMs = reusedMs;

    std::vector<double> scan, indexed;
    for (int round = 0; round < ROUNDS; ++round) {
        scan.push_back(drawTime(pool, 10000, false));
        indexed.push_back(drawTime(pool, 10000, true));
    }
    std::printf("pickWord, pool of %zu, 10,000 questions, a draw: %s with the index (the main window's way), %s "
                "reading every word (target at most 100 us)\n",
                pool.size(), spread(indexed, 1e6, "us", 2).c_str(), spread(scan, 1e6, "us").c_str());
    return collectMs / plainMs <= 1.5 && median(indexed) * 1e6 <= 100 ? 0 : 1;
}
