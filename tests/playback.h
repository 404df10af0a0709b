#pragma once
// Plays a recording to its end through QMediaPlayer, the way a test run plays words, to show that it decodes.

#include <QMediaPlayer>
#include <QString>
#include <QUrl>
#include <QtTest>

// Fails the calling test unless the player goes from playing to stopped at the end of the recording, with no error.
inline void playToEnd(const QString& path)
{
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QMediaPlayer player;
    bool played = false;
    QObject::connect(&player, &QMediaPlayer::stateChanged, [&played](QMediaPlayer::State state) {
        if (state == QMediaPlayer::PlayingState)
            played = true;
    });
    player.setMedia(QUrl::fromLocalFile(path));
    player.play();
    QTRY_VERIFY_WITH_TIMEOUT(
        player.error() != QMediaPlayer::NoError || (played && player.state() == QMediaPlayer::StoppedState), 10000);
    QCOMPARE(player.errorString(), QString());
    QCOMPARE(player.error(), QMediaPlayer::NoError);
    QCOMPARE(player.mediaStatus(), QMediaPlayer::EndOfMedia);
}
