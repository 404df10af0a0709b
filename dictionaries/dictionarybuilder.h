#pragma once
// Making a dictionary from a word list: one spoken recording per word, named by the word. The command-line
// builder and the Make dictionary window share it.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <vector>

namespace dictionarybuilder {

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

// The text-to-speech program that speaks the words.
extern const char ENGINE[];

// One line of the word list.
struct ListLine
{
    int number = 0;  // counted from 1
    QString word;    // without surrounding white space
    QString problem; // why the line gives no recording; empty when it does
};

// Splits a UTF-8 word list into its lines and says which cannot name a recording. A byte order mark, CR LF or
// CR line ends and a missing last line end are all accepted.
std::vector<ListLine> readWordList(const QByteArray& bytes);

// The number of bytes of sound in a WAV file; -1 when the file is missing or not a WAV file.
qint64 wavSoundBytes(const QString& path);

struct Options
{
    QString voice = QStringLiteral("en");
    int speed = 175; // words per minute
    QString outputFolder = QStringLiteral(".");
    bool force = false; // replace the WAV recordings already there
    int jobs = 1;       // engines speaking at once
};

// Lowest and highest speed the engine speaks at.
constexpr int MIN_SPEED = 80;
constexpr int MAX_SPEED = 450;

// What became of one line of the list.
struct LineDone
{
    enum Outcome { Made, Kept, Skipped, Failed };
    const ListLine* line;
    Outcome outcome;
    QString detail; // why it was skipped or failed, or which recording is kept
};

struct Summary
{
    ExitCode code = EveryWordRecorded;
    QString error; // why nothing was spoken; empty when the words were
    int made = 0;
    int kept = 0;
    int skipped = 0;
    int failed = 0;
    bool cancelled = false;
};

// Checks the output folder and the engine, then speaks the lines into outputFolder/word.wav with up to
// options.jobs engines at once. done is called once per line, one call at a time, in the order the lines are
// finished, from whichever thread finished it. Once cancel turns true no new word is started and the engines
// speaking are stopped within a second; only whole recordings are left.
Summary build(const std::vector<ListLine>& lines, const Options& options,
              const std::function<void(const LineDone&)>& done, const std::atomic<bool>* cancel = nullptr);

// Speaks one word into a WAV file, replacing it; returns why that failed, empty when it did not.
QString speak(const QString& word, const Options& options, const QString& path);

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
