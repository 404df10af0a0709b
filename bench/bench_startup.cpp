// A network that accepts the connection but never answers must not hold the main window back. Measures the time
// from constructing the window to its first paint with the automatic update check on and a silent loopback
// server, against the same with the check off, side by side; and how long closing takes with the request open.

#include "app/mainwindow.h"
#include "benchutil.h"
#include "settings/options.h"
#include "update/updatecheck.h"

#include <QApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

// Accepts every connection and says nothing, like a firewall that lets the handshake through.
class SilentServer : public QThread
{
public:
    SilentServer()
    {
        start();
        while (m_port == 0)
            QThread::msleep(1);
    }
    ~SilentServer() override
    {
        m_stop = true;
        wait();
    }
    quint16 port() const { return m_port; }

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        m_port = server.serverPort();
        std::vector<std::unique_ptr<QTcpSocket>> held;
        while (!m_stop) {
            if (server.waitForNewConnection(20))
                held.emplace_back(server.nextPendingConnection());
        }
    }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<quint16> m_port{0};
};

class PaintWatch : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        painted |= event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir root;
    useTemporaryFolders(root);
    setTipsAtStart(false);
    QApplication application(argc, argv);
    SilentServer server;
    setUpdateBaseAddressForTesting(QStringLiteral("http://127.0.0.1:%1/updates/check.php?product=").arg(server.port()));

    std::vector<double> withCheck, withoutCheck, closing;
    for (int round = 0; round < 2 * 3 * ROUNDS; ++round) {
        const bool check = round % 2 == 0;
        setDailyUpdateCheck(check);
        PaintWatch watch;
        std::unique_ptr<MainWindow> window;
        const double seconds = secondsOf([&] {
            window = std::make_unique<MainWindow>();
            window->installEventFilter(&watch);
            window->show();
            static_cast<void>(QTest::qWaitFor([&] { return watch.painted; }, 10000));
        });
        if (!watch.painted)
            return 2;
        (check ? withCheck : withoutCheck).push_back(seconds);
        if (check)
            closing.push_back(secondsOf([&] { window.reset(); }));
    }
    const double ratio = median(withCheck) / median(withoutCheck);
    std::printf("Start-up to the first paint, update check on with a silent server: %s; check off: %s; ratio %.2f "
                "(target at most 1.1)\n",
                spread(withCheck, 1e3, "ms").c_str(), spread(withoutCheck, 1e3, "ms").c_str(), ratio);
    std::printf("Closing the window with the request still open: %s (target under 1000)\n",
                spread(closing, 1e3, "ms").c_str());
    return 0;
}
