#include "app/mainwindow.h"
#include "app/messagebox.h"
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
#include <QTextDocument>

#include <cstring>

// Takes whole tests in the main window with real recordings, through the keys a user presses.
class TestTestRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void markAnswer_data();
    void markAnswer();
    void threeWordTest_correctWrongCorrect_thenInStatistics();
    void everyFormatPlaysAndIsJudged();
    void stopThenStart_beginsAFreshTest();
    void refusedStarts_data();
    void refusedStarts();
    void emptyListFromTheDictionariesWindow_asksToAddOne();
    void undecodableRecording_canBeStopped();
    void wordsWithOddLetters_judgedAndStoredAsTheyAre();

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<MainWindow> window;

    void makeDefaultDictionary(const QStringList& samples);
    void openWindow(int testLength);
    template <typename T> T* child(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    QMediaPlayer* player() const { return window->findChild<QMediaPlayer*>(); }
    QString playingWord() const;
    void pressEnter();
    bool waitForAnswerPhase();
};

namespace {

const QString SOUNDS = QStringLiteral(QUILLORA_SOURCE_DIR "/tests/data/sounds/");

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

QString plain(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText().trimmed();
}

} // namespace

void TestTestRun::initTestCase()
{
    MessageBox::collectForTesting();
}

void TestTestRun::init()
{
    env = std::make_unique<TestEnvironment>();
    MessageBox::takeCollected();
}

void TestTestRun::cleanup()
{
    window.reset();
    env.reset();
}

// Copies the samples into the working directory's Default folder; "name=sample" renames a copy.
void TestTestRun::makeDefaultDictionary(const QStringList& samples)
{
    QVERIFY(QDir().mkpath(env->defaultDictionary()));
    for (const QString& sample : samples) {
        const QString target = sample.section(QLatin1Char('='), 0, 0);
        const QString source = sample.contains(QLatin1Char('=')) ? sample.section(QLatin1Char('='), 1) : sample;
        QVERIFY(QFile::copy(SOUNDS + source, env->defaultDictionary() + QLatin1Char('/') + target));
    }
}

void TestTestRun::openWindow(int testLength)
{
    env->writeData(QStringLiteral("settings.conf"), QByteArray("test_number=") + QByteArray::number(testLength));
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

QString TestTestRun::playingWord() const
{
    return QFileInfo(player()->media().request().url().toLocalFile()).completeBaseName();
}

void TestTestRun::pressEnter()
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    QTest::keyClick(target, Qt::Key_Return);
}

bool TestTestRun::waitForAnswerPhase()
{
    auto* input = child<QLineEdit>("leInput");
    return QTest::qWaitFor([&] { return input->isEnabled() && input->hasFocus(); }, 15000);
}

void TestTestRun::markAnswer_data()
{
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("html");
    const QString red = QStringLiteral("<font color='red'>%1</font>");
    QTest::addRow("swapped letters") << "cat" << "cta" << "<p align='center'>c" + red.arg("a") + red.arg("t") + "</p>";
    QTest::addRow("missing letter") << "cat" << "ca" << "<p align='center'>ca" + red.arg("t") + "</p>";
    QTest::addRow("extra letters not shown") << "cat" << "cat " << "<p align='center'>cat</p>";
    QTest::addRow("nothing typed") << "ab" << "" << "<p align='center'>" + red.arg("a") + red.arg("b") + "</p>";
    QTest::addRow("inserted unescaped") << "a<&" << "a<x" << "<p align='center'>a<" + red.arg("&") + "</p>";
    QTest::addRow("non-ASCII compared by unit") << "été" << "ete" << "<p align='center'>" + red.arg("é") + "t" +
                                                                        red.arg("é") + "</p>";
}

void TestTestRun::markAnswer()
{
    QFETCH(QString, expected);
    QFETCH(QString, typed);
    QFETCH(QString, html);
    QCOMPARE(::markAnswer(expected, typed), html);
}

void TestTestRun::threeWordTest_correctWrongCorrect_thenInStatistics()
{
    makeDefaultDictionary({QStringLiteral("cat.wav"), QStringLiteral("dog.ogg"), QStringLiteral("sun.mp3")});
    openWindow(3);
    auto* input = child<QLineEdit>("leInput");
    auto* result = child<QLabel>("lblResult");
    auto* again = child<QPushButton>("btnAgain");
    auto* help = child<QLabel>("lblHelp");
    QAction* start = child<QAction>("acStart");

    start->trigger();
    QVERIFY(!child<QAction>("acSettings")->isEnabled());
    QVERIFY(start->isEnabled());
    QCOMPARE(child<QLabel>("lblNumber")->text(), QStringLiteral("Test number: 1/3"));
    QVERIFY(help->isVisible());
    QCOMPARE(help->text(), QStringLiteral("Type text and press enter"));
    // Enter while the word plays does nothing.
    QTRY_COMPARE_WITH_TIMEOUT(player()->state(), QMediaPlayer::PlayingState, 5000);
    QTest::keyClick(window.get(), Qt::Key_Return);
    QCOMPARE(child<QLabel>("lblNumber")->text(), QStringLiteral("Test number: 1/3"));

    QVERIFY(waitForAnswerPhase());
    QVERIFY(again->isEnabled());
    const QString first = playingWord();
    // Enter on an empty line does nothing at all.
    pressEnter();
    QVERIFY(input->isEnabled());
    type(input, first.toUpper());
    pressEnter();
    QCOMPARE(result->text(), QStringLiteral("<p align='center'>OK</p>"));
    QVERIFY(!input->isEnabled());
    QVERIFY(!again->isEnabled());
    QCOMPARE(help->text(), QStringLiteral("Press enter to continue"));
    QCOMPARE(child<QLabel>("lblCorrect")->text(), QStringLiteral("Correct: 1"));

    pressEnter();
    QCOMPARE(child<QLabel>("lblNumber")->text(), QStringLiteral("Test number: 2/3"));
    QVERIFY(waitForAnswerPhase());
    const QString second = playingWord();
    QVERIFY(second != first);
    type(input, QStringLiteral("zz"));
    pressEnter();
    QCOMPARE(plain(result->text()), second.toLower());
    QVERIFY(result->text().contains(QStringLiteral("<font color='red'>")));
    QCOMPARE(child<QLabel>("lblWrong")->text(), QStringLiteral("Wrong: 1"));

    pressEnter();
    QVERIFY(waitForAnswerPhase());
    const QString third = playingWord();
    // Again replays the word and leaves what was typed.
    type(input, third.left(1));
    QTest::mouseClick(again, Qt::LeftButton);
    QVERIFY(!again->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(again->isEnabled(), 15000);
    QVERIFY(input->isEnabled());
    QCOMPARE(input->text(), third.left(1));
    QVERIFY(input->selectedText().isEmpty());
    type(input, third.mid(1));
    pressEnter();
    QCOMPARE(result->text(), QStringLiteral("<p align='center'>OK</p>"));
    QCOMPARE(child<QLabel>("lblCorrect")->text(), QStringLiteral("Correct: 2"));
    QCOMPARE(child<QLabel>("lblWrong")->text(), QStringLiteral("Wrong: 1"));
    // Ended: stored, other actions still off until the next key.
    QVERIFY(!child<QAction>("acStatistics")->isEnabled());
    const QStringList stored = QDir(env->dataFolder()).entryList({QStringLiteral("stat*.dat")}, QDir::Files);
    QCOMPARE(stored.size(), 1);
    const QByteArray bytes = env->readData(stored.first());
    QCOMPARE(bytes.size(), 12 + 3 * 528);
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 4), 2u);
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 8), 3u);
    const QStringList words{first, second, third};
    for (int i = 0; i < 3; ++i) {
        const char* rec = bytes.constData() + 12 + 528 * i;
        QCOMPARE(qFromLittleEndian<quint32>(rec), quint32(i + 1));
        QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(rec + 4)), words[i]);
        QCOMPARE(int(rec[524]), i == 1 ? 0 : 1);
    }

    QTest::keyClick(window.get(), Qt::Key_Space);
    QCOMPARE(result->text(), QStringLiteral("<p align='center'>Finish<br /> Score: 2 / 1</p>"));
    QVERIFY(child<QAction>("acStatistics")->isEnabled());
    QVERIFY(!help->isVisible());
    QVERIFY(input->text().isEmpty());

    // Stored beside an older test, it heads the Statistics list and shows as a report.
    std::tm older{};
    older.tm_mday = 1;
    older.tm_year = 100;
    writeStatisticsAt({}, 0, older);
    child<QAction>("acStatistics")->trigger();
    QPointer<dlgStatistics> statistics = window->findChild<dlgStatistics*>();
    QVERIFY(statistics && statistics->isModal() && statistics->testAttribute(Qt::WA_DeleteOnClose));
    auto* list = statistics->findChild<QListWidget*>(QStringLiteral("lstwStatistics"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), displayFromStamp(stored.first().mid(4, 19)));
    QTest::mouseClick(statistics->findChild<QPushButton*>(QStringLiteral("btnShowStatistics")), Qt::LeftButton);
    auto* report = statistics->findChild<QTextBrowser*>(QStringLiteral("tbStatistics"));
    QTRY_VERIFY(report->toPlainText().contains(QStringLiteral("Correct: 2 / Wrong: 1 / Success rate: 66.7 %")));
    const QString text = report->toPlainText();
    QVERIFY(text.indexOf(first) < text.indexOf(second) && text.indexOf(second) < text.lastIndexOf(third));
    statistics->close();
    QTRY_VERIFY(statistics.isNull());
}

void TestTestRun::everyFormatPlaysAndIsJudged()
{
    makeDefaultDictionary({QStringLiteral("cat.wav"), QStringLiteral("dog.ogg"), QStringLiteral("sun.mp3"),
                           QStringLiteral("hat.wma")});
    openWindow(4);
    child<QAction>("acStart")->trigger();
    QStringList heard;
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(waitForAnswerPhase(), qPrintable(QStringLiteral("question %1").arg(i + 1)));
        heard << playingWord();
        type(child<QLineEdit>("leInput"), heard.last());
        pressEnter();
        QCOMPARE(child<QLabel>("lblResult")->text(), QStringLiteral("<p align='center'>OK</p>"));
        if (i < 3)
            pressEnter();
    }
    heard.sort();
    QCOMPARE(heard, (QStringList{"cat", "dog", "hat", "sun"}));
    QCOMPARE(child<QLabel>("lblCorrect")->text(), QStringLiteral("Correct: 4"));
}

void TestTestRun::stopThenStart_beginsAFreshTest()
{
    makeDefaultDictionary({QStringLiteral("cat.wav"), QStringLiteral("dog.ogg")});
    openWindow(2);
    QAction* start = child<QAction>("acStart");
    start->trigger();
    QVERIFY(waitForAnswerPhase());
    type(child<QLineEdit>("leInput"), QStringLiteral("wrong"));
    pressEnter();
    QCOMPARE(child<QLabel>("lblWrong")->text(), QStringLiteral("Wrong: 1"));

    start->trigger(); // stop
    QVERIFY(child<QAction>("acDictionaries")->isEnabled());
    QVERIFY(!child<QLineEdit>("leInput")->isEnabled());
    QVERIFY(child<QLineEdit>("leInput")->text().isEmpty());
    QVERIFY(child<QLabel>("lblResult")->text().isEmpty());
    QVERIFY(!child<QLabel>("lblHelp")->isVisible());
    QCOMPARE(child<QLabel>("lblWrong")->text(), QStringLiteral("Wrong: 0"));
    QCOMPARE(player()->state(), QMediaPlayer::StoppedState);
    QVERIFY(QDir(env->dataFolder()).entryList({QStringLiteral("stat*")}).isEmpty());

    start->trigger(); // a new test
    QCOMPARE(child<QLabel>("lblNumber")->text(), QStringLiteral("Test number: 1/2"));
    for (int i = 0; i < 2; ++i) {
        QVERIFY(waitForAnswerPhase());
        type(child<QLineEdit>("leInput"), playingWord());
        pressEnter();
        if (i == 0)
            pressEnter();
    }
    const QStringList stored = QDir(env->dataFolder()).entryList({QStringLiteral("stat*.dat")}, QDir::Files);
    QCOMPARE(stored.size(), 1);
    const QByteArray bytes = env->readData(stored.first());
    QCOMPARE(bytes.size(), 12 + 2 * 528);
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 4), 2u);
}

void TestTestRun::refusedStarts_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("message");
    const QString select = QStringLiteral("You have to select at least one dictionary.");
    QTest::addRow("Default folder missing") << "none" << select;
    QTest::addRow("Default folder without recordings") << "empty" << select;
    QTest::addRow("selected folder removed after it was added") << "removed" << select;
    QTest::addRow("nothing selected though recordings exist") << "unselected" << select;
}

void TestTestRun::refusedStarts()
{
    QFETCH(QString, setup);
    QFETCH(QString, message);
    if (setup == QLatin1String("empty"))
        QVERIFY(QDir().mkpath(env->defaultDictionary()));
    if (setup == QLatin1String("removed") || setup == QLatin1String("unselected")) {
        makeDefaultDictionary({QStringLiteral("cat.wav")});
        const QString other = env->root() + QStringLiteral("/other");
        QVERIFY(QDir().mkpath(other));
        std::vector<__dictionary> list(2);
        std::memset(list.data(), 0, sizeof(__dictionary) * 2);
        wcslcpy(list[0].path, reinterpret_cast<const char16_t*>(other.utf16()), PATH_UNITS);
        list[0].selected = setup == QLatin1String("removed") ? 1 : 0;
        const QString d = env->defaultDictionary();
        wcslcpy(list[1].path, reinterpret_cast<const char16_t*>(d.utf16()), PATH_UNITS);
        list[1].selected = 0;
        writeDictionaries(list);
        QVERIFY(QDir(other).removeRecursively());
    }
    openWindow(5);
    child<QAction>("acStart")->trigger();
    QCOMPARE(MessageBox::takeCollected(), QStringList{message});
    QVERIFY(child<QAction>("acSettings")->isEnabled());
    QCOMPARE(child<QLabel>("lblNumber")->text(), QStringLiteral("Test number: 0/5"));
    QCOMPARE(player()->state(), QMediaPlayer::StoppedState);
}

void TestTestRun::emptyListFromTheDictionariesWindow_asksToAddOne()
{
    makeDefaultDictionary({QStringLiteral("cat.wav")});
    openWindow(5);
    std::vector<__dictionary> empty;
    QVERIFY(QMetaObject::invokeMethod(window.get(), "on_DictionaryChanged", Qt::DirectConnection,
                                      Q_ARG(std::vector<__dictionary>*, &empty)));
    child<QAction>("acStart")->trigger();
    QCOMPARE(MessageBox::takeCollected(), QStringList{QStringLiteral("You have to add at least one dictionary.")});
    QVERIFY(child<QAction>("acSettings")->isEnabled());
}

void TestTestRun::undecodableRecording_canBeStopped()
{
    QVERIFY(QDir().mkpath(env->defaultDictionary()));
    QFile bad(env->defaultDictionary() + QStringLiteral("/noise.wav"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(4096, '\x5a'));
    bad.close();
    openWindow(3);
    QAction* start = child<QAction>("acStart");
    start->trigger();
    // Whether or not the player reports an end, give it time to fail, then stop.
    QTest::qWait(1500);
    start->trigger();
    QCOMPARE(player()->state(), QMediaPlayer::StoppedState);
    QVERIFY(child<QAction>("acAbout")->isEnabled());
    QVERIFY(!child<QLineEdit>("leInput")->isEnabled());
    QVERIFY(QDir(env->dataFolder()).entryList({QStringLiteral("stat*")}).isEmpty());
    // The window still runs a good test afterwards.
    QVERIFY(QFile::copy(SOUNDS + QStringLiteral("cat.wav"), env->defaultDictionary() + QStringLiteral("/cat.wav")));
    QVERIFY(bad.remove());
    start->trigger();
    QVERIFY(waitForAnswerPhase());
    QCOMPARE(playingWord(), QStringLiteral("cat"));
}

void TestTestRun::wordsWithOddLetters_judgedAndStoredAsTheyAre()
{
    makeDefaultDictionary({QStringLiteral("Éclair.wav=cat.wav"), QStringLiteral("a<b&c.ogg=dog.ogg")});
    openWindow(2);
    child<QAction>("acStart")->trigger();
    QStringList order;
    for (int i = 0; i < 2; ++i) {
        QVERIFY(waitForAnswerPhase());
        const QString word = playingWord();
        order << word;
        auto* input = child<QLineEdit>("leInput");
        if (word == QStringLiteral("Éclair")) {
            type(input, QStringLiteral("éCLAIR"));
            pressEnter();
            QCOMPARE(child<QLabel>("lblResult")->text(), QStringLiteral("<p align='center'>OK</p>"));
        } else {
            QCOMPARE(word, QStringLiteral("a<b&c"));
            type(input, QStringLiteral("a<b"));
            pressEnter();
            QCOMPARE(child<QLabel>("lblResult")->text(),
                     QStringLiteral("<p align='center'>a<b<font color='red'>&</font><font color='red'>c</font></p>"));
        }
        if (i == 0)
            pressEnter();
    }
    const QStringList stored = QDir(env->dataFolder()).entryList({QStringLiteral("stat*.dat")}, QDir::Files);
    QCOMPARE(stored.size(), 1);
    const QByteArray bytes = env->readData(stored.first());
    for (int i = 0; i < 2; ++i)
        QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 12 + 528 * i + 4)),
                 order[i]);
}

QTEST_MAIN(TestTestRun)
#include "tst_testrun.moc"
