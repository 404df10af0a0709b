#pragma once
// Making a dictionary from a word list: one spoken recording per word, named by the word.

#include <QByteArray>
#include <QString>
#include <QTextStream>

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

// The command's name, at the start of its error messages.
extern const char COMMAND[];
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
    bool force = false;
};

// Lowest and highest speed the engine speaks at.
constexpr int MIN_SPEED = 80;
constexpr int MAX_SPEED = 450;

// Speaks every word of the list into outputFolder/word.wav, writing one line per word to progress.
ExitCode makeDictionary(const QString& listPath, const Options& options, QTextStream& progress);

} // namespace dictionarybuilder
