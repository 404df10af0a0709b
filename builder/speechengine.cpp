#include "speechengine.h"

#include "platform/processes.h"

#include <QCoreApplication>

#include <algorithm>

namespace dictionarybuilder {

const char ENGINE[] = "espeak-ng";

namespace {

// One word takes the engine well under a second; a run this long has hung.
constexpr int ENGINE_TIMEOUT_MS = 30000;

} // namespace

QString firstLine(const QByteArray& text)
{
    return QString::fromUtf8(text).trimmed().section(QLatin1Char('\n'), 0, 0).trimmed();
}

QStringList engineArguments(const Options& options)
{
    return {QStringLiteral("-v"), options.voice,       QStringLiteral("-s"),     QString::number(options.speed),
            QStringLiteral("-b"), QStringLiteral("1"), QStringLiteral("--stdin")};
}

QString engineMissing(const QString& reason)
{
    return QCoreApplication::translate("dictionarybuilder", "the text-to-speech engine %1 cannot be started (%2); "
                                                            "install the Debian package espeak-ng")
        .arg(QLatin1String(ENGINE), reason);
}

bool isCancelled(const std::atomic<bool>* cancel)
{
    return cancel != nullptr && cancel->load();
}

EngineRun runEngine(const QStringList& arguments, const QString& text, const std::atomic<bool>* cancel)
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
        run.failure = isCancelled(cancel)
                          ? QCoreApplication::translate("dictionarybuilder", "cancelled")
                          : QCoreApplication::translate("dictionarybuilder", "%1 did not finish within %2 seconds")
                                .arg(QLatin1String(ENGINE))
                                .arg(ENGINE_TIMEOUT_MS / 1000);
    else if (engine.crashed)
        run.failure = QCoreApplication::translate("dictionarybuilder", "%1 crashed").arg(QLatin1String(ENGINE));
    else if (said.isEmpty() && engine.exitCode != 0)
        run.failure = QCoreApplication::translate("dictionarybuilder", "%1 failed").arg(QLatin1String(ENGINE));
    else if (engine.exitCode != 0)
        run.failure =
            QCoreApplication::translate("dictionarybuilder", "%1 failed: %2").arg(QLatin1String(ENGINE), said);
    return run;
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
