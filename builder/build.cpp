#include "build.h"

#include "platform/files.h"
#include "speechengine.h"
#include "wav.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <mutex>
#include <thread>

namespace dictionarybuilder {

namespace {

// The recordings Quillora plays: a word with any of them has a recording already.
const char* const RECORDING_SUFFIXES[] = {".wav", ".mp3", ".ogg", ".wma"};
// The recording is spoken into a file whose name no dictionary lists, then renamed, so that a run cut short
// never leaves part of a recording under a word's name.
const QString TEMPORARY_NAME = QStringLiteral("/.quillora-XXXXXX.tmp");
// Starting the engine costs more than speaking a word, so plain words are spoken several to a run, a pause
// between them, and the run's sound is cut at the pauses. The pause is given at 175 words per minute; the engine
// stretches it at other speeds.
constexpr int MOST_WORDS_A_RUN = 10;
constexpr int FEWEST_WORDS_A_RUN = 3;
constexpr int PAUSE_MS = 1000;

QString folderOf(const QString& path)
{
    return QFileInfo(path).path();
}

QString existingRecording(const QString& folder, const QString& word)
{
    for (const char* suffix : RECORDING_SUFFIXES) {
        const QString name = word + QLatin1String(suffix);
        const QString path = folder + QLatin1Char('/') + name;
        if (platform::pathExists(reinterpret_cast<const char16_t*>(path.utf16())))
            return name;
    }
    return QString();
}

// Gives a finished temporary recording its word's name, replacing an older recording.
QString placeRecording(platform::TemporaryFile& temporary, const QString& target)
{
    QString reason;
    if (!temporary.moveTo(target, &reason))
        return QCoreApplication::translate("dictionarybuilder", "cannot name the recording %1: %2")
            .arg(quoted(target), reason);
    return QString();
}

// Speaks the word into target, replacing what is there; returns why it failed.
QString recordWord(const QString& target, const QString& word, const Options& options,
                   const std::atomic<bool>* cancel = nullptr)
{
    platform::TemporaryFile temporary(folderOf(target), TEMPORARY_NAME);
    if (!temporary.isOpen())
        return QCoreApplication::translate("dictionarybuilder", "cannot make a file in the output folder: %1")
            .arg(temporary.errorString());

    const EngineRun run = runEngine(engineArguments(options) << QStringLiteral("-w") << temporary.path(), word, cancel);
    if (!run.failure.isEmpty())
        return run.failure;
    // The engine exits with 0 even when it could not write the file.
    if (wavSoundBytes(temporary.path()) <= 0) {
        const QString said = firstLine(run.errors);
        return said.isEmpty()
                   ? QCoreApplication::translate("dictionarybuilder", "%1 made no sound").arg(QLatin1String(ENGINE))
                   : QCoreApplication::translate("dictionarybuilder", "%1 made no sound: %2")
                         .arg(QLatin1String(ENGINE), said);
    }
    return placeRecording(temporary, target);
}

// Letters, digits, spaces, hyphens and apostrophes: what the engine speaks without a pause of its own, which
// could be taken for the pause between two words.
bool isPlain(const QString& word)
{
    return std::all_of(word.cbegin(), word.cend(), [](QChar c) {
        return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char(' ') || c == QLatin1Char('-') ||
               c == QLatin1Char('\'') || c == QChar(0x2019);
    });
}

// Speaks the words in one run and files each piece under its target; returns why each failed, or nothing at all
// when the run's sound cannot be cut one piece a word.
QStringList recordRun(const QStringList& words, const QStringList& targets, const Options& options,
                      const std::atomic<bool>* cancel)
{
    platform::TemporaryFile run(folderOf(targets.first()), TEMPORARY_NAME);
    if (!run.isOpen())
        return QStringList();
    const QString pause = QStringLiteral("<break time=\"%1ms\"/>").arg(PAUSE_MS * options.speed / 175);
    QStringList sentences;
    for (const QString& word : words)
        sentences << QStringLiteral("<s>") + word.toHtmlEscaped() + QStringLiteral("</s>");
    const QString text = QStringLiteral("<speak>") + sentences.join(pause) + QStringLiteral("</speak>");
    const EngineRun engine =
        runEngine(engineArguments(options) << QStringLiteral("-m") << QStringLiteral("-w") << run.path(), text, cancel);
    Recording recording;
    if (!engine.failure.isEmpty() || isCancelled(cancel) || !readRecording(run.path(), &recording) ||
        !recording.isMono16Bit())
        return QStringList();
    const std::vector<QByteArray> pieces = cutAtPauses(recording.sound, recording.sampleRate(), words.size());
    if (pieces.empty())
        return QStringList();

    QStringList failures;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const QString& target = targets.at(int(i));
        platform::TemporaryFile piece(folderOf(target), TEMPORARY_NAME);
        if (!piece.isOpen() || !piece.write(wavFile(recording.format, pieces[i])))
            failures << QCoreApplication::translate("dictionarybuilder", "cannot write in the output folder: %1")
                            .arg(piece.errorString());
        else
            failures << placeRecording(piece, target);
    }
    return failures;
}

// Why the words cannot be spoken into the folder at all; Started when they can.
Summary::Stop checkStart(const Options& options, const QString& folder, QString* error)
{
    // One silent run first, so that a missing engine or an unknown voice stops the run before anything is made.
    const EngineRun probe = runEngine(engineArguments(options) << QStringLiteral("-q"), QString());
    if (!probe.started) {
        *error = engineMissing(probe.failure);
        return Summary::EngineMissing;
    }
    if (!probe.failure.isEmpty()) {
        *error = QCoreApplication::translate("dictionarybuilder", "cannot speak with the voice %1: %2")
                     .arg(quoted(options.voice), probe.failure);
        return Summary::VoiceUnknown;
    }
    if (!platform::makeFolder(reinterpret_cast<const char16_t*>(folder.utf16()))) {
        *error =
            QCoreApplication::translate("dictionarybuilder", "cannot make the output folder %1").arg(quoted(folder));
        return Summary::OutputUnwritable;
    }
    const platform::TemporaryFile trial(folder, TEMPORARY_NAME);
    if (!trial.isOpen()) {
        *error = QCoreApplication::translate("dictionarybuilder", "cannot write in the output folder %1: %2")
                     .arg(quoted(folder), trial.errorString());
        return Summary::OutputUnwritable;
    }
    return Summary::Started;
}

} // namespace

Summary build(const std::vector<ListLine>& lines, const Options& options,
              const std::function<void(const LineDone&)>& done, const std::atomic<bool>* cancel)
{
    Summary summary;
    const QString folder = QDir(options.outputFolder).absolutePath();
    summary.stop = checkStart(options, folder, &summary.error);
    if (summary.stop != Summary::Started)
        return summary;

    std::mutex reporting;
    std::atomic<std::size_t> next{0};
    const auto report = [&](const ListLine& line, LineDone::Outcome outcome, const QString& detail) {
        const std::lock_guard<std::mutex> lock(reporting);
        (outcome == LineDone::Made      ? summary.made
         : outcome == LineDone::Kept    ? summary.kept
         : outcome == LineDone::Skipped ? summary.skipped
                                        : summary.failed) += 1;
        if (done)
            done(LineDone{&line, outcome, detail});
    };
    const auto finish = [&](const ListLine& line, const QString& failure) {
        // A word stopped by Cancel is neither made nor failed.
        if (failure.isEmpty())
            report(line, LineDone::Made, QString());
        else if (!isCancelled(cancel))
            report(line, LineDone::Failed, failure);
    };
    const auto target = [&](const ListLine& line) { return folder + QLatin1Char('/') + line.word + RECORDING_SUFFIX; };
    const std::size_t jobs = std::min<std::size_t>(std::max(options.jobs, 1), std::max<std::size_t>(lines.size(), 1));
    // Enough runs for every engine to have a few, so that they finish close together.
    const std::size_t wordsARun = std::min<std::size_t>(MOST_WORDS_A_RUN, lines.size() / (2 * jobs));
    const std::size_t claim = wordsARun >= FEWEST_WORDS_A_RUN ? wordsARun : 1;
    const auto work = [&] {
        for (std::size_t first = next.fetch_add(claim); first < lines.size() && !isCancelled(cancel);
             first = next.fetch_add(claim)) {
            QStringList words;
            QStringList targets;
            std::vector<const ListLine*> plain;
            for (std::size_t i = first; i < std::min(first + claim, lines.size()) && !isCancelled(cancel); ++i) {
                const ListLine& line = lines[i];
                if (!line.problem.isEmpty()) {
                    report(line, LineDone::Skipped, line.problem);
                    continue;
                }
                // Replacing touches only the recordings the builder makes; others are the user's own.
                const QString existing = existingRecording(folder, line.word);
                if (!existing.isEmpty() && !(options.force && existing.endsWith(RECORDING_SUFFIX)))
                    report(line, LineDone::Kept, existing);
                else if (claim > 1 && isPlain(line.word)) {
                    plain.push_back(&line);
                    words << line.word;
                    targets << target(line);
                } else
                    finish(line, recordWord(target(line), line.word, options, cancel));
            }
            const QStringList failures = words.size() > 1 ? recordRun(words, targets, options, cancel) : QStringList();
            // A run that could not be cut one piece a word leaves nothing; its words are spoken one at a time.
            for (int i = 0; i < words.size(); ++i) {
                if (!failures.isEmpty())
                    finish(*plain[i], failures[i]);
                else if (!isCancelled(cancel))
                    finish(*plain[i], recordWord(targets[i], words[i], options, cancel));
            }
        }
    };
    std::vector<std::thread> helpers;
    for (std::size_t i = 1; i < jobs; ++i)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();

    summary.cancelled = isCancelled(cancel);
    return summary;
}

QString speak(const QString& word, const Options& options, const QString& path)
{
    return recordWord(path, word, options);
}

} // namespace dictionarybuilder
