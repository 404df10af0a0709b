#include "threadcore.h"

#include "report.h"

ThreadCore::ThreadCore(QObject* parent) : QThread(parent) {}

ThreadCore::~ThreadCore()
{
    // An owner that goes without waiting must not leave the build running on a destroyed object.
    requestStop();
    wait();
}

void ThreadCore::setFilter(std::uint16_t code)
{
    filter = code;
}

void ThreadCore::setExportMode(bool on)
{
    exportMode = on;
}

void ThreadCore::setStatName(const char16_t* stamp)
{
    wcslcpy(statName, stamp, PATH_UNITS);
}

void ThreadCore::requestStop()
{
    stopRequested = true;
}

void ThreadCore::start(Priority priority)
{
    // A stop asked for just as the last build was ending would otherwise end this one before its first row.
    if (!isRunning())
        stopRequested = false;
    QThread::start(priority);
}

void ThreadCore::run()
{
    QString html;
    if (buildReport(statName, filter, exportMode, stopRequested, &html) && !stopRequested)
        emit threadCoreFinished(html);
    stopRequested = false;
}
