#include "dictionarybuilder.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QStringList>
#include <QTemporaryFile>
#include <QTextCodec>
#include <QtEndian>

#include <cerrno>
#include <cstdio>

namespace dictionarybuilder {

const char COMMAND[] = "quillora-make-dictionary";
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

void say(QTextStream& progress, const QString& line)
{
    progress << line << '\n';
    progress.flush();
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

// Gives the engine its text on standard input, where a word such as "-ish" cannot be taken for an option.
EngineRun runEngine(const QStringList& arguments, const QString& text)
{
    EngineRun run;
    QProcess engine;
    engine.start(QLatin1String(ENGINE), arguments);
    if (!engine.waitForStarted()) {
        run.failure = engine.errorString();
        return run;
    }
    run.started = true;
    engine.write(text.toUtf8());
    engine.closeWriteChannel();
    if (!engine.waitForFinished(ENGINE_TIMEOUT_MS)) {
        engine.kill();
        engine.waitForFinished();
        run.failure = QStringLiteral("%1 did not finish within %2 seconds")
                          .arg(QLatin1String(ENGINE))
                          .arg(ENGINE_TIMEOUT_MS / 1000);
        return run;
    }
    run.errors = engine.readAllStandardError();
    const QString said = firstLine(run.errors);
    if (engine.exitStatus() != QProcess::NormalExit)
        run.failure = QStringLiteral("%1 crashed").arg(QLatin1String(ENGINE));
    else if (engine.exitCode() != 0)
        run.failure = QStringLiteral("%1 failed").arg(QLatin1String(ENGINE)) +
                      (said.isEmpty() ? QString() : QStringLiteral(": ") + said);
    return run;
}

// Speaks the word into folder/word.wav, replacing what is there; returns why it failed.
QString recordWord(const QString& folder, const QString& word, const Options& options)
{
    QTemporaryFile temporary(folder + TEMPORARY_NAME);
    if (!temporary.open())
        return QStringLiteral("cannot make a file in the output folder: ") + temporary.errorString();
    temporary.close();

    const EngineRun run = runEngine(engineArguments(options) << QStringLiteral("-w") << temporary.fileName(), word);
    if (!run.failure.isEmpty())
        return run.failure;
    // The engine exits with 0 even when it could not write the file.
    if (wavSoundBytes(temporary.fileName()) <= 0) {
        const QString said = firstLine(run.errors);
        return QStringLiteral("%1 made no sound").arg(QLatin1String(ENGINE)) +
               (said.isEmpty() ? QString() : QStringLiteral(": ") + said);
    }

    // A temporary file is private to its owner; a recording is not.
    temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                             QFile::ReadGroup | QFile::ReadOther);
    const QString target = folder + QLatin1Char('/') + word + RECORDING_SUFFIX;
    // rename() replaces an old recording in one step, where QFile::rename would first need it removed.
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return QStringLiteral("cannot name the recording %1: ").arg(quoted(target)) + qt_error_string(errno);
    temporary.setAutoRemove(false);
    return QString();
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
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(12);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return -1;
    bool hasFormat = false;
    for (;;) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return -1;
        const qint64 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        const QByteArray id = chunk.left(4);
        if (id == "fmt ")
            hasFormat = true;
        // A recording cut short still has the size its header promised.
        if (id == "data")
            return hasFormat && size <= file.size() - file.pos() ? size : -1;
        if (!file.seek(file.pos() + size + (size & 1)))
            return -1;
    }
}

ExitCode makeDictionary(const QString& listPath, const Options& options, QTextStream& progress)
{
    const QString command = QLatin1String(COMMAND) + QStringLiteral(": ");
    QFile list(listPath);
    if (!list.open(QIODevice::ReadOnly)) {
        say(progress,
            command + QStringLiteral("cannot read the word list %1: ").arg(quoted(listPath)) + list.errorString());
        return ListUnreadable;
    }
    const std::vector<ListLine> lines = readWordList(list.readAll());

    const QString folder = QDir(options.outputFolder).absolutePath();
    if (!QDir().mkpath(folder)) {
        say(progress, command + QStringLiteral("cannot make the output folder %1").arg(quoted(folder)));
        return OutputUnwritable;
    }
    {
        QTemporaryFile trial(folder + TEMPORARY_NAME);
        if (!trial.open()) {
            say(progress, command + QStringLiteral("cannot write in the output folder %1: ").arg(quoted(folder)) +
                              trial.errorString());
            return OutputUnwritable;
        }
    }

    // One silent run first, so that a missing engine or an unknown voice stops the run before any word.
    const EngineRun probe = runEngine(engineArguments(options) << QStringLiteral("-q"), QString());
    if (!probe.started) {
        say(progress,
            command + QStringLiteral("the text-to-speech engine %1 cannot be started (%2); install the Debian "
                                     "package espeak-ng")
                          .arg(QLatin1String(ENGINE), probe.failure));
        return EngineMissing;
    }
    if (!probe.failure.isEmpty()) {
        say(progress,
            command + QStringLiteral("cannot speak with the voice %1: ").arg(quoted(options.voice)) + probe.failure);
        return BadUsage;
    }

    int made = 0, kept = 0, skipped = 0, failed = 0;
    for (const ListLine& line : lines) {
        if (!line.problem.isEmpty()) {
            say(progress, QStringLiteral("skipped line %1: ").arg(line.number) + line.problem);
            ++skipped;
            continue;
        }
        // --force replaces only the recordings this command makes; others are the user's own.
        const QString existing = existingRecording(folder, line.word);
        if (!existing.isEmpty() && !(options.force && existing.endsWith(RECORDING_SUFFIX))) {
            say(progress, QStringLiteral("kept    ") + line.word + QStringLiteral(" (%1 is there)").arg(existing));
            ++kept;
            continue;
        }
        const QString failure = recordWord(folder, line.word, options);
        if (failure.isEmpty()) {
            say(progress, QStringLiteral("made    ") + line.word);
            ++made;
        } else {
            say(progress, QStringLiteral("failed  ") + line.word + QStringLiteral(": ") + failure);
            ++failed;
        }
    }
    say(progress,
        QStringLiteral("%1 made, %2 kept, %3 skipped, %4 failed").arg(made).arg(kept).arg(skipped).arg(failed));
    return failed > 0 ? SomeWordsFailed : EveryWordRecorded;
}

} // namespace dictionarybuilder
