#pragma once
// The text-to-speech engine: running it on a text and listing its voices.

#include "options.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <vector>

namespace dictionarybuilder {

// The program that speaks the words.
extern const char ENGINE[];

// What one run of the engine gave.
struct EngineRun
{
    bool started = false;
    QString failure; // empty when the engine did its work
    QByteArray errors;
};

// The engine's arguments for the options' voice and speed.
QStringList engineArguments(const Options& options);
// Runs the engine with the text on its standard input, where a word such as "-ish" cannot be taken for an
// option. A run that hangs, or that cancel (if given) stops, has failed.
EngineRun runEngine(const QStringList& arguments, const QString& text, const std::atomic<bool>* cancel = nullptr);
// Why the engine cannot be had, with the way to get it.
QString engineMissing(const QString& reason);
// The first line the engine wrote, trimmed.
QString firstLine(const QByteArray& text);
bool isCancelled(const std::atomic<bool>* cancel);

struct Voice
{
    QString code; // what the engine takes: "fr", "en-gb"
    QString name; // "French", "English_(Great_Britain)"
};
// The engine's voices, by language name. Empty, with the reason in error, when the engine cannot be run.
std::vector<Voice> voices(QString* error);
// The index of the voice for a locale such as "fr_FR": its language and country, else its language, else
// English; -1 when the list has none of them.
int preferredVoice(const std::vector<Voice>& voices, const QString& localeName);

} // namespace dictionarybuilder
