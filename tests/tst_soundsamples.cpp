#include "playback.h"

#include <QtTest>

// Each format Quillora plays decodes and plays to its end.
class TestSoundSamples : public QObject
{
    Q_OBJECT

private slots:
    void playsToTheEnd_data();
    void playsToTheEnd();
};

void TestSoundSamples::playsToTheEnd_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("wav") << QStringLiteral("cat.wav");
    QTest::addRow("ogg") << QStringLiteral("dog.ogg");
    QTest::addRow("mp3") << QStringLiteral("sun.mp3");
    QTest::addRow("wma") << QStringLiteral("hat.wma");
}

void TestSoundSamples::playsToTheEnd()
{
    QFETCH(QString, name);
    playToEnd(QStringLiteral(QUILLORA_SOURCE_DIR "/tests/data/sounds/") + name);
}

QTEST_MAIN(TestSoundSamples)
#include "tst_soundsamples.moc"
