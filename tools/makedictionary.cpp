// quillora-make-dictionary: speaks a word list into a folder of recordings that Quillora takes as a dictionary.

#include "builder/build.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QThread>

#include <cstdio>

using namespace dictionarybuilder;

namespace {

const char COMMAND[] = "quillora-make-dictionary";
// What the command returns; --help lists them.
enum ExitCode
{
    EveryWordRecorded = 0,
    SomeWordsFailed = 1,
    BadUsage = 2,
    ListUnreadable = 3,
    OutputUnwritable = 4,
    EngineMissing = 5,
};

ExitCode exitCodeOf(const Summary& summary)
{
    switch (summary.stop) {
    case Summary::EngineMissing:
        return EngineMissing;
    case Summary::VoiceUnknown:
        return BadUsage;
    case Summary::OutputUnwritable:
        return OutputUnwritable;
    case Summary::Started:
        break;
    }
    return summary.failed > 0 ? SomeWordsFailed : EveryWordRecorded;
}

// More engines at once than this only queue for the processor.
constexpr int MAX_JOBS = 64;

const char EXIT_CODES[] = "\n"
                          "Exit codes:\n"
                          "  0  every word of the list has a recording (lines that cannot be file names are\n"
                          "     skipped and reported)\n"
                          "  1  some words could not be recorded\n"
                          "  2  wrong options or arguments, or a voice the engine does not have\n"
                          "  3  the word list cannot be read\n"
                          "  4  the output folder cannot be made or written in\n"
                          "  5  the espeak-ng text-to-speech engine is missing or does not start\n";

// Speaks the list's words into the output folder, a line per word on progress, then the counts.
ExitCode makeDictionary(const QString& listPath, const Options& options, QTextStream& progress)
{
    const auto say = [&progress](const QString& line) {
        progress << line << '\n';
        progress.flush();
    };
    const QString command = QLatin1String(COMMAND) + QStringLiteral(": ");
    QFile list(listPath);
    if (!list.open(QIODevice::ReadOnly)) {
        say(command + QStringLiteral("cannot read the word list \"%1\": ").arg(listPath) + list.errorString());
        return ListUnreadable;
    }
    const Summary summary = build(readWordList(list.readAll()), options, [&](const LineDone& done) {
        const QString& word = done.line->word;
        switch (done.outcome) {
        case LineDone::Made:
            say(QStringLiteral("made    ") + word);
            break;
        case LineDone::Kept:
            say(QStringLiteral("kept    ") + word + QStringLiteral(" (%1 is there)").arg(done.detail));
            break;
        case LineDone::Skipped:
            say(QStringLiteral("skipped line %1: ").arg(done.line->number) + done.detail);
            break;
        case LineDone::Failed:
            say(QStringLiteral("failed  ") + word + QStringLiteral(": ") + done.detail);
            break;
        }
    });
    if (!summary.error.isEmpty()) {
        say(command + summary.error);
        return exitCodeOf(summary);
    }
    say(QStringLiteral("%1 made, %2 kept, %3 skipped, %4 failed")
            .arg(summary.made)
            .arg(summary.kept)
            .arg(summary.skipped)
            .arg(summary.failed));
    return exitCodeOf(summary);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(COMMAND));
    QTextStream errors(stderr);
    errors.setCodec("UTF-8");
    const QString command = QLatin1String(COMMAND) + QStringLiteral(": ");

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Speaks every word of a word list (UTF-8 text, one word per line) with the espeak-ng "
                       "text-to-speech engine into a WAV recording named by the word, word.wav, which makes the "
                       "output folder a Quillora dictionary. A word that already has a recording there (wav, "
                       "mp3, ogg or wma) keeps it; --force replaces WAV recordings, never the others. Lines that "
                       "cannot be file names are skipped. Progress goes to standard error, a line per word."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption voice({QStringLiteral("v"), QStringLiteral("voice")},
                                   QStringLiteral("Voice or language (espeak-ng --voices lists them)."),
                                   QStringLiteral("voice"), QStringLiteral("en"));
    const QCommandLineOption speed({QStringLiteral("s"), QStringLiteral("speed")},
                                   QStringLiteral("Words per minute, %1 to %2.").arg(MIN_SPEED).arg(MAX_SPEED),
                                   QStringLiteral("wpm"), QStringLiteral("175"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Folder for the recordings, made if missing."),
                                    QStringLiteral("folder"), QStringLiteral("."));
    const QCommandLineOption force(QStringLiteral("force"), QStringLiteral("Replace WAV recordings already there."));
    const QCommandLineOption jobs({QStringLiteral("j"), QStringLiteral("jobs")},
                                  QStringLiteral("Words spoken at once; the default is one per processor core."),
                                  QStringLiteral("n"), QString::number(QThread::idealThreadCount()));
    parser.addOptions({help, voice, speed, output, force, jobs});
    parser.addPositionalArgument(QStringLiteral("word-list"), QStringLiteral("The words, one per line."));

    const QString usage = QStringLiteral(" (--help tells how to use it)");
    if (!parser.parse(QCoreApplication::arguments())) {
        QString reason = parser.errorText();
        if (reason.endsWith(QLatin1Char('.')))
            reason.chop(1);
        errors << command << reason << usage << '\n';
        return BadUsage;
    }
    if (parser.isSet(help)) {
        QTextStream out(stdout);
        out.setCodec("UTF-8");
        out << parser.helpText() << EXIT_CODES;
        return EveryWordRecorded;
    }
    if (parser.positionalArguments().size() != 1) {
        errors << command << QStringLiteral("give one word list") << usage << '\n';
        return BadUsage;
    }

    Options options;
    options.voice = parser.value(voice).trimmed();
    bool isNumber = false;
    options.speed = parser.value(speed).toInt(&isNumber);
    options.outputFolder = parser.value(output);
    options.force = parser.isSet(force);
    bool jobsIsNumber = false;
    options.jobs = parser.value(jobs).toInt(&jobsIsNumber);
    if (options.voice.isEmpty()) {
        errors << command << QStringLiteral("the voice is empty") << usage << '\n';
        return BadUsage;
    }
    if (!isNumber || options.speed < MIN_SPEED || options.speed > MAX_SPEED) {
        errors << command
               << QStringLiteral("the speed must be %1 to %2 words per minute, not \"%3\"")
                      .arg(MIN_SPEED)
                      .arg(MAX_SPEED)
                      .arg(parser.value(speed))
               << '\n';
        return BadUsage;
    }
    if (!jobsIsNumber || options.jobs < 1 || options.jobs > MAX_JOBS) {
        errors << command
               << QStringLiteral("the jobs must be 1 to %1, not \"%2\"").arg(MAX_JOBS).arg(parser.value(jobs)) << '\n';
        return BadUsage;
    }
    if (options.outputFolder.isEmpty()) {
        errors << command << QStringLiteral("the output folder is empty") << usage << '\n';
        return BadUsage;
    }
    return makeDictionary(parser.positionalArguments().constFirst(), options, errors);
}
