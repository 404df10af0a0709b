#include "app/mainwindow.h"
#include "builder/wav.h"
#include "widgets/messagebox.h"
#include "words/judging.h"

#include "testenvironment.h"

#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QPushButton>
#include <QSignalSpy>

// Takes whole tests in the main window with real recordings, through the keys a user presses.
class TestMainWindow : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::collectForTesting(); }
    void cleanup()
    {
        window.reset();
        MessageBox::takeCollected();
        EnvironmentTest::cleanup();
    }
    void wholeTest_everyFormat_judgedCountedAndStored();
    void keys_replayWhileTypingAndHint();
    void stopOrRefusedStart_data();
    void stopOrRefusedStart();
    void soak_everyAnswerStoredMemoryFlat();

private:
    std::unique_ptr<MainWindow> window;

    template <typename T> T* child(const char* name) const { return ::child<T>(window.get(), name); }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }
    QMediaPlayer* player() const { return window->findChild<QMediaPlayer*>(); }
    QString playingWord() const { return QFileInfo(player()->media().request().url().toLocalFile()).baseName(); }
    void pressEnter()
    {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), Qt::Key_Return);
    }
    QLineEdit* input() const { return child<QLineEdit>("leInput"); }
    // The word has been played (or could not be): Again is on, and the answer is judged on Enter.
    bool answering() const { return child<QPushButton>("btnAgain")->isEnabled() && input()->hasFocus(); }
    // Types as a keyboard would, "\r" as Enter; QTest's key clicks take ASCII only.
    void type(const QString& text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, input(), c == '\r' ? Qt::Key_Return : Qt::Key_unknown, c, Qt::NoModifier);
    }
    void answer(const QString& typed) { type(typed + '\r'); }

    // Copies the samples into the working directory's Default folder; "name=sample" renames a copy.
    void makeDefaultDictionary(const QStringList& samples)
    {
        for (const QString& sample : samples)
            QVERIFY(writeFile(env->defaultDictionary() + '/' + sample.section('=', 0, 0),
                              readFile(sound(sample.section('=', -1)))));
    }

    void openWindow(int testLength)
    {
        env->writeData(QStringLiteral("settings.conf"), "tip=0\ntest_number=" + QByteArray::number(testLength));
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    // The one stored test, read byte by byte: "correct/count", then "number word +" or "number word -" per record.
    QStringList storedTest() const
    {
        const QStringList files = QDir(env->dataFolder()).entryList({QStringLiteral("stat*.dat")}, QDir::Files);
        if (files.size() != 1)
            return {QStringLiteral("%1 stored tests").arg(files.size())};
        const QByteArray bytes = env->readData(files.first()).leftJustified(12, '\0'); // never past a short file
        const char* at = bytes.constData();
        const auto u32 = [at](int offset) { return qFromLittleEndian<quint32>(at + offset); };
        QStringList out{QStringLiteral("%1/%2").arg(u32(4)).arg(u32(8))};
        for (int i = 12; i + 528 <= bytes.size(); i += 528)
            out << QString::number(u32(i)) + ' ' + QString::fromUtf16(reinterpret_cast<const char16_t*>(at + i + 4)) +
                       (at[i + 524] ? " +" : " -");
        if ((bytes.size() - 12) % 528 != 0 || u32(0) != 1)
            out << QStringLiteral("damaged");
        return out;
    }
};

// Letters beyond ASCII, "<" and "&" go from the file name to the label and the stored test unchanged.
void TestMainWindow::wholeTest_everyFormat_judgedCountedAndStored()
{
    makeDefaultDictionary({"cat.wav", "dog.ogg", "Éclair.mp3=sun.mp3", "a<b&c.wma=hat.wma"});
    openWindow(4);
    auto* again = child<QPushButton>("btnAgain");
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F5); // the whole test without the mouse
    QStringList heard, stored{"3/4"};
    for (int i = 1; i <= 4; ++i) {
        QCOMPARE(text("lblNumber"), QStringLiteral("Test number: %1/4").arg(i));
        if (i == 1) { // typed while the word plays: kept, and Enter waits for the end of the word
            QTRY_COMPARE_WITH_TIMEOUT(player()->state(), QMediaPlayer::PlayingState, 5000);
            type(QStringLiteral("z\r"));
            QVERIFY(input()->text() == "z" && text("lblResult").isEmpty());
            QTRY_VERIFY_WITH_TIMEOUT(answering(), 15000);
            QCOMPARE(input()->text(), QStringLiteral("z"));
            input()->clear();
        }
        QTRY_VERIFY_WITH_TIMEOUT(answering(), 15000);
        QVERIFY(again->isEnabled());
        const QString word = playingWord();
        const bool wrong = word == QStringLiteral("a<b&c");
        const QString typed = wrong ? QStringLiteral("a<b") : word.at(0).isUpper() ? word.toLower() : word.toUpper();
        pressEnter(); // on an empty line: nothing at all
        if (i == 2) { // Again replays the word and leaves what was typed.
            type(typed.left(1));
            QTest::mouseClick(again, Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(again->isEnabled(), 15000);
            QVERIFY(input()->isEnabled() && input()->selectedText().isEmpty() && input()->text() == typed.left(1));
        }
        answer(typed.mid(input()->text().size()));
        QCOMPARE(text("lblResult"), wrong ? markAnswer(word, typed) : QStringLiteral("<p align='center'>OK</p>"));
        QVERIFY(!input()->isEnabled() && !again->isEnabled());
        heard << word;
        stored << QStringLiteral("%1 %2 %3").arg(i).arg(word).arg(wrong ? '-' : '+');
        QCOMPARE(text("lblWrong"), QStringLiteral("Wrong: %1").arg(stored.filter(" -").size()));
        if (i < 4)
            pressEnter();
    }
    heard.sort();
    QCOMPARE(heard, (QStringList{"a<b&c", "cat", "dog", "Éclair"}));
    // Ended: stored, other actions still off until the next key.
    QVERIFY(!child<QAction>("acStatistics")->isEnabled());
    QCOMPARE(text("lblCorrect"), QStringLiteral("Correct: 3"));
    QCOMPARE(storedTest(), stored);
    QTest::keyClick(window.get(), Qt::Key_Space);
    QCOMPARE(text("lblResult"), QStringLiteral("<p align='center'>Finish<br /> Score: 3 / 1</p>"));
    QVERIFY(child<QAction>("acStatistics")->isEnabled() && !child<QLabel>("lblHelp")->isVisible());
    QVERIFY(input()->text().isEmpty());
}

// Ctrl+Space plays the word again and leaves the answer as it is; Ctrl+H gives the next right letter, and an
// answer helped so is kept as wrong.
void TestMainWindow::keys_replayWhileTypingAndHint()
{
    // Long enough that a slow replay's extra time stands out of the player's start and end.
    dictionarybuilder::Recording cat;
    QVERIFY(dictionarybuilder::readRecording(sound("cat.wav"), &cat));
    QVERIFY(writeFile(env->defaultDictionary() + "/bottle.wav", dictionarybuilder::wavFile(cat.format, cat.sound.repeated(3))));
    openWindow(1);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F5);
    QTRY_VERIFY_WITH_TIMEOUT(answering(), 15000);

    QElapsedTimer clock;
    qint64 startedAt = -1, stoppedAt = -1;
    connect(player(), &QMediaPlayer::stateChanged, this, [&](QMediaPlayer::State state) {
        if (state != QMediaPlayer::PausedState)
            (state == QMediaPlayer::PlayingState ? startedAt : stoppedAt) = clock.elapsed();
    });
    const auto playedFor = [&](Qt::KeyboardModifiers keys) -> qint64 {
        startedAt = stoppedAt = -1;
        clock.start();
        QTest::keyClick(input(), Qt::Key_Space, keys);
        if (!QTest::qWaitFor([&] { return startedAt >= 0; }, 5000))
            return -1;
        if (input()->text() != "bot" || input()->cursorPosition() != 1 || !input()->hasFocus())
            return -2;
        return QTest::qWaitFor([&] { return stoppedAt >= 0 && answering(); }, 15000) ? stoppedAt - startedAt : -3;
    };
    type(QStringLiteral("bot"));
    input()->setCursorPosition(1);
    const qint64 normal = playedFor(Qt::ControlModifier);
    QCOMPARE(player()->playbackRate(), 1.0);
    const qint64 slow = playedFor(Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY2(normal > 0 && slow >= normal * 1.3, qPrintable(QStringLiteral("%1 ms, slowly %2 ms").arg(normal).arg(slow)));
    const QUrl media = player()->media().request().url();
    QVERIFY(media.scheme() == "gst-pipeline" && media.path().contains("/bottle.wav") && player()->playbackRate() == 0.7);
    // The same from the mouse, through Again's menu.
    child<QAction>("acPlaySlowly")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!answering(), 5000);
    QVERIFY(player()->media().request().url() == media);
    QTRY_VERIFY_WITH_TIMEOUT(answering(), 15000);

    const auto hint = [this] {
        QTest::keyClick(input(), Qt::Key_H, Qt::ControlModifier);
        return input()->text();
    };
    input()->clear();
    QCOMPARE(hint(), QStringLiteral("b"));
    type(QStringLiteral("ox"));
    QCOMPARE(hint(), QStringLiteral("bot"));
    answer(QStringLiteral("tle"));
    QCOMPARE(text("lblResult"), QStringLiteral("<p align='center'>OK, with a hint</p>"));
    QCOMPARE(storedTest(), (QStringList{"0/1", "1 bottle -"}));
}

void TestMainWindow::stopOrRefusedStart_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("message"); // none: a test was started, then stopped
    const QString empty = QStringLiteral("The selected dictionaries hold no recordings.");
    QTest::addRow("stopped after a wrong answer") << "answered" << QString();
    QTest::addRow("stopped while the word plays") << "playing" << QString();
    // A recording that cannot be played opens the answer phase and says so; Enter alone goes on.
    QTest::addRow("stopped after an undecodable recording") << "undecodable" << QString();
    QTest::addRow("practise with nothing due")
        << "practise" << QStringLiteral("No word is due for practice: there are no mistakes to practise.");
    QTest::addRow("recordings gone after a finished test") << "finished" << empty;
}

// Whatever came before, a stop or a refused start leaves an idle window that asks nothing and stores nothing new.
void TestMainWindow::stopOrRefusedStart()
{
    QFETCH(QString, when);
    QFETCH(QString, message);
    const bool stopped = message.isEmpty(), started = stopped || when == "finished";
    const QString other = env->root() + QStringLiteral("/other");
    QVERIFY(QDir().mkpath(other));
    writeDictionaries({dictionary(other, 0), dictionary(env->defaultDictionary(), 1)});
    if (when == QLatin1String("undecodable"))
        QVERIFY(writeFile(env->defaultDictionary() + QStringLiteral("/noise.wav"), QByteArray(4096, '\x5a')));
    else
        makeDefaultDictionary({"cat.wav"});
    const int length = stopped ? 2 : 1;
    openWindow(length);
    QAction* start = child<QAction>("acStart");
    if (started)
        start->trigger();
    if (when == QLatin1String("playing")) {
        QTRY_COMPARE_WITH_TIMEOUT(player()->state(), QMediaPlayer::PlayingState, 5000);
    } else if (started) {
        QTRY_VERIFY_WITH_TIMEOUT(answering(), 15000);
        QCOMPARE(text("lblHelp").startsWith("This recording could not be played"), when == "undecodable");
        answer(when == "finished" ? playingWord() : when == "answered" ? QStringLiteral("wrong") : QString());
        QCOMPARE(text("lblWrong"), QString(when == "finished" ? "Wrong: 0" : "Wrong: 1"));
    }
    if (when == QLatin1String("finished"))
        QVERIFY(QFile::remove(env->defaultDictionary() + "/cat.wav"));
    QVERIFY(QDir(other).removeRecursively());
    (when == QLatin1String("practise") ? child<QAction>("acPractise") : start)->trigger();
    QCOMPARE(MessageBox::takeCollected(), stopped ? QStringList() : QStringList{message});
    // Neither Enter nor Again has a word to play.
    pressEnter();
    QMetaObject::invokeMethod(window.get(), "on_btnAgain_clicked");
    QVERIFY(child<QAction>("acSettings")->isEnabled() && !input()->isEnabled() && input()->text().isEmpty());
    QVERIFY(text("lblResult").isEmpty() && !child<QLabel>("lblHelp")->isVisible());
    QVERIFY(!child<QPushButton>("btnAgain")->isEnabled() && player()->state() == QMediaPlayer::StoppedState);
    QCOMPARE(text("lblNumber") + ", " + text("lblWrong"), QStringLiteral("Test number: 0/%1, Wrong: 0").arg(length));
    QCOMPARE(storedTest().first(), QString(when == "finished" ? "1/1" : "0 stored tests"));
}

// A test of QUILLORA_SOAK_WORDS words of 40 ms, answered as fast as the window takes answers: every answer is
// stored, and no memory is kept per word. Its own CTest entry, label soak, runs it; the ordinary run skips it.
void TestMainWindow::soak_everyAnswerStoredMemoryFlat()
{
    const int length = qEnvironmentVariableIntValue("QUILLORA_SOAK_WORDS");
    if (length < 100)
        QSKIP("make soak runs it");
    // Mono, 8-bit, 8000 samples a second: 40 ms of silence, as short as a word can be.
    const QByteArray silence = QByteArray("RIFF\x64\1\0\0WAVEfmt \20\0\0\0\1\0\1\0\x40\x1f\0\0\x40\x1f\0\0\1\0\10\0data"
                                          "\x40\1\0\0",
                                          44) +
                               QByteArray(320, '\x80');
    for (const char* word : {"ash", "bay", "cob", "den", "elm", "fig"})
        QVERIFY(writeFile(env->defaultDictionary() + '/' + word + ".wav", silence));
    openWindow(length);
    const auto residentKb = [] { // from the line "VmRSS:   12345 kB"
        const QByteArray status = readFile(QStringLiteral("/proc/self/status"));
        return status.mid(status.indexOf("VmRSS:") + 6).simplified().split(' ').value(0).toLong();
    };
    // The player's news is taken at once; polling would set the pace.
    QSignalSpy playerState(player(), &QMediaPlayer::stateChanged);
    child<QAction>("acStart")->trigger();
    QStringList stored{QString()};
    long firstKb = 0;
    for (int i = 1; i <= length; ++i) {
        while (!answering())
            QVERIFY2(playerState.wait(15000), qPrintable(QStringLiteral("word %1 never ended").arg(i)));
        QVERIFY(!text("lblHelp").contains(QStringLiteral("could not be played")));
        const QString word = playingWord();
        answer(i % 7 != 0 ? word.toUpper() : word.left(2));
        stored << QStringLiteral("%1 %2 %3").arg(i).arg(word).arg(i % 7 != 0 ? '+' : '-');
        firstKb = i == 100 ? residentKb() : firstKb;
        if (i < length)
            pressEnter();
    }
    const long lastKb = residentKb();
    qInfo("%d words; resident memory %ld kB after 100 words, %ld kB at the end", length, firstKb, lastKb);
    // The sanitizer's allocator holds freed memory back and grows on its own: only a plain build's figures count.
#ifndef __SANITIZE_ADDRESS__
    QVERIFY2(lastKb - firstKb <= 10 * 1024, "resident memory grew by more than 10 MB");
#endif
    stored[0] = QStringLiteral("%1/%2").arg(length - length / 7).arg(length);
    QCOMPARE(storedTest(), stored);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
