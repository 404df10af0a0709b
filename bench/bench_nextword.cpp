// The Enter that moves on to the next word should cost no more than the draw and the player's own work.
// Measures that Enter in the main window against the player's setMedia and play alone, side by side.

#include "app/mainwindow.h"
#include "benchutil.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QTemporaryDir root;
    useTemporaryFolders(root);
    QDir().mkpath(QStringLiteral("Default"));
    const QString sample = QStringLiteral(QUILLORA_SOURCE_DIR "/tests/data/sounds/cat.wav");
    // A large pool, so the draw has work to do.
    for (int i = 0; i < 20000; ++i)
        QFile::link(sample, QStringLiteral("Default/w%1.wav").arg(i));
    QDir().mkpath(QStringLiteral("data/Brindlecot/Quillora"));
    QFile settings(QStringLiteral("data/Brindlecot/Quillora/settings.conf"));
    settings.open(QIODevice::WriteOnly);
    settings.write("test_number=12\n");
    settings.close();

    QApplication application(argc, argv);
    MainWindow window;
    window.show();
    auto* input = window.findChild<QLineEdit*>(QStringLiteral("leInput"));
    auto* start = window.findChild<QAction*>(QStringLiteral("acStart"));
    start->trigger();

    std::vector<double> moveOn;
    for (int question = 1; question < 12; ++question) {
        if (!QTest::qWaitFor([&] { return input->isEnabled(); }, 15000))
            return 2;
        QTest::keyClicks(input, QStringLiteral("x"));
        QTest::keyClick(input, Qt::Key_Return);
        moveOn.push_back(secondsOf([&] { QTest::keyClick(&window, Qt::Key_Return); }));
    }

    QMediaPlayer player(nullptr, QMediaPlayer::StreamPlayback);
    std::vector<double> playerOnly;
    for (int i = 0; i < 11; ++i) {
        playerOnly.push_back(secondsOf([&] {
            player.setMedia(QMediaContent(QUrl::fromLocalFile(root.path() + QStringLiteral("/Default/w%1.wav").arg(i))));
            player.play();
        }));
        if (!QTest::qWaitFor([&] { return player.state() == QMediaPlayer::StoppedState; }, 15000))
            return 2;
    }
    const double enterUs = median(moveOn) * 1e6;
    const double playerUs = median(playerOnly) * 1e6;
    std::printf("Enter that moves on (pool of 20,000): %.0f us; the player's setMedia and play alone: %.0f us; "
                "the window's own share: %.0f us\n",
                enterUs, playerUs, enterUs - playerUs);
    return 0;
}
