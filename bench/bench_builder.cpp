// The dictionary builder against its target: 200 words spoken with one engine per core in at most 0.6 times a
// plain loop that runs the engine once per word, one after another, over the same words.

#include "benchutil.h"
#include "builder/build.h"

#include <QCoreApplication>
#include <QProcess>
#include <QThread>

#include <cstdio>

namespace {

constexpr int WORDS = 200;

QStringList benchWords()
{
    QStringList words;
    for (int i = 0; i < WORDS; ++i)
        words << QStringLiteral("word number %1").arg(i);
    return words;
}

// What a user would write in a shell: espeak-ng -w word.wav "word", once per word, one after another.
void plainLoop(const QStringList& words, const QString& folder)
{
    QProcess shell;
    shell.start(QStringLiteral("sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("while IFS= read -r w; do espeak-ng -w \"$0/$w.wav\" \"$w\"; done"), folder});
    shell.write((words.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    shell.closeWriteChannel();
    shell.waitForFinished(-1);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir root;
    const QStringList words = benchWords();
    const auto lines = dictionarybuilder::readWordList(words.join(QLatin1Char('\n')).toUtf8());
    dictionarybuilder::Options options;
    options.jobs = QThread::idealThreadCount();

    std::vector<double> loop, builder;
    for (int round = 0; round < ROUNDS; ++round) {
        const QString folder = root.filePath(QStringLiteral("round%1").arg(round));
        QDir().mkpath(folder + QStringLiteral("/loop"));
        loop.push_back(secondsOf([&] { plainLoop(words, folder + QStringLiteral("/loop")); }));
        options.outputFolder = folder + QStringLiteral("/builder");
        builder.push_back(secondsOf([&] { dictionarybuilder::build(lines, options, nullptr); }));
    }
    const double ratio = median(builder) / median(loop);
    std::printf("dictionary builder, %d words, %d engines at once: %s against %s for a one-at-a-time espeak-ng "
                "loop, %.2f times (target at most 0.6): %s\n",
                WORDS, options.jobs, spread(builder, 1, "s", 2).c_str(), spread(loop, 1, "s", 2).c_str(), ratio,
                ratio <= 0.6 ? "met" : "MISSED");
    return 0;
}
