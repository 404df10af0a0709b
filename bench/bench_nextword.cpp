// The Enter that moves on to the next word should cost no more than the draw and the player's own work.
// Measures that Enter in the main window against the player's setMedia and play alone, side by side.

#include "app/mainwindow.h"
#include "benchutil.h"
#include "settings/options.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

int main(int argc, char* argv[])
{
    QTemporaryDir root;
    useTemporaryFolders(root);
    QDir().mkpath(QStringLiteral("Default"));
    const QString sample = QStringLiteral(QUILLORA_SOURCE_DIR "/tests/data/sounds/cat.wav");
    // A large pool, so the draw has work to do.
    for (int i = 0; i < 20000; ++i)
        QFile::link(sample, QStringLiteral("Default/w%1.wav").arg(i));
    setTestLength(1000);
    // No update check: it has no service to ask here.
    setDailyUpdateCheck(false);

    // The sound goes nowhere: what is timed is the calls, and a machine without a sound server warns at each word.
    qputenv("QT_GSTREAMER_PLAYBIN_AUDIOSINK", "fakesink");
    QApplication application(argc, argv);
    MainWindow window;
    window.show();
    auto* input = window.findChild<QLineEdit*>(QStringLiteral("leInput"));
    auto* again = window.findChild<QPushButton*>(QStringLiteral("btnAgain"));
    window.findChild<QAction*>(QStringLiteral("acStart"))->trigger();
    QMediaPlayer player(nullptr, QMediaPlayer::StreamPlayback);

    // Each Enter that moves on is timed beside one play of the player alone, right before it, so that both see
    // the same machine. Their ratio says what the window adds; a difference of two noisy figures can come out
    // below zero.
    std::vector<double> enter, playerAlone, ratio;
    for (int round = 0; round < ROUNDS; ++round) {
        std::vector<double> moveOn, playOnly;
        for (int question = 0; question < 10; ++question) {
            if (!QTest::qWaitFor([&] { return again->isEnabled(); }, 15000))
                return 2;
            QTest::keyClicks(input, QStringLiteral("x"));
            QTest::keyClick(input, Qt::Key_Return);
            playOnly.push_back(secondsOf([&] {
                player.setMedia(
                    QMediaContent(QUrl::fromLocalFile(root.path() + QStringLiteral("/Default/w%1.wav").arg(question))));
                player.play();
            }));
            if (!QTest::qWaitFor([&] { return player.state() == QMediaPlayer::StoppedState; }, 15000))
                return 2;
            moveOn.push_back(secondsOf([&] { QTest::keyClick(&window, Qt::Key_Return); }));
        }
        enter.push_back(median(moveOn));
        playerAlone.push_back(median(playOnly));
        ratio.push_back(enter.back() / playerAlone.back());
    }
    std::printf("Enter that moves on (pool of 20,000): %s; the player's setMedia and play alone: %s; Enter takes "
                "%s times the player alone\n",
                spread(enter, 1e6, "us", 0).c_str(), spread(playerAlone, 1e6, "us", 0).c_str(),
                spread(ratio, 1, "", 2).c_str());
    return 0;
}
