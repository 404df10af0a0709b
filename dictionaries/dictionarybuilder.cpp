#include "dictionarybuilder.h"

#include "platform/processes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <QTemporaryFile>
#include <QTextCodec>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <mutex>
#include <thread>

namespace dictionarybuilder {

const char ENGINE[] = "espeak-ng";

namespace {

// The longest file name, in bytes, that Linux file systems take.
constexpr int MAX_FILE_NAME_BYTES = 255;
// One word takes the engine well under a second; a run this long has hung.
constexpr int ENGINE_TIMEOUT_MS = 30000;
const QLatin1String RECORDING_SUFFIX(".wav");
// The recordings Quillora plays: a word with any of them has a recording already.
const char* const RECORDING_SUFFIXES[] = {".wav", ".mp3", ".ogg", ".wma"};
// The recording is spoken into a file whose name no dictionary lists, then renamed, so that a run cut short
// never leaves part of a recording under a word's name.
const QLatin1String TEMPORARY_NAME("/.quillora-XXXXXX.tmp");
// Starting the engine costs more than speaking a word, so plain words are spoken several to a run, a pause
// between them, and the run's sound is cut at the pauses. The pause is given at 175 words per minute; the engine
// stretches it at other speeds.
constexpr int MOST_WORDS_A_RUN = 10;
constexpr int FEWEST_WORDS_A_RUN = 3;
constexpr int PAUSE_MS = 1000;
// Silence at least this long lies between two words, never inside a plain word or phrase.
constexpr int SHORTEST_PAUSE_MS = 500;
// Samples this close to zero are silence.
constexpr int SILENCE = 8;

QString quoted(const QString& word)
{
    return QLatin1Char('"') + word + QLatin1Char('"');
}

QString problemAsFileName(const QString& word)
{
    if (word.isEmpty())
        return QStringLiteral("empty");
    if (word == QLatin1String(".") || word == QLatin1String(".."))
        return quoted(word) + QStringLiteral(" cannot be a file name");
    if (word.contains(QLatin1Char('/')))
        return quoted(word) + QStringLiteral(" has a slash, which no file name can hold");
    if (word.contains(QChar(0)))
        return QStringLiteral("has a NUL character, which no file name can hold");
    if (word.toUtf8().size() + RECORDING_SUFFIX.size() > MAX_FILE_NAME_BYTES)
        return quoted(word.left(20) + QStringLiteral("...")) + QStringLiteral(" is too long for a file name");
    return QString();
}

QString firstLine(const QByteArray& text)
{
    return QString::fromUtf8(text).trimmed().section(QLatin1Char('\n'), 0, 0).trimmed();
}

QString existingRecording(const QString& folder, const QString& word)
{
    for (const char* suffix : RECORDING_SUFFIXES) {
        const QString name = word + QLatin1String(suffix);
        if (QFile::exists(folder + QLatin1Char('/') + name))
            return name;
    }
    return QString();
}

QStringList engineArguments(const Options& options)
{
    return {QStringLiteral("-v"), options.voice,       QStringLiteral("-s"),     QString::number(options.speed),
            QStringLiteral("-b"), QStringLiteral("1"), QStringLiteral("--stdin")};
}

// What one run of the engine gave.
struct EngineRun
{
    bool started = false;
    QString failure; // empty when the engine did its work
    QByteArray errors;
};

QString engineMissing(const QString& reason)
{
    return QStringLiteral("the text-to-speech engine %1 cannot be started (%2); install the Debian package espeak-ng")
        .arg(QLatin1String(ENGINE), reason);
}

bool isCancelled(const std::atomic<bool>* cancel)
{
    return cancel != nullptr && cancel->load();
}

// Gives the engine its text on standard input, where a word such as "-ish" cannot be taken for an option.
EngineRun runEngine(const QStringList& arguments, const QString& text, const std::atomic<bool>* cancel = nullptr)
{
    EngineRun run;
    const platform::ProgramRun engine =
        platform::runProgram(ENGINE, arguments, text.toUtf8(), ENGINE_TIMEOUT_MS, cancel);
    run.started = engine.started;
    run.errors = engine.errors;
    const QString said = firstLine(run.errors);
    if (!engine.started)
        run.failure = engine.failure;
    else if (!engine.finished)
        run.failure = isCancelled(cancel) ? QStringLiteral("cancelled")
                                          : QStringLiteral("%1 did not finish within %2 seconds")
                                                .arg(QLatin1String(ENGINE))
                                                .arg(ENGINE_TIMEOUT_MS / 1000);
    else if (engine.crashed)
        run.failure = QStringLiteral("%1 crashed").arg(QLatin1String(ENGINE));
    else if (engine.exitCode != 0)
        run.failure = QStringLiteral("%1 failed").arg(QLatin1String(ENGINE)) +
                      (said.isEmpty() ? QString() : QStringLiteral(": ") + said);
    return run;
}

// Gives a finished temporary recording its word's name, replacing an older recording.
QString placeRecording(QTemporaryFile& temporary, const QString& target)
{
    // A temporary file is private to its owner; a recording is not.
    temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                             QFile::ReadGroup | QFile::ReadOther);
    temporary.close();
    // rename() replaces an old recording in one step, where QFile::rename would first need it removed.
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return QStringLiteral("cannot name the recording %1: ").arg(quoted(target)) + qt_error_string(errno);
    temporary.setAutoRemove(false);
    return QString();
}

QByteArray littleEndian(int value)
{
    QByteArray bytes(4, 0);
    qToLittleEndian<quint32>(quint32(value), bytes.data());
    return bytes;
}

// Finds the sound of a WAV file and leaves the file there; format gets the body of its format chunk. Returns the
// number of bytes of sound, -1 when the file is not a whole WAV file.
qint64 findSound(QFile& file, QByteArray* format)
{
    const QByteArray header = file.read(12);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return -1;
    bool hasFormat = false;
    for (;;) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return -1;
        const qint64 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        const qint64 start = file.pos();
        const QByteArray id = chunk.left(4);
        // A recording cut short still has the size its header promised.
        if (id == "data")
            return hasFormat && size <= file.size() - start ? size : -1;
        if (id == "fmt ") {
            hasFormat = true;
            if (format != nullptr)
                *format = file.read(std::min<qint64>(size, 64));
        }
        if (!file.seek(start + size + (size & 1)))
            return -1;
    }
}

bool readSound(const QString& path, QByteArray* format, QByteArray* sound)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = findSound(file, format);
    *sound = file.read(std::max<qint64>(size, 0));
    return size > 0 && sound->size() == size;
}

// Speaks the word into target, replacing what is there; returns why it failed.
QString recordWord(const QString& target, const QString& word, const Options& options,
                   const std::atomic<bool>* cancel = nullptr)
{
    QTemporaryFile temporary(QFileInfo(target).path() + TEMPORARY_NAME);
    if (!temporary.open())
        return QStringLiteral("cannot make a file in the output folder: ") + temporary.errorString();
    temporary.close();

    const EngineRun run =
        runEngine(engineArguments(options) << QStringLiteral("-w") << temporary.fileName(), word, cancel);
    if (!run.failure.isEmpty())
        return run.failure;
    // The engine exits with 0 even when it could not write the file.
    if (wavSoundBytes(temporary.fileName()) <= 0) {
        const QString said = firstLine(run.errors);
        return QStringLiteral("%1 made no sound").arg(QLatin1String(ENGINE)) +
               (said.isEmpty() ? QString() : QStringLiteral(": ") + said);
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

qint16 sampleAt(const QByteArray& sound, int index)
{
    return qFromLittleEndian<qint16>(sound.constData() + 2 * index);
}

// The sound of a run cut at its pauses, one piece a word, each keeping the silence the engine leaves before and
// after a word spoken alone. Empty when the pieces do not come out one a word.
std::vector<QByteArray> cutAtPauses(const QByteArray& sound, int sampleRate, int words)
{
    const int count = sound.size() / 2;
    const int shortestPause = sampleRate * SHORTEST_PAUSE_MS / 1000;
    std::vector<std::pair<int, int>> spoken; // first and past-the-last loud sample
    for (int i = 0; i < count; ++i) {
        if (std::abs(sampleAt(sound, i)) <= SILENCE)
            continue;
        if (spoken.empty() || i - spoken.back().second >= shortestPause)
            spoken.emplace_back(i, i);
        spoken.back().second = i + 1;
    }
    std::vector<QByteArray> pieces;
    if (int(spoken.size()) != words)
        return pieces;
    const int before = spoken.front().first;
    const int after = count - spoken.back().second;
    for (std::size_t i = 0; i < spoken.size(); ++i) {
        const int from = i == 0 ? 0 : std::max(spoken[i].first - before, (spoken[i - 1].second + spoken[i].first) / 2);
        const int to = i + 1 == spoken.size()
                           ? count
                           : std::min(spoken[i].second + after, (spoken[i].second + spoken[i + 1].first) / 2);
        pieces.push_back(sound.mid(2 * from, 2 * (to - from)));
    }
    return pieces;
}

// Speaks the words in one run and files each piece under its target; returns why each failed, or nothing at all
// when the run's sound cannot be cut one piece a word.
QStringList recordRun(const QStringList& words, const QStringList& targets, const Options& options,
                      const std::atomic<bool>* cancel)
{
    QTemporaryFile run(QFileInfo(targets.first()).path() + TEMPORARY_NAME);
    if (!run.open())
        return QStringList();
    run.close();
    const QString pause = QStringLiteral("<break time=\"%1ms\"/>").arg(PAUSE_MS * options.speed / 175);
    QStringList sentences;
    for (const QString& word : words)
        sentences << QStringLiteral("<s>") + word.toHtmlEscaped() + QStringLiteral("</s>");
    const QString text = QStringLiteral("<speak>") + sentences.join(pause) + QStringLiteral("</speak>");
    const EngineRun engine = runEngine(
        engineArguments(options) << QStringLiteral("-m") << QStringLiteral("-w") << run.fileName(), text, cancel);
    QByteArray format;
    QByteArray sound;
    if (!engine.failure.isEmpty() || isCancelled(cancel) || !readSound(run.fileName(), &format, &sound) ||
        format.size() < 16 || qFromLittleEndian<quint16>(format.constData()) != 1 ||
        qFromLittleEndian<quint16>(format.constData() + 2) != 1 ||
        qFromLittleEndian<quint16>(format.constData() + 14) != 16)
        return QStringList();
    const std::vector<QByteArray> pieces =
        cutAtPauses(sound, int(qFromLittleEndian<quint32>(format.constData() + 4)), words.size());
    if (pieces.empty())
        return QStringList();

    QStringList failures;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        QTemporaryFile piece(QFileInfo(targets.at(int(i))).path() + TEMPORARY_NAME);
        // RIFF counts "WAVE", then each chunk with its 8-byte head.
        QByteArray bytes = "RIFF" + littleEndian(4 + 8 + format.size() + 8 + pieces[i].size()) + "WAVEfmt " +
                           littleEndian(format.size()) + format + "data" + littleEndian(pieces[i].size()) + pieces[i];
        if (!piece.open() || piece.write(bytes) != bytes.size() || !piece.flush())
            failures << QStringLiteral("cannot write in the output folder: ") + piece.errorString();
        else
            failures << placeRecording(piece, targets.at(int(i)));
    }
    return failures;
}

} // namespace

std::vector<ListLine> readWordList(const QByteArray& bytes)
{
    static const QByteArray BYTE_ORDER_MARK("\xEF\xBB\xBF");
    const QByteArray text = bytes.startsWith(BYTE_ORDER_MARK) ? bytes.mid(BYTE_ORDER_MARK.size()) : bytes;
    QTextCodec* utf8 = QTextCodec::codecForMib(106);

    std::vector<ListLine> lines;
    QHash<QString, int> firstLineOf;
    int start = 0;
    while (start < text.size()) {
        int end = start;
        while (end < text.size() && text.at(end) != '\n' && text.at(end) != '\r')
            ++end;
        const QByteArray raw = text.mid(start, end - start);
        start = end + (text.mid(end, 2) == "\r\n" ? 2 : 1);

        ListLine line;
        line.number = int(lines.size()) + 1;
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        line.word = utf8->toUnicode(raw.constData(), raw.size(), &state).trimmed();
        if (state.invalidChars > 0 || state.remainingChars > 0)
            line.problem = QStringLiteral("not UTF-8 text");
        else
            line.problem = problemAsFileName(line.word);
        if (line.problem.isEmpty()) {
            const auto first = firstLineOf.constFind(line.word);
            if (first != firstLineOf.constEnd())
                line.problem = quoted(line.word) + QStringLiteral(" is already on line %1").arg(first.value());
            else
                firstLineOf.insert(line.word, line.number);
        }
        lines.push_back(line);
    }
    return lines;
}

qint64 wavSoundBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? findSound(file, nullptr) : -1;
}

Summary build(const std::vector<ListLine>& lines, const Options& options,
              const std::function<void(const LineDone&)>& done, const std::atomic<bool>* cancel)
{
    Summary summary;
    // One silent run first, so that a missing engine or an unknown voice stops the run before anything is made.
    const EngineRun probe = runEngine(engineArguments(options) << QStringLiteral("-q"), QString());
    if (!probe.started) {
        summary.code = EngineMissing;
        summary.error = engineMissing(probe.failure);
        return summary;
    }
    if (!probe.failure.isEmpty()) {
        summary.code = BadUsage;
        summary.error = QStringLiteral("cannot speak with the voice %1: ").arg(quoted(options.voice)) + probe.failure;
        return summary;
    }

    const QString folder = QDir(options.outputFolder).absolutePath();
    if (!QDir().mkpath(folder)) {
        summary.code = OutputUnwritable;
        summary.error = QStringLiteral("cannot make the output folder %1").arg(quoted(folder));
        return summary;
    }
    {
        QTemporaryFile trial(folder + TEMPORARY_NAME);
        if (!trial.open()) {
            summary.code = OutputUnwritable;
            summary.error =
                QStringLiteral("cannot write in the output folder %1: ").arg(quoted(folder)) + trial.errorString();
            return summary;
        }
    }

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
    summary.code = summary.failed > 0 ? SomeWordsFailed : EveryWordRecorded;
    return summary;
}

QString speak(const QString& word, const Options& options, const QString& path)
{
    return recordWord(path, word, options);
}

std::vector<Voice> voices(QString* error)
{
    const platform::ProgramRun engine =
        platform::runProgram(ENGINE, {QStringLiteral("--voices")}, QByteArray(), ENGINE_TIMEOUT_MS);
    std::vector<Voice> found;
    if (!engine.finished || engine.exitCode != 0) {
        if (error != nullptr)
            *error = engineMissing(engine.failure);
        return found;
    }
    // "Pty Language Age/Gender VoiceName File Other Languages", then one voice per line.
    const QStringList rows = QString::fromUtf8(engine.output).split(QLatin1Char('\n'));
    for (int i = 1; i < rows.size(); ++i) {
        const QStringList columns = rows.at(i).simplified().split(QLatin1Char(' '));
        if (columns.size() >= 4)
            found.push_back({columns.at(1), QString(columns.at(3)).replace(QLatin1Char('_'), QLatin1Char(' '))});
    }
    std::sort(found.begin(), found.end(),
              [](const Voice& a, const Voice& b) { return QString::localeAwareCompare(a.name, b.name) < 0; });
    return found;
}

int preferredVoice(const std::vector<Voice>& voices, const QString& localeName)
{
    const QString locale =
        localeName.section(QLatin1Char('.'), 0, 0).toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
    const QStringList wanted{locale, locale.section(QLatin1Char('-'), 0, 0), QStringLiteral("en-gb"),
                             QStringLiteral("en-us"), QStringLiteral("en")};
    for (const QString& code : wanted) {
        for (std::size_t i = 0; i < voices.size(); ++i)
            if (voices[i].code.compare(code, Qt::CaseInsensitive) == 0)
                return static_cast<int>(i);
    }
    return -1;
}

} // namespace dictionarybuilder
