#include "app/mainwindow.h"
#include "widgets/messagebox.h"
#include "statistics/dlgstatistics.h"

#include "testenvironment.h"

#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMediaPlayer>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>

// Takes whole tests in the main window with real recordings, through the keys a user presses.
class TestTestRun : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::collectForTesting(); }
    void cleanup();
    void markAnswer_data();
    void markAnswer();
    void threeWordTest_correctWrongCorrect_thenInStatistics();
    void everyFormat_oddWordsJudgedAndStoredAsTheyAre();
    void stopThenStart_data();
    void stopThenStart();
    void refusedStarts_data();
    void refusedStarts();

private:
    std::unique_ptr<MainWindow> window;

    void makeDefaultDictionary(const QStringList& samples);
    void openWindow(int testLength);
    template <typename T> T* child(const char* name) const { return ::child<T>(window.get(), name); }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }
    QMediaPlayer* player() const { return window->findChild<QMediaPlayer*>(); }
    QString playingWord() const
    {
        return QFileInfo(player()->media().request().url().toLocalFile()).completeBaseName();
    }
    void pressEnter()
    {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), Qt::Key_Return);
    }
    void answer(const QString& typed);
    bool waitForAnswerPhase();
    QStringList storedTest() const;
};

namespace {

const QString OK = QStringLiteral("<p align='center'>OK</p>");

// Types text the way a keyboard would, letters beyond ASCII included.
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

void TestTestRun::cleanup()
{
    window.reset();
    MessageBox::takeCollected();
    EnvironmentTest::cleanup();
}

// Copies the samples into the working directory's Default folder; "name=sample" renames a copy.
void TestTestRun::makeDefaultDictionary(const QStringList& samples)
{
    QVERIFY(QDir().mkpath(env->defaultDictionary()));
    for (const QString& sample : samples)
        QVERIFY(QFile::copy(sound(sample.section(QLatin1Char('='), -1)),
                            env->defaultDictionary() + QLatin1Char('/') + sample.section(QLatin1Char('='), 0, 0)));
}

void TestTestRun::openWindow(int testLength)
{
    env->writeData(QStringLiteral("settings.conf"), "test_number=" + QByteArray::number(testLength));
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestTestRun::answer(const QString& typed)
{
    type(child<QLineEdit>("leInput"), typed);
    pressEnter();
}

bool TestTestRun::waitForAnswerPhase()
{
    auto* input = child<QLineEdit>("leInput");
    return QTest::qWaitFor([&] { return input->isEnabled() && input->hasFocus(); }, 15000);
}

// The one stored test, read byte by byte: "correct/count", then "number word +" or "number word -" per record.
QStringList TestTestRun::storedTest() const
{
    const QStringList files = QDir(env->dataFolder()).entryList({QStringLiteral("stat*.dat")}, QDir::Files);
    if (files.size() != 1)
        return {QStringLiteral("%1 stored tests").arg(files.size())};
    const QByteArray bytes = env->readData(files.first());
    const char* at = bytes.constData();
    QStringList out{
        QStringLiteral("%1/%2").arg(qFromLittleEndian<quint32>(at + 4)).arg(qFromLittleEndian<quint32>(at + 8))};
    for (int offset = 12; offset + 528 <= bytes.size(); offset += 528)
        out << QStringLiteral("%1 %2 %3")
                   .arg(qFromLittleEndian<quint32>(at + offset))
                   .arg(QString::fromUtf16(reinterpret_cast<const char16_t*>(at + offset + 4)))
                   .arg(at[offset + 524] ? '+' : '-');
    if ((bytes.size() - 12) % 528 != 0)
        out << QStringLiteral("ragged end");
    return out;
}

void TestTestRun::markAnswer_data()
{
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("html"); // inside the centred paragraph; "[x]" is x in red
    QTest::addRow("swapped letters") << "cat" << "cta" << "c[a][t]";
    QTest::addRow("missing letter") << "cat" << "ca" << "ca[t]";
    QTest::addRow("extra letters not shown") << "cat" << "cat " << "cat";
    QTest::addRow("nothing typed") << "ab" << "" << "[a][b]";
    QTest::addRow("inserted unescaped") << "a<&" << "a<x" << "a<[&]";
    QTest::addRow("non-ASCII compared by unit") << "été" << "ete" << "[é]t[é]";
}

void TestTestRun::markAnswer()
{
    QFETCH(QString, expected);
    QFETCH(QString, typed);
    QFETCH(QString, html);
    html.replace(QLatin1Char('['), QStringLiteral("<font color='red'>"))
        .replace(QLatin1Char(']'), QStringLiteral("</font>"));
    QCOMPARE(::markAnswer(expected, typed), "<p align='center'>" + html + "</p>");
}

void TestTestRun::threeWordTest_correctWrongCorrect_thenInStatistics()
{
    makeDefaultDictionary({"cat.wav", "dog.ogg", "sun.mp3"});
    openWindow(3);
    auto* input = child<QLineEdit>("leInput");
    auto* again = child<QPushButton>("btnAgain");
    auto* help = child<QLabel>("lblHelp");
    QAction* start = child<QAction>("acStart");

    start->trigger();
    QVERIFY(!child<QAction>("acSettings")->isEnabled() && start->isEnabled());
    QCOMPARE(text("lblNumber"), QStringLiteral("Test number: 1/3"));
    QVERIFY(help->isVisible());
    // Enter while the word plays does nothing.
    QTRY_COMPARE_WITH_TIMEOUT(player()->state(), QMediaPlayer::PlayingState, 5000);
    QTest::keyClick(window.get(), Qt::Key_Return);
    QCOMPARE(text("lblNumber"), QStringLiteral("Test number: 1/3"));

    QVERIFY(waitForAnswerPhase());
    QVERIFY(again->isEnabled());
    const QString first = playingWord();
    pressEnter(); // on an empty line: nothing at all
    QVERIFY(input->isEnabled());
    answer(first.toUpper());
    QCOMPARE(text("lblResult"), OK);
    QVERIFY(!input->isEnabled() && !again->isEnabled());
    QCOMPARE(help->text(), QStringLiteral("Press enter to continue"));
    QCOMPARE(text("lblCorrect"), QStringLiteral("Correct: 1"));

    pressEnter();
    QCOMPARE(text("lblNumber"), QStringLiteral("Test number: 2/3"));
    QVERIFY(waitForAnswerPhase());
    const QString second = playingWord();
    QVERIFY(second != first);
    answer(QStringLiteral("zz"));
    QCOMPARE(text("lblResult"), ::markAnswer(second, QStringLiteral("zz")));
    QCOMPARE(text("lblWrong"), QStringLiteral("Wrong: 1"));

    pressEnter();
    QVERIFY(waitForAnswerPhase());
    const QString third = playingWord();
    // Again replays the word and leaves what was typed.
    type(input, third.left(1));
    QTest::mouseClick(again, Qt::LeftButton);
    QVERIFY(!again->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(again->isEnabled(), 15000);
    QVERIFY(input->isEnabled() && input->selectedText().isEmpty());
    QCOMPARE(input->text(), third.left(1));
    answer(third.mid(1));
    QCOMPARE(text("lblResult"), OK);
    QCOMPARE(text("lblCorrect") + ' ' + text("lblWrong"), QStringLiteral("Correct: 2 Wrong: 1"));
    // Ended: stored, other actions still off until the next key.
    QVERIFY(!child<QAction>("acStatistics")->isEnabled());
    QCOMPARE(storedTest(), (QStringList{"2/3", "1 " + first + " +", "2 " + second + " -", "3 " + third + " +"}));

    QTest::keyClick(window.get(), Qt::Key_Space);
    QCOMPARE(text("lblResult"), QStringLiteral("<p align='center'>Finish<br /> Score: 2 / 1</p>"));
    QVERIFY(child<QAction>("acStatistics")->isEnabled() && !help->isVisible() && input->text().isEmpty());

    // Stored beside an older test, it heads the Statistics list and shows as a report.
    std::tm older{};
    older.tm_mday = 1;
    older.tm_year = 100;
    writeStatisticsAt({}, 0, older);
    child<QAction>("acStatistics")->trigger();
    QPointer<dlgStatistics> statistics = window->findChild<dlgStatistics*>();
    QVERIFY(statistics && statistics->isModal() && statistics->testAttribute(Qt::WA_DeleteOnClose));
    auto* list = ::child<QListWidget>(statistics, "lstwStatistics");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), QStringLiteral("01/01/2000 00:00:00"));
    QTest::mouseClick(::child<QPushButton>(statistics, "btnShowStatistics"), Qt::LeftButton);
    auto* report = ::child<QTextBrowser>(statistics, "tbStatistics");
    QTRY_VERIFY(report->toPlainText().contains(QStringLiteral("Correct: 2 / Wrong: 1 / Success rate: 66.7 %")));
    const QString shown = report->toPlainText();
    QVERIFY(shown.indexOf(first) < shown.indexOf(second) && shown.indexOf(second) < shown.lastIndexOf(third));
    statistics->close();
    QTRY_VERIFY(statistics.isNull());
}

void TestTestRun::everyFormat_oddWordsJudgedAndStoredAsTheyAre()
{
    // Letters beyond ASCII, "<" and "&" go from the file name to the label and the stored test unchanged.
    makeDefaultDictionary({"cat.wav", "dog.ogg", "Éclair.mp3=sun.mp3", "a<b&c.wma=hat.wma"});
    openWindow(4);
    child<QAction>("acStart")->trigger();
    QStringList heard, stored{"3/4"};
    for (int i = 1; i <= 4; ++i) {
        QVERIFY2(waitForAnswerPhase(), qPrintable(QStringLiteral("question %1").arg(i)));
        const QString word = playingWord();
        const bool wrong = word == QStringLiteral("a<b&c");
        answer(wrong ? QStringLiteral("a<b") : word == QStringLiteral("Éclair") ? QStringLiteral("éCLAIR") : word);
        QCOMPARE(text("lblResult"), wrong ? QStringLiteral("<p align='center'>a<b<font color='red'>&</font>"
                                                           "<font color='red'>c</font></p>")
                                          : OK);
        heard << word;
        stored << QStringLiteral("%1 %2 %3").arg(i).arg(word).arg(wrong ? '-' : '+');
        pressEnter();
    }
    heard.sort();
    QCOMPARE(heard, (QStringList{"a<b&c", "cat", "dog", "Éclair"}));
    QCOMPARE(storedTest(), stored);
}

void TestTestRun::stopThenStart_data()
{
    QTest::addColumn<QString>("when");
    QTest::addRow("after a wrong answer") << "answered";
    QTest::addRow("while the word plays") << "playing";
    QTest::addRow("while an undecodable recording plays") << "undecodable";
}

void TestTestRun::stopThenStart()
{
    QFETCH(QString, when);
    const bool undecodable = when == QLatin1String("undecodable");
    const QString noise = env->defaultDictionary() + QStringLiteral("/noise.wav");
    if (undecodable)
        QVERIFY(writeFile(noise, QByteArray(4096, '\x5a')));
    else
        makeDefaultDictionary({"cat.wav", "dog.ogg"});
    openWindow(2);
    QAction* start = child<QAction>("acStart");
    start->trigger();
    if (undecodable) {
        QTest::qWait(1500); // whether or not the player reports an end, give it time to fail
    } else if (when == QLatin1String("playing")) {
        QTRY_COMPARE_WITH_TIMEOUT(player()->state(), QMediaPlayer::PlayingState, 5000);
    } else {
        QVERIFY(waitForAnswerPhase());
        answer(QStringLiteral("wrong"));
        QCOMPARE(text("lblWrong"), QStringLiteral("Wrong: 1"));
    }

    start->trigger(); // stop
    QVERIFY(child<QAction>("acDictionaries")->isEnabled() && !child<QLineEdit>("leInput")->isEnabled());
    QVERIFY(child<QLineEdit>("leInput")->text().isEmpty() && text("lblResult").isEmpty());
    QVERIFY(!child<QLabel>("lblHelp")->isVisible());
    QCOMPARE(text("lblWrong"), QStringLiteral("Wrong: 0"));
    QCOMPARE(player()->state(), QMediaPlayer::StoppedState);
    QCOMPARE(storedTest(), QStringList{"0 stored tests"});

    if (undecodable) {
        QVERIFY(QFile::remove(noise));
        makeDefaultDictionary({"cat.wav", "dog.ogg"});
    }
    start->trigger(); // a new test
    QCOMPARE(text("lblNumber"), QStringLiteral("Test number: 1/2"));
    for (int i = 0; i < 2; ++i) {
        QVERIFY(waitForAnswerPhase());
        answer(playingWord());
        pressEnter();
    }
    QCOMPARE(storedTest().first(), QStringLiteral("2/2"));
}

void TestTestRun::refusedStarts_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addRow("Default folder missing") << "missing";
    QTest::addRow("Default folder without recordings") << "empty";
    QTest::addRow("selected folder removed after it was added") << "removed";
    QTest::addRow("nothing selected though recordings exist") << "unselected";
}

void TestTestRun::refusedStarts()
{
    QFETCH(QString, setup);
    const QString other = env->root() + QStringLiteral("/other");
    if (setup == QLatin1String("empty"))
        QVERIFY(QDir().mkpath(env->defaultDictionary()));
    if (setup == QLatin1String("removed") || setup == QLatin1String("unselected")) {
        makeDefaultDictionary({"cat.wav"});
        QVERIFY(QDir().mkpath(other));
        writeDictionaries(
            {dictionary(other, setup == QLatin1String("removed")), dictionary(env->defaultDictionary(), 0)});
    }
    openWindow(5);
    QVERIFY(QDir(other).removeRecursively());
    child<QAction>("acStart")->trigger();
    QCOMPARE(MessageBox::takeCollected(), QStringList{QStringLiteral("You have to select at least one dictionary.")});
    QVERIFY(child<QAction>("acSettings")->isEnabled());
    QCOMPARE(text("lblNumber"), QStringLiteral("Test number: 0/5"));
    QCOMPARE(player()->state(), QMediaPlayer::StoppedState);
}

QTEST_MAIN(TestTestRun)
#include "tst_testrun.moc"
