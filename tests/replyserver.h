#pragma once
// A small HTTP server on a loopback port, on a thread of its own, that answers every request with one reply; with
// an empty status it takes every connection and says nothing, as a service behind a captive portal.

#include <QByteArray>
#include <QHostAddress>
#include <QMutex>
#include <QMutexLocker>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

class ReplyServer : public QThread
{
public:
    explicit ReplyServer(const QByteArray& body, const QByteArray& status = "200 OK") : m_body(body), m_status(status)
    {
        start();
        m_ready.acquire();
    }
    ~ReplyServer() override
    {
        m_stop = true;
        wait();
    }

    quint16 port() const { return m_port; }
    int requests() const { return m_requests; }
    QByteArray lastRequest() const
    {
        QMutexLocker lock(&m_mutex);
        return m_lastRequest;
    }

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        m_port = server.serverPort();
        m_ready.release();
        std::vector<std::unique_ptr<QTcpSocket>> silent;
        while (!m_stop) {
            if (!server.waitForNewConnection(20))
                continue;
            QTcpSocket* socket = server.nextPendingConnection();
            if (m_status.isEmpty()) {
                silent.emplace_back(socket);
                ++m_requests;
                continue;
            }
            QByteArray request;
            while (!request.contains("\r\n\r\n") && socket->waitForReadyRead(2000))
                request += socket->readAll();
            {
                QMutexLocker lock(&m_mutex);
                m_lastRequest = request;
            }
            ++m_requests;
            socket->write("HTTP/1.1 " + m_status + "\r\nContent-Type: application/json\r\nContent-Length: " +
                          QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
            socket->waitForBytesWritten(2000);
            socket->disconnectFromHost();
            if (socket->state() != QAbstractSocket::UnconnectedState)
                socket->waitForDisconnected(2000);
            delete socket;
        }
    }

private:
    QByteArray m_body;
    QByteArray m_status;
    QSemaphore m_ready;
    std::atomic<bool> m_stop{false};
    std::atomic<quint16> m_port{0};
    std::atomic<int> m_requests{0};
    mutable QMutex m_mutex;
    QByteArray m_lastRequest;
};
