#include "widgets/folderchooser.h"
#include "app/mainwindow.h"
#include "widgets/messagebox.h"
#include "dictionaries/dlgdictionaries.h"
#include "platform/platform.h"

#include "testenvironment.h"

#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMediaPlayer>
#include <QToolButton>

// The Dictionaries window alone and through the main window. Records are written "path=selected", the path
// relative to the test's root folder; "work/Default" is the working directory's Default.
class TestDictionariesDialog : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup()
    {
        delete dialog;
        EnvironmentTest::cleanup();
    }
    void fillThenClose_data();
    void fillThenClose();
    void remove_data();
    void remove();
    void addTwice_data();
    void addTwice();
    void mainWindow_takesTheFirstReportOnly_thenPlaysAnAddedFolder();

private:
    QPointer<dlgDictionaries> dialog;
    QStringList opened;
    int reports = 0;

    QString full(const QString& relative) const { return env->root() + QLatin1Char('/') + relative; }
    QStringList stored() const;
    QStringList shown() const;
    void open(const QStringList& records);
    QListWidget* list() const { return dialog->findChild<QListWidget*>(); }
    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(dialog, name), Qt::LeftButton); }
    void toggle(int row) // the way the keyboard ticks
    {
        list()->setCurrentRow(row);
        QTest::keyClick(list(), Qt::Key_Space);
    }
};

void TestDictionariesDialog::initTestCase()
{
    MessageBox::collectForTesting();
    platform::setFolderOpener([this](const char16_t* path) { opened << QString::fromUtf16(path); });
}

void TestDictionariesDialog::init()
{
    EnvironmentTest::init();
    for (const char* folder : {"words", "spare", "work/Default", "elsewhere/Default"})
        QVERIFY(QDir().mkpath(full(QLatin1String(folder))));
    MessageBox::takeCollected();
    opened.clear();
    reports = 0;
}

// data.dat record by record, once its header and length agree.
QStringList TestDictionariesDialog::stored() const
{
    const QByteArray bytes = env->readData(QStringLiteral("data.dat"));
    if (bytes.size() < 8)
        return {QStringLiteral("no file")};
    const int count = qFromLittleEndian<qint32>(bytes.constData() + 4);
    if (qFromLittleEndian<quint32>(bytes.constData()) != 1 || bytes.size() != 8 + 522 * count)
        return {QStringLiteral("damaged")};
    QStringList out;
    for (int at = 8; at < bytes.size(); at += 522) {
        const QString path = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + at));
        out << path.mid(env->root().size() + 1) + '=' + QString::number(bytes.at(at + 520));
    }
    return out;
}

// Each entry as "name [x]" or "name [ ]", then " red" when drawn red and " fixed" when it cannot be ticked.
QStringList TestDictionariesDialog::shown() const
{
    QStringList out;
    for (int i = 0; i < list()->count(); ++i) {
        const QListWidgetItem* item = list()->item(i);
        out << item->text() + (item->checkState() == Qt::Checked ? " [x]" : " [ ]") +
                   (item->foreground().color() == Qt::red ? " red" : "") +
                   (item->flags() & Qt::ItemIsUserCheckable ? "" : " fixed");
    }
    return out;
}

void TestDictionariesDialog::open(const QStringList& records)
{
    std::vector<__dictionary> stored;
    for (const QString& record : records)
        stored.push_back(dictionary(full(record.section('=', 0, 0)), record.endsWith(QLatin1String("=1")) ? 1 : 0));
    if (!records.isEmpty())
        writeDictionaries(stored);
    dialog = new dlgDictionaries(nullptr);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &dlgDictionaries::dictionaryChanged, this, [this] { ++reports; });
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
}

void TestDictionariesDialog::fillThenClose_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("OK button") << "OK";
    QTest::addRow("Enter presses OK, not Delete") << "Enter";
    QTest::addRow("window's close button") << "close";
}

void TestDictionariesDialog::fillThenClose()
{
    QFETCH(QString, how);
    const QStringList records{"words=1", "spare=0", "gone=1", "elsewhere/Default=1"};
    open(records);
    QCOMPARE(shown(), (QStringList{"words [x]", "spare [ ]", "gone [ ] red fixed", "Default [x]", "Default [x]"}));
    auto* label = child<QLabel>(dialog, "lblPath");
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
    // Each entry shows its whole path; only a folder that is there can be opened.
    QStringList there;
    for (int row = 0; row < list()->count(); ++row) {
        list()->setCurrentRow(row);
        const QString path = row < records.size() ? full(records[row].section('=', 0, 0)) : env->defaultDictionary();
        QCOMPARE(child<QLineEdit>(dialog, "lePath")->text(), path);
        click("tbOpenFolder");
        if (QFileInfo::exists(path))
            there << path;
    }
    QCOMPARE(opened, there);

    for (int row : {0, 1, 2})
        toggle(row);
    QCOMPARE(stored(), records);
    if (how == QLatin1String("OK"))
        click("btnOK");
    else if (how == QLatin1String("Enter"))
        QTest::keyClick(list(), Qt::Key_Return);
    else
        dialog->close();
    const QStringList expected{"words=0", "spare=1", "gone=0", "elsewhere/Default=1", "work/Default=1"};
    QCOMPARE(stored(), expected);
    QCOMPARE(reports, 1);
    QTRY_VERIFY(dialog.isNull());
}

void TestDictionariesDialog::remove_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("left");
    QTest::addRow("ordinary entry") << 0 << QString() << QStringList{"work/Default=1", "elsewhere/Default=0"};
    QTest::addRow("current Default refused") << 1 << "Default dictionary cannot be deleted."
                                             << QStringList{"words=1", "work/Default=1", "elsewhere/Default=0"};
    QTest::addRow("last entry, a Default of another working directory")
        << 2 << QString() << QStringList{"words=1", "work/Default=1"};
}

void TestDictionariesDialog::remove()
{
    QFETCH(int, row);
    QFETCH(QString, message);
    QFETCH(QStringList, left);
    open({"words=1", "work/Default=1", "elsewhere/Default=0"});
    list()->setCurrentRow(row);
    click("btnDelete");
    QCOMPARE(MessageBox::takeCollected(), message.isEmpty() ? QStringList() : QStringList{message});
    // A deletion leaves no entry current; a refusal leaves the entry where it was.
    QCOMPARE(list()->currentRow(), message.isEmpty() ? -1 : row);
    QCOMPARE(child<QLineEdit>(dialog, "lePath")->text().isEmpty(), message.isEmpty());
    QCOMPARE(stored().size(), 3);
    click("btnOK");
    QCOMPARE(stored(), left);
}

void TestDictionariesDialog::addTwice_data()
{
    QTest::addColumn<bool>("escape");
    QTest::addRow("closed with OK") << false;
    QTest::addRow("dismissed with Escape: stored, not reported") << true;
}

void TestDictionariesDialog::addTwice()
{
    QFETCH(bool, escape);
    open({});
    QCOMPARE(shown(), QStringList{"Default [x]"});
    FolderChooser::setNextFolderForTesting(QString()); // cancelled
    click("btnAdd");
    QCOMPARE(stored(), QStringList{"no file"});
    for (int i = 0; i < 2; ++i) {
        FolderChooser::setNextFolderForTesting(full(QStringLiteral("words")));
        click("btnAdd");
    }
    const QStringList expected{"work/Default=1", "words=1", "words=1"};
    QCOMPARE(stored(), expected);
    QCOMPARE(shown(), (QStringList{"Default [x]", "words [x]", "words [x]"}));
    if (escape)
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        click("btnOK");
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(stored(), expected);
    QCOMPARE(reports, escape ? 0 : 1);
}

void TestDictionariesDialog::mainWindow_takesTheFirstReportOnly_thenPlaysAnAddedFolder()
{
    QVERIFY(QFile::copy(sound("cat.wav"), env->defaultDictionary() + "/cat.wav"));
    QVERIFY(QFile::copy(sound("dog.ogg"), full("words/dog.ogg")));
    MainWindow window;
    auto* start = child<QAction>(&window, "acStart");
    // An empty list is taken as it is; the report of the OK that follows is not taken.
    child<QAction>(&window, "acDictionaries")->trigger();
    dialog = window.findChild<dlgDictionaries*>();
    QVERIFY(dialog->isVisible() && dialog->isModal() && dialog->testAttribute(Qt::WA_DeleteOnClose));
    std::vector<__dictionary> empty;
    emit dialog->dictionaryChanged(&empty);
    click("btnOK");
    QTRY_VERIFY(dialog.isNull());
    start->trigger();
    QCOMPARE(MessageBox::takeCollected(), QStringList{"You have to add at least one dictionary."});

    child<QAction>(&window, "acDictionaries")->trigger();
    dialog = window.findChild<dlgDictionaries*>();
    FolderChooser::setNextFolderForTesting(full(QStringLiteral("words")));
    click("btnAdd");
    toggle(0);
    click("btnOK");
    QTRY_VERIFY(dialog.isNull());
    start->trigger();
    auto* input = child<QLineEdit>(&window, "leInput");
    QVERIFY(QTest::qWaitFor([&] { return input->isEnabled(); }, 15000));
    QCOMPARE(window.findChild<QMediaPlayer*>()->media().request().url().toLocalFile(), full("words/dog.ogg"));
}

QTEST_MAIN(TestDictionariesDialog)
#include "tst_dictionariesdialog.moc"
