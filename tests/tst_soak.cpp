#include "app/mainwindow.h"
#include "statistics/statisticsfile.h"

#include "testenvironment.h"

#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QPushButton>

// 40 ms of silence, mono, 8-bit, 8000 samples a second: as short as a word can be.
static QByteArray silentWav()
{
    static const char header[] =
        "RIFF\x64\1\0\0WAVEfmt \20\0\0\0\1\0\1\0\x40\x1f\0\0\x40\x1f\0\0\1\0\10\0data\x40\1\0\0";
    return QByteArray(header, sizeof header - 1) + QByteArray(320, '\x80');
}

// From the line "VmRSS:   12345 kB".
static long residentKb()
{
    const QByteArray status = readFile(QStringLiteral("/proc/self/status"));
    return status.mid(status.indexOf("VmRSS:") + 6).simplified().split(' ').value(0).toLong();
}

// One long test in the main window, answered as fast as the window takes answers.
class TestSoak : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void longTest_everyAnswerStored_memoryFlat()
    {
        const int length = QUILLORA_SOAK_WORDS;
        for (const char* word : {"ash", "bay", "cob", "den", "elm", "fig"})
            QVERIFY(writeFile(env->defaultDictionary() + '/' + word + ".wav", silentWav()));
        env->writeData(QStringLiteral("settings.conf"), "tip=0\ntest_number=" + QByteArray::number(length));
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* player = window.findChild<QMediaPlayer*>();
        auto* input = child<QLineEdit>(&window, "leInput");
        // An event loop of its own takes the player's news at once; polling would set the pace.
        QSignalSpy playerState(player, &QMediaPlayer::stateChanged);
        QMetaObject::invokeMethod(&window, "on_acStart_triggered");
        QStringList expected;
        long firstKb = 0;
        for (int i = 1; i <= length; ++i) {
            while (!(child<QPushButton>(&window, "btnAgain")->isEnabled() && input->hasFocus())) // heard
                QVERIFY2(playerState.wait(15000), qPrintable(QStringLiteral("word %1 never ended").arg(i)));
            playerState.clear();
            QVERIFY(!child<QLabel>(&window, "lblHelp")->text().contains(QStringLiteral("could not be played")));
            const QString word = QFileInfo(player->media().request().url().toLocalFile()).baseName();
            const bool right = i % 7 != 0;
            QTest::keyClicks(input, right ? word.toUpper() : word.left(2));
            QTest::keyClick(input, Qt::Key_Return);
            expected << QStringLiteral("%1 %2 %3").arg(i).arg(word).arg(int(right)); // as stored: number, word, 1 or 0
            firstKb = i == 100 ? residentKb() : firstKb;
            if (i < length)
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_Return);
        }
        const long lastKb = residentKb();
        qInfo("%d words; resident memory %ld kB after 100 words, %ld kB at the end", length, firstKb, lastKb);
        QVERIFY(firstKb > 0);
        // The sanitizer's allocator holds freed memory back and grows on its own: only a plain build's figures count.
#ifndef __SANITIZE_ADDRESS__
        QVERIFY2(lastKb - firstKb <= 10 * 1024, "resident memory grew by more than 10 MB");
#endif
        const QStringList files = QDir(env->dataFolder()).entryList({QStringLiteral("stat*.dat")});
        QCOMPARE(files.size(), 1);
        const QString path = env->dataFolder() + '/' + files.first();
        QCOMPARE(QFileInfo(path).size(), STATISTICS_HEADER_BYTES + qint64(ANSWER_RECORD_BYTES) * length);
        StatisticsReader reader(reinterpret_cast<const char16_t*>(path.utf16()));
        QCOMPARE(reader.correctCount(), quint32(expected.filter(QRegularExpression(QStringLiteral(" 1$"))).size()));
        QStringList stored;
        __answer answer;
        while (reader.next(&answer))
            stored << QStringLiteral("%1 %2 %3")
                          .arg(answer.number)
                          .arg(QString::fromUtf16(answer.word))
                          .arg(answer.correct);
        QCOMPARE(stored, expected);
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
