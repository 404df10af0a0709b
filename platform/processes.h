#pragma once
// Running another program and collecting what it writes.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>

namespace platform {

// What became of a program run by runProgram.
struct ProgramRun
{
    bool started = false;  // false: not found or not runnable, with the reason in failure
    bool finished = false; // false: stopped for the time limit or cancel, or started not at all
    bool crashed = false;  // ended by a signal
    int exitCode = -1;
    QByteArray output; // standard output
    QByteArray errors; // standard error
    QString failure;
};
// Runs a program found on PATH with the arguments and the input on its standard input, and waits for its end;
// after timeoutMs, or within 100 ms of cancel (if given) turning true, it is killed. A small process starts it,
// so that starting one costs the same however large this program has grown.
ProgramRun runProgram(const char* program, const QStringList& arguments, const QByteArray& input, int timeoutMs,
                      const std::atomic<bool>* cancel = nullptr);

} // namespace platform
