#pragma once
// The update check with its request on a thread of its own, so that a silent service never holds a window up.

#include "updatecheck.h"

#include <QObject>

#include <atomic>
#include <thread>

class UpdateRequest : public QObject
{
    Q_OBJECT

public:
    explicit UpdateRequest(QObject* parent = nullptr);
    // Cancels a request in flight and waits for its thread, which takes about a tenth of a second.
    ~UpdateRequest() override;

    // Starts a check unless one is running. False when no request is due, which is the same as UPDATE_NONE and
    // sends nothing; true when finished() will follow.
    bool start(bool force);
    bool isRunning() const { return m_thread.joinable(); }

signals:
    // The check's result, on the thread that started it; a reply has already been recorded as the day's check.
    void finished(int result);

private:
    void replied(bool reached);

    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    char m_reply[REPLY_BYTES] = {};
    std::size_t m_received = 0;
};
