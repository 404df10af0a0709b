#include "updaterequest.h"

UpdateRequest::UpdateRequest(QObject* parent) : QObject(parent) {}

UpdateRequest::~UpdateRequest()
{
    // The answer posted back to this object, if any, goes with it.
    m_cancel = true;
    if (m_thread.joinable())
        m_thread.join();
}

bool UpdateRequest::start(bool force)
{
    if (isRunning())
        return true;
    if (!updateCheckDue(force))
        return false;
    m_cancel = false;
    m_thread = std::thread([this] {
        const bool reached = fetchUpdateReply(m_reply, sizeof m_reply, &m_received, &m_cancel);
        QMetaObject::invokeMethod(this, [this, reached] { replied(reached); }, Qt::QueuedConnection);
    });
    return true;
}

void UpdateRequest::replied(bool reached)
{
    m_thread.join();
    // Settings are read and written on this thread only; the request thread never touches them.
    emit finished(reached ? takeUpdateReply(m_reply, m_received) : UPDATE_UNAVAILABLE);
}
