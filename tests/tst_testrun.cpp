#include "app/mainwindow.h"
#include "widgets/messagebox.h"

#include "testenvironment.h"

#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QPushButton>

// Takes whole tests in the main window with real recordings, through the keys a user presses.
class TestTestRun : public EnvironmentTest
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
    void stopThenStart_data();
    void stopThenStart();
    void refusedStarts_data();
    void refusedStarts();

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
void TestTestRun::wholeTest_everyFormat_judgedCountedAndStored()
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
        QCOMPARE(text("lblResult"), wrong ? QStringLiteral("<p align='center'>a&lt;b<font color='red'>&amp;</font>"
                                                           "<font color='red'>c</font></p>")
                                          : QStringLiteral("<p align='center'>OK</p>"));
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

void TestTestRun::stopThenStart_data()
{
    QTest::addColumn<QString>("when");
    QTest::addRow("after a wrong answer") << "answered";
    QTest::addRow("while the word plays") << "playing";
    // A recording that cannot be played opens the answer phase and says so; Enter alone goes on.
    QTest::addRow("after an undecodable recording") << "undecodable";
    QTest::addRow("after the folder was moved away") << "moved";
}

void TestTestRun::stopThenStart()
{
    QFETCH(QString, when);
    const QString noise = env->defaultDictionary() + QStringLiteral("/noise.wav");
    if (when == QLatin1String("undecodable"))
        QVERIFY(writeFile(noise, QByteArray(4096, '\x5a')));
    else
        makeDefaultDictionary({"cat.wav", "dog.ogg"});
    openWindow(3);
    QAction* start = child<QAction>("acStart");
    start->trigger();
    if (when == QLatin1String("playing")) {
        QTRY_COMPARE_WITH_TIMEOUT(player()->state(), QMediaPlayer::PlayingState, 5000);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(answering(), 15000);
        if (when == QLatin1String("moved")) {
            answer(QStringLiteral("wrong"));
            QVERIFY(QDir().rename(env->defaultDictionary(), env->defaultDictionary() + "2"));
            pressEnter();
            QTRY_VERIFY_WITH_TIMEOUT(answering(), 15000);
        }
        QCOMPARE(text("lblHelp").startsWith("This recording could not be played"), when != "answered");
        answer(when == QLatin1String("answered") ? QStringLiteral("wrong") : QString());
        QVERIFY(text("lblWrong").startsWith("Wrong: ") && text("lblWrong") != "Wrong: 0");
    }

    start->trigger(); // stop
    QVERIFY(child<QAction>("acDictionaries")->isEnabled() && !input()->isEnabled() && input()->text().isEmpty());
    QVERIFY(text("lblResult").isEmpty() && !child<QLabel>("lblHelp")->isVisible());
    QVERIFY(!child<QPushButton>("btnAgain")->isEnabled()); // no word is asked
    QCOMPARE(text("lblWrong"), QStringLiteral("Wrong: 0"));
    QCOMPARE(player()->state(), QMediaPlayer::StoppedState);
    QCOMPARE(storedTest(), QStringList{"0 stored tests"});

    QDir().rename(env->defaultDictionary() + "2", env->defaultDictionary());
    if (QFile::remove(noise))
        makeDefaultDictionary({"cat.wav", "dog.ogg"});
    start->trigger(); // a new test, counted from 1 again
    for (int i = 0; i < 3; ++i) {
        QTRY_VERIFY_WITH_TIMEOUT(answering(), 15000);
        answer(playingWord());
        pressEnter();
    }
    QCOMPARE(storedTest().first(), QStringLiteral("3/3"));
}

void TestTestRun::refusedStarts_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("message");
    const QString empty = QStringLiteral("The selected dictionaries hold no recordings.");
    QTest::addRow("selected folder removed after it was added") << "removed" << empty;
    QTest::addRow("nothing selected though recordings exist")
        << "unselected" << QStringLiteral("You have to select at least one dictionary.");
    QTest::addRow("recordings gone after a finished test") << "finished" << empty;
    QTest::addRow("recordings gone after a stopped test") << "stopped" << empty;
}

void TestTestRun::refusedStarts()
{
    QFETCH(QString, setup);
    QFETCH(QString, message);
    const bool afterTest = setup == "finished" || setup == "stopped";
    const QString other = env->root() + QStringLiteral("/other");
    makeDefaultDictionary({"cat.wav"});
    QVERIFY(QDir().mkpath(other));
    writeDictionaries({dictionary(other, setup == "removed"), dictionary(env->defaultDictionary(), afterTest)});
    openWindow(1);
    if (afterTest) {
        child<QAction>("acStart")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(answering(), 15000);
        setup == "finished" ? answer(playingWord()) : child<QAction>("acStart")->trigger();
        QVERIFY(QFile::remove(env->defaultDictionary() + "/cat.wav"));
    }
    QVERIFY(QDir(other).removeRecursively());
    child<QAction>("acStart")->trigger();
    QCOMPARE(MessageBox::takeCollected(), QStringList{message});
    // An idle window that asks nothing: neither Enter nor Again has a word to play.
    pressEnter();
    QMetaObject::invokeMethod(window.get(), "on_btnAgain_clicked");
    QVERIFY(child<QAction>("acSettings")->isEnabled() && !input()->isEnabled());
    QVERIFY(!child<QPushButton>("btnAgain")->isEnabled() && player()->state() == QMediaPlayer::StoppedState);
    QCOMPARE(text("lblNumber"), QStringLiteral("Test number: 0/1"));
}

QTEST_MAIN(TestTestRun)
#include "tst_testrun.moc"
