// The slow replay's media plays recordings of any name, the way the window plays them.

#include "platform/playback.h"

#include "testenvironment.h"

#include <QMediaPlayer>
#include <QtTest>

class TestPlayback : public QObject
{
    Q_OBJECT

private slots:
    void pitchKeepingMedia_anyName_playsToTheEnd_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("relative");
        QTest::newRow("plain") << "cat.wav" << false;
        QTest::newRow("from the working folder") << "cat.wav" << true;
        QTest::newRow("spaces, quotes, backslash") << R"(say "it" \ 'now'.wav)" << false;
        QTest::newRow("escapes of the description") << R"(\042 \\ \ooo !.wav)" << false;
        QTest::newRow("what an address would take") << "100% #1 ?a=b&c.wav" << false;
        QTest::newRow("accents, CJK, beyond 16 bits") << "café 日本 𝄞.wav" << false;
        QTest::newRow("control character") << "tab\there.wav" << false;
    }
    void pitchKeepingMedia_anyName_playsToTheEnd()
    {
        QFETCH(QString, name);
        QFETCH(bool, relative);
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath(name), readFile(sound("cat.wav"))));
        if (relative)
            QVERIFY(QDir::setCurrent(folder.path()));
        QMediaPlayer player(nullptr, QMediaPlayer::StreamPlayback);
        player.setMedia(platform::pitchKeepingMedia(relative ? name : folder.filePath(name)));
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.mediaStatus() == QMediaPlayer::EndOfMedia || player.error(), 10000);
        QCOMPARE(player.errorString(), QString());
        QVERIFY(QDir::setCurrent(QStringLiteral(QUILLORA_SOURCE_DIR)));
    }

    void pitchKeepingMedia_missingFile_failsToPlay()
    {
        QMediaPlayer player(nullptr, QMediaPlayer::StreamPlayback);
        player.setMedia(platform::pitchKeepingMedia(QStringLiteral("/nowhere/cat.wav")));
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.error() != QMediaPlayer::NoError, 10000);
    }
};

QTEST_GUILESS_MAIN(TestPlayback)
#include "tst_playback.moc"
