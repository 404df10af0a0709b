#pragma once
// Making a dictionary from a word list: one spoken recording per word, named by the word. The command-line
// builder and the Make dictionary window share it.

#include "options.h"
#include "wordlist.h"

#include <QString>

#include <atomic>
#include <functional>
#include <vector>

namespace dictionarybuilder {

// What became of one line of the list.
struct LineDone
{
    enum Outcome
    {
        Made,
        Kept,
        Skipped,
        Failed
    };
    const ListLine* line;
    Outcome outcome;
    QString detail; // why it was skipped or failed, or which recording is kept
};

struct Summary
{
    // Why nothing was spoken at all.
    enum Stop
    {
        Started,
        EngineMissing,
        VoiceUnknown,
        OutputUnwritable
    };
    Stop stop = Started;
    QString error; // the same in words; empty when the words were spoken
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

} // namespace dictionarybuilder
