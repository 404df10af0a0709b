#pragma once
// The report builder: turns one stored test into its HTML report on a thread of its own.

#include "text/boundedstring.h"

#include <QString>
#include <QThread>

#include <atomic>
#include <cstdint>

class ThreadCore : public QThread
{
    Q_OBJECT

public:
    explicit ThreadCore(QObject* parent = nullptr);
    ~ThreadCore() override;

    // Parameters of the next build; set them only while no build runs.
    void setFilter(std::uint16_t code);
    void setExportMode(bool on);
    void setStatName(const char16_t* stamp);
    // Abandons the running build: no further rows, no result.
    void requestStop();

    // Starts a build; does nothing while one runs. A stop asked for before this start does not carry over to it.
    void start(Priority priority = InheritPriority);

signals:
    void threadCoreFinished(QString html);

protected:
    void run() override;

private:
    std::uint16_t filter = 3;
    bool exportMode = false;
    char16_t statName[PATH_UNITS] = {};
    std::atomic<bool> stopRequested{false};
};
