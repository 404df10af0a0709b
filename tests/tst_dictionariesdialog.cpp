#include "app/folderchooser.h"
#include "app/mainwindow.h"
#include "app/messagebox.h"
#include "dictionaries/dlgdictionaries.h"
#include "platform/platform.h"

#include "testenvironment.h"

#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMediaPlayer>
#include <QPushButton>
#include <QToolButton>

#include <cstring>

// The Dictionaries window on its own and through the main window. Paths in the tables are relative to the test's
// root folder; "work/Default" is the Default dictionary of the working directory.
class TestDictionariesDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fill_data();
    void fill();
    void close_storesCheckMarksAndReportsOnce_data();
    void close_storesCheckMarksAndReportsOnce();
    void remove_data();
    void remove();
    void addTwice_storedAtOnce_data();
    void addTwice_storedAtOnce();
    void mainWindow_takesTheFirstReportedListOnly();
    void addedFolder_isWhatTheNextTestPlays();

private:
    std::unique_ptr<TestEnvironment> env;
    QPointer<dlgDictionaries> dialog;
    QStringList reported; // the last list the dialog emitted, as stored() gives it
    int reports = 0;
    QStringList opened;

    QString full(const QString& relative) const { return env->root() + QLatin1Char('/') + relative; }
    void store(const QStringList& records);
    QStringList stored() const;
    QStringList shown() const;
    void openDialog();
    template <typename T> T* child(const char* name) const { return dialog->findChild<T*>(QLatin1String(name)); }
    void toggle(int row);
};

namespace {

// "path=1" / "path=0" for each record, the way the tables write them.
QStringList describe(const std::vector<__dictionary>& list, const QString& root)
{
    QStringList out;
    for (const __dictionary& d : list)
        out << QString::fromUtf16(d.path).mid(root.size() + 1) + QLatin1Char('=') + QString::number(d.selected);
    return out;
}

} // namespace

void TestDictionariesDialog::initTestCase()
{
    MessageBox::collectForTesting();
    platform::setFolderOpenerForTesting([this](const char16_t* path) { opened << QString::fromUtf16(path); });
}

void TestDictionariesDialog::init()
{
    env = std::make_unique<TestEnvironment>();
    for (const char* folder : {"words", "spare", "work/Default", "elsewhere/Default"})
        QVERIFY(QDir().mkpath(full(QLatin1String(folder))));
    MessageBox::takeCollected();
    reported.clear();
    reports = 0;
    opened.clear();
}

void TestDictionariesDialog::cleanup()
{
    delete dialog;
    env.reset();
}

void TestDictionariesDialog::store(const QStringList& records)
{
    std::vector<__dictionary> list;
    for (const QString& r : records) {
        __dictionary d;
        std::memset(&d, 0, sizeof d);
        const QString path = full(r.section(QLatin1Char('='), 0, 0));
        wcslcpy(d.path, reinterpret_cast<const char16_t*>(path.utf16()), PATH_UNITS);
        d.selected = static_cast<unsigned char>(r.section(QLatin1Char('='), 1).toInt());
        list.push_back(d);
    }
    writeDictionaries(list);
}

// data.dat record by record, after checking that its length matches its count.
QStringList TestDictionariesDialog::stored() const
{
    const QByteArray bytes = env->readData(QStringLiteral("data.dat"));
    if (bytes.size() < 8)
        return {QStringLiteral("no file")};
    const quint32 count = qFromLittleEndian<quint32>(bytes.constData() + 4);
    if (qFromLittleEndian<quint32>(bytes.constData()) != 1 || bytes.size() != int(8 + 522 * count))
        return {QStringLiteral("damaged")};
    std::vector<__dictionary> list(count);
    for (quint32 i = 0; i < count; ++i) {
        const char* record = bytes.constData() + 8 + 522 * i;
        std::memcpy(list[i].path, record, 520);
        list[i].selected = static_cast<unsigned char>(record[520]);
    }
    return describe(list, env->root());
}

// Each entry as "name [x]" or "name [ ]", with " red" for a red one and " fixed" when it cannot be ticked.
QStringList TestDictionariesDialog::shown() const
{
    QStringList out;
    auto* list = child<QListWidget>("lstwDictionary");
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem* item = list->item(i);
        out << item->text() + (item->checkState() == Qt::Checked ? " [x]" : " [ ]") +
                   (item->foreground().color() == Qt::red ? " red" : "") +
                   (item->flags() & Qt::ItemIsUserCheckable ? "" : " fixed");
    }
    return out;
}

void TestDictionariesDialog::openDialog()
{
    dialog = new dlgDictionaries(nullptr);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &dlgDictionaries::dictionaryChanged, this, [this](std::vector<__dictionary>* lst) {
        reported = describe(*lst, env->root());
        ++reports;
    });
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
}

// Ticks or unticks an entry the way the keyboard does.
void TestDictionariesDialog::toggle(int row)
{
    auto* list = child<QListWidget>("lstwDictionary");
    list->setCurrentRow(row);
    QTest::keyClick(list, Qt::Key_Space);
}

void TestDictionariesDialog::fill_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("entries");
    QTest::addRow("first opening, no data.dat") << QStringList() << QStringList{"Default [x]"};
    QTest::addRow("existing, missing and two Defaults")
        << QStringList{"words=1", "spare=0", "gone=1", "elsewhere/Default=1"}
        << QStringList{"words [x]", "spare [ ]", "gone [ ] red fixed", "Default [x]", "Default [x]"};
}

void TestDictionariesDialog::fill()
{
    QFETCH(QStringList, records);
    QFETCH(QStringList, entries);
    if (!records.isEmpty())
        store(records);
    openDialog();
    QCOMPARE(shown(), entries);
    auto* label = child<QLabel>("lblPath");
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
    // Each entry shows its whole path; only a folder that is there can be opened.
    QStringList expectedOpened;
    for (int row = 0; row < entries.size(); ++row) {
        child<QListWidget>("lstwDictionary")->setCurrentRow(row);
        const QString path = row < records.size() ? full(records[row].section('=', 0, 0)) : env->defaultDictionary();
        QCOMPARE(child<QLineEdit>("lePath")->text(), path);
        QCOMPARE(child<QToolButton>("tbOpenFolder")->isEnabled(), QFileInfo::exists(path));
        if (QFileInfo::exists(path)) {
            QTest::mouseClick(child<QToolButton>("tbOpenFolder"), Qt::LeftButton);
            expectedOpened << path;
        }
    }
    QCOMPARE(opened, expectedOpened);
}

void TestDictionariesDialog::close_storesCheckMarksAndReportsOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("OK button") << "OK";
    QTest::addRow("Enter presses OK, not Delete") << "Enter";
    QTest::addRow("window's close button") << "close";
}

void TestDictionariesDialog::close_storesCheckMarksAndReportsOnce()
{
    QFETCH(QString, how);
    store({"words=1", "spare=0", "gone=1", "work/Default=1"});
    openDialog();
    for (int row : {0, 1, 2})
        toggle(row);
    QCOMPARE(shown(), (QStringList{"words [ ]", "spare [x]", "gone [ ] red fixed", "Default [x]"}));
    QCOMPARE(stored(), (QStringList{"words=1", "spare=0", "gone=1", "work/Default=1"}));
    if (how == QLatin1String("OK"))
        QTest::mouseClick(child<QPushButton>("btnOK"), Qt::LeftButton);
    else if (how == QLatin1String("Enter"))
        QTest::keyClick(child<QListWidget>("lstwDictionary"), Qt::Key_Return);
    else
        dialog->close();
    const QStringList expected{"words=0", "spare=1", "gone=0", "work/Default=1"};
    QCOMPARE(stored(), expected);
    QCOMPARE(reports, 1);
    QCOMPARE(reported, expected);
    QTRY_VERIFY(dialog.isNull());
}

void TestDictionariesDialog::remove_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("left");
    const QStringList all{"words=1", "work/Default=1", "elsewhere/Default=0"};
    QTest::addRow("ordinary entry") << 0 << QString() << QStringList{all[1], all[2]};
    QTest::addRow("current Default refused") << 1 << "Default dictionary cannot be deleted." << all;
    QTest::addRow("last entry, a Default of another working directory")
        << 2 << QString() << QStringList{all[0], all[1]};
    QTest::addRow("no current entry") << -1 << QString() << all;
}

void TestDictionariesDialog::remove()
{
    QFETCH(int, row);
    QFETCH(QString, message);
    QFETCH(QStringList, left);
    store({"words=1", "work/Default=1", "elsewhere/Default=0"});
    openDialog();
    auto* list = child<QListWidget>("lstwDictionary");
    list->setCurrentRow(row);
    QTest::mouseClick(child<QPushButton>("btnDelete"), Qt::LeftButton);
    QCOMPARE(MessageBox::takeCollected(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(list->count(), left.size());
    // A deletion leaves no entry current; a refusal leaves the entry where it was.
    QCOMPARE(list->currentRow(), message.isEmpty() ? -1 : row);
    QCOMPARE(child<QLineEdit>("lePath")->text().isEmpty(), message.isEmpty());
    QCOMPARE(stored().size(), 3);
    QTest::mouseClick(child<QPushButton>("btnOK"), Qt::LeftButton);
    QCOMPARE(stored(), left);
}

void TestDictionariesDialog::addTwice_storedAtOnce_data()
{
    QTest::addColumn<bool>("escape");
    QTest::addRow("closed with OK") << false;
    QTest::addRow("dismissed with Escape: stored, not reported") << true;
}

void TestDictionariesDialog::addTwice_storedAtOnce()
{
    QFETCH(bool, escape);
    openDialog();
    FolderChooser::setNextFolderForTesting(QString()); // cancelled
    QTest::mouseClick(child<QPushButton>("btnAdd"), Qt::LeftButton);
    QCOMPARE(stored(), QStringList{"no file"});
    QStringList expected{"work/Default=1"};
    for (int i = 0; i < 2; ++i) {
        FolderChooser::setNextFolderForTesting(full(QStringLiteral("words")));
        QTest::mouseClick(child<QPushButton>("btnAdd"), Qt::LeftButton);
        expected << QStringLiteral("words=1");
        QCOMPARE(stored(), expected);
    }
    QCOMPARE(shown(), (QStringList{"Default [x]", "words [x]", "words [x]"}));
    if (escape)
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        QTest::mouseClick(child<QPushButton>("btnOK"), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(stored(), expected);
    QCOMPARE(reports, escape ? 0 : 1);
}

void TestDictionariesDialog::mainWindow_takesTheFirstReportedListOnly()
{
    QVERIFY(QFile::copy(QStringLiteral(QUILLORA_SOURCE_DIR "/tests/data/sounds/cat.wav"),
                        env->defaultDictionary() + QStringLiteral("/cat.wav")));
    MainWindow window;
    QAction* start = window.findChild<QAction*>(QStringLiteral("acStart"));
    window.findChild<QAction*>(QStringLiteral("acDictionaries"))->trigger();
    dialog = window.findChild<dlgDictionaries*>();
    QVERIFY(dialog && dialog->isVisible() && dialog->isModal() && dialog->testAttribute(Qt::WA_DeleteOnClose));
    toggle(0);
    QTest::mouseClick(child<QPushButton>("btnOK"), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());
    start->trigger();
    QCOMPARE(MessageBox::takeCollected(), QStringList{"You have to select at least one dictionary."});

    // An empty list is taken over as it is; a second report of the same window is not.
    window.findChild<QAction*>(QStringLiteral("acDictionaries"))->trigger();
    dialog = window.findChild<dlgDictionaries*>();
    std::vector<__dictionary> empty;
    emit dialog->dictionaryChanged(&empty);
    QTest::mouseClick(child<QPushButton>("btnOK"), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());
    start->trigger();
    QCOMPARE(MessageBox::takeCollected(), QStringList{"You have to add at least one dictionary."});
}

void TestDictionariesDialog::addedFolder_isWhatTheNextTestPlays()
{
    QVERIFY(QFile::copy(QStringLiteral(QUILLORA_SOURCE_DIR "/tests/data/sounds/cat.wav"),
                        env->defaultDictionary() + QStringLiteral("/cat.wav")));
    QVERIFY(QFile::copy(QStringLiteral(QUILLORA_SOURCE_DIR "/tests/data/sounds/dog.ogg"),
                        full(QStringLiteral("words/dog.ogg"))));
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QAction*>(QStringLiteral("acDictionaries"))->trigger();
    dialog = window.findChild<dlgDictionaries*>();
    FolderChooser::setNextFolderForTesting(full(QStringLiteral("words")));
    QTest::mouseClick(child<QPushButton>("btnAdd"), Qt::LeftButton);
    toggle(0);
    QTest::mouseClick(child<QPushButton>("btnOK"), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());

    window.findChild<QAction*>(QStringLiteral("acStart"))->trigger();
    auto* input = window.findChild<QLineEdit*>(QStringLiteral("leInput"));
    QVERIFY(QTest::qWaitFor([&] { return input->isEnabled(); }, 15000));
    const QString played = window.findChild<QMediaPlayer*>()->media().request().url().toLocalFile();
    QCOMPARE(played, full(QStringLiteral("words/dog.ogg")));
}

QTEST_MAIN(TestDictionariesDialog)
#include "tst_dictionariesdialog.moc"
