#include "app/mainwindow.h"
#include "dictionaries/dlgdictionaries.h"
#include "dictionaries/dlgmakedictionary.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"

#include "testenvironment.h"

#include <QtTest>
#include <algorithm>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMediaPlayer>

// The Dictionaries window alone and through the main window; "work/Default" is the working directory's Default.
class TestDictionariesDialog : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::collectForTesting(); }
    void editThenClose_storesTicksAndDeletions();
    void mainWindow_playsAnAddedFolder();
    void newDictionary_spokenListedAndPlayed();
    void keysAlone_tickDeleteMakeAndClose();

private:
    QPointer<dlgDictionaries> dialog;

    QString full(const char* relative) const { return env->root() + '/' + relative; }
    QListWidget* list() const { return dialog->findChild<QListWidget*>(); }
    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(dialog, name), Qt::LeftButton); }

    // data.dat as "path=selected" records, paths relative to the test's root, once its header and length agree.
    QStringList stored() const
    {
        const QByteArray bytes = env->readData(QStringLiteral("data.dat"));
        QStringList out;
        for (int at = 8; at + 522 <= bytes.size(); at += 522)
            out << QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + at))
                           .mid(env->root().size() + 1) +
                       '=' + QString::number(bytes.at(at + 520));
        const bool whole = bytes.startsWith(QByteArray("\1\0\0\0", 4)) && bytes.size() == 8 + 522 * out.size();
        return whole && qFromLittleEndian<qint32>(bytes.constData() + 4) == out.size() ? out : QStringList{"damaged"};
    }

    // The widgets Tab visits from the focused one round to it, "!" marking one a screen reader cannot name.
    static QStringList tabChain()
    {
        QStringList visited;
        QWidget* const start = QApplication::focusWidget();
        do {
            QWidget* at = QApplication::focusWidget();
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(at);
            visited << at->objectName() + (read != nullptr && !read->text(QAccessible::Name).isEmpty() ? "" : "!");
            QTest::keyClick(at, Qt::Key_Tab);
        } while (QApplication::focusWidget() != start && visited.size() < 20);
        return visited;
    }
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }

    // Each entry as "name [x]" or "name [ ]", then " red" when drawn red.
    QStringList shown() const
    {
        QStringList out;
        for (const QListWidgetItem* item : list()->findItems(QString(), Qt::MatchContains))
            out << item->text() + (item->checkState() == Qt::Checked ? " [x]" : " [ ]") +
                       (item->foreground().color() == Qt::red ? " red" : "");
        return out;
    }
};

void TestDictionariesDialog::editThenClose_storesTicksAndDeletions()
{
    for (const char* folder : {"words", "spare", "elsewhere/Default", "work/Default"})
        QVERIFY(QDir().mkpath(full(folder)));
    writeDictionaries({dictionary(full("words"), 1), dictionary(full("spare"), 0), dictionary(full("gone"), 1),
                       dictionary(full("elsewhere/Default"), 1)});
    dlgDictionaries standalone(nullptr);
    dialog = &standalone;
    dialog->show();
    QCOMPARE(shown(), (QStringList{"words [x]", "spare [ ]", "gone [ ] red", "Default [x]", "Default [x]"}));
    // Space flips each tick; a folder that has gone cannot be ticked.
    for (int row = 0; row < list()->count(); ++row) {
        list()->setCurrentRow(row);
        QTest::keyClick(list(), Qt::Key_Space);
    }
    list()->setCurrentRow(3);
    click("btnDelete"); // a Default, but another working directory's
    list()->setCurrentRow(3);
    click("btnDelete");
    QCOMPARE(MessageBox::takeCollected(), QStringList{"Default dictionary cannot be deleted."});
    dialog->close();
    QCOMPARE(stored(), (QStringList{"words=0", "spare=1", "gone=0", "work/Default=0"}));
}

// Enter presses OK, not Delete, which would refuse the current Default.
void TestDictionariesDialog::mainWindow_playsAnAddedFolder()
{
    QVERIFY(writeFile(env->defaultDictionary() + "/cat.wav", readFile(sound("cat.wav"))));
    QVERIFY(writeFile(full("words/dog.ogg"), readFile(sound("dog.ogg"))));
    env->writeData(QStringLiteral("settings.conf"), "tip=0\n"); // no other window to close below
    MainWindow window;
    child<QAction>(&window, "acDictionaries")->trigger();
    dialog = window.findChild<dlgDictionaries*>();
    FileDialog::answerNextForTesting(full("words"));
    click("btnAdd");
    // A folder already listed is shown rather than added twice.
    FileDialog::answerNextForTesting(full("words") + '/');
    click("btnAdd");
    QCOMPARE(list()->currentRow(), 1);
    // An added folder is stored at once, ticked.
    QCOMPARE(stored(), (QStringList{"work/Default=1", "words=1"}));
    list()->setCurrentRow(0);
    QTest::keyClick(list(), Qt::Key_Space);
    QTest::keyClick(list(), Qt::Key_Return);
    QCOMPARE(stored(), (QStringList{"work/Default=0", "words=1"}));
    child<QAction>(&window, "acStart")->trigger();
    QCOMPARE(window.findChild<QMediaPlayer*>()->media().request().url().toLocalFile(), full("words/dog.ogg"));
}

// New... speaks a word list into a new folder, listed ticked as Add lists a folder; a test draws from it.
void TestDictionariesDialog::newDictionary_spokenListedAndPlayed()
{
    env->writeData(QStringLiteral("settings.conf"), "tip=0\n");
    MainWindow window;
    child<QAction>(&window, "acDictionaries")->trigger();
    dialog = window.findChild<dlgDictionaries*>();
    click("btnNew");
    QPointer<dlgMakeDictionary> maker = dialog->findChild<dlgMakeDictionary*>();
    const auto press = [&](const char* name) {
        QTest::mouseClick(child<QAbstractButton>(maker, name), Qt::LeftButton);
    };
    child<QLineEdit>(maker, "leName")->setText(QStringLiteral("Animals"));
    press("btnMake"); // no words yet
    FileDialog::answerNextForTesting(full("lists"));
    press("tbFolder");
    QVERIFY(writeFile(full("words.txt"), "cat\n/\n dog\n"));
    FileDialog::answerNextForTesting(full("words.txt"));
    press("btnLoad");
    press("btnMake");
    QTRY_VERIFY_WITH_TIMEOUT(maker.isNull(), 30000); // closed once made
    QCOMPARE(MessageBox::takeCollected(),
             (QStringList{"The word list is empty. Type or paste the words, one per line, or load a word list.",
                          "Made 2 recordings, kept 0 recordings, skipped 1 line.\n\nSkipped:\n"
                          "line 2: \"/\" has a slash, which no file name can hold"}));
    QCOMPARE(QDir(full("lists/Animals")).entryList(QDir::Files), (QStringList{"cat.wav", "dog.wav"}));
    QCOMPARE(shown(), (QStringList{"Default [ ] red", "Animals [x]"}));
    QCOMPARE(stored(), (QStringList{"work/Default=1", "lists/Animals=1"}));
    click("btnOK");
    child<QAction>(&window, "acStart")->trigger();
    QVERIFY(
        window.findChild<QMediaPlayer*>()->media().request().url().toLocalFile().startsWith(full("lists/Animals/")));
}

// Every step by keys on the focused widget: moving, ticking, deleting, New... and closing by Escape.
void TestDictionariesDialog::keysAlone_tickDeleteMakeAndClose()
{
    for (const char* folder : {"words", "spare", "old", "work/Default"})
        QVERIFY(QDir().mkpath(full(folder)));
    writeDictionaries({dictionary(full("words"), 1), dictionary(full("spare"), 0), dictionary(full("old"), 1)});
    dlgDictionaries standalone(nullptr);
    dialog = &standalone;
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QCOMPARE(QApplication::focusWidget(), list());
    for (int key : {Qt::Key_Home, Qt::Key_Space, Qt::Key_Down, Qt::Key_Space, Qt::Key_End})
        press(key);
    press(Qt::Key_D, Qt::AltModifier); // the Default stays
    QVERIFY(child<QAbstractButton>(dialog, "btnDelete")->isDown());
    QTRY_VERIFY(!child<QAbstractButton>(dialog, "btnDelete")->isDown()); // a mnemonic clicks once the button is up
    QCOMPARE(MessageBox::takeCollected(), QStringList{"Default dictionary cannot be deleted."});
    QCOMPARE(tabChain(),
             (QStringList{"lstwDictionary", "lePath", "tbOpenFolder", "btnDelete", "btnAdd", "btnNew", "btnOK"}));
    press(Qt::Key_Up);
    press(Qt::Key_Delete);
    QCOMPARE(shown(), (QStringList{"words [ ]", "spare [x]", "Default [x]"}));

    press(Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(dialog->findChild<dlgMakeDictionary*>() != nullptr);
    QPointer<dlgMakeDictionary> maker = dialog->findChild<dlgMakeDictionary*>();
    QVERIFY(QTest::qWaitForWindowActive(maker));
    const QStringList fields{"leName",   "leFolder", "tbFolder",   "btnLoad", "pteWords", "cbVoice",
                             "spbSpeed", "btnTry",   "chbReplace", "btnMake", "btnCancel"};
    // The voice controls wait for the list of voices, which a slow build takes a while to read.
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(fields.begin(), fields.end(),
                                         [&](const QString& name) {
                                             const auto* field = maker->findChild<QWidget*>(name);
                                             return field != nullptr && field->isEnabled();
                                         }),
                             20000);
    QCOMPARE(tabChain().join(' '), fields.join(' '));
    press(Qt::Key_Return); // Make, which asks for a name first
    QVERIFY(MessageBox::takeCollected().value(0).startsWith("Give the dictionary a name"));
    press(Qt::Key_Escape);
    QTRY_VERIFY(maker.isNull());
    dialog->activateWindow(); // the window manager's part, missing offscreen
    QTRY_COMPARE(QApplication::focusWidget(), list());
    press(Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(stored(), (QStringList{"words=0", "spare=1", "work/Default=1"}));
}

QTEST_MAIN(TestDictionariesDialog)
#include "tst_dictionariesdialog.moc"
