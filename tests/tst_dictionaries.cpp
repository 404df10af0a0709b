#include "dictionaries/dictionaries.h"

#include "testenvironment.h"

#include <QtTest>

#include <cstring>

class TestDictionaries : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void read_data();
    void read();
    void read_hugeCountReturnsAtOnce();
    void read_recordWithoutNulIsTerminated();
    void read_doesNotCreateTheFile();
    void write_threeEntriesGiveExactBytes();
    void writeThenRead_roundTrip();
    void write_overLongPathIsCut();
    void appDataFolder_hasTrailingSeparatorAndIsCreated();
    void appDataFolder_thatCannotBeCreated_readsDefaultsAndWritesNothing();

private:
    std::unique_ptr<TestEnvironment> env;
};

namespace {

__dictionary entry(const QString& path, unsigned char selected)
{
    __dictionary d;
    std::memset(&d, 0, sizeof d);
    wcslcpy(d.path, reinterpret_cast<const char16_t*>(path.utf16()), PATH_UNITS);
    d.selected = selected;
    return d;
}

QByteArray uint32le(quint32 v)
{
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray record(const QString& path, unsigned char selected)
{
    QByteArray r(DICTIONARY_RECORD_BYTES, 0);
    for (int i = 0; i < path.size() && i < 260; ++i)
        qToLittleEndian(path.at(i).unicode(), r.data() + 2 * i);
    r[520] = char(selected);
    return r;
}

QByteArray file(quint32 count, const QList<QByteArray>& records)
{
    QByteArray bytes = uint32le(1) + uint32le(count);
    for (const QByteArray& r : records)
        bytes += r;
    return bytes;
}

QString pathOf(const __dictionary& d)
{
    return QString::fromUtf16(d.path);
}

} // namespace

void TestDictionaries::init()
{
    env = std::make_unique<TestEnvironment>();
}

void TestDictionaries::cleanup()
{
    env.reset();
}

void TestDictionaries::read_data()
{
    // "@" stands for the current Default path.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QList<int>>("selected");

    const QString d = QStringLiteral("@");
    QTest::addRow("no file: Default alone, selected") << QByteArray() << false << QStringList{d} << QList<int>{1};
    QTest::addRow("empty file") << QByteArray() << true << QStringList{d} << QList<int>{1};
    QTest::addRow("shorter than the header") << QByteArray("\1\0\0\0\2\0", 6) << true << QStringList{d}
                                             << QList<int>{1};
    QTest::addRow("count 0") << file(0, {}) << true << QStringList{d} << QList<int>{1};
    QTest::addRow("Default stored unselected stays so, no second Default")
        << file(1, {record(d, 0)}) << true << QStringList{d} << QList<int>{0};
    QTest::addRow("Default keeps its place")
        << file(2, {record(d, 1), record(QStringLiteral("/w/a"), 0)}) << true << QStringList{d, QStringLiteral("/w/a")}
        << QList<int>{1, 0};
    QTest::addRow("no Default entry: appended, selected")
        << file(1, {record(QStringLiteral("/w/a"), 1)}) << true << QStringList{QStringLiteral("/w/a"), d}
        << QList<int>{1, 1};
    QTest::addRow("Default differing in letter case is an ordinary folder")
        << file(1, {record(QStringLiteral("@LOWER"), 0)}) << true << QStringList{QStringLiteral("@LOWER"), d}
        << QList<int>{0, 1};
    QTest::addRow("same folder twice stays twice")
        << file(2, {record(QStringLiteral("/w/a"), 1), record(QStringLiteral("/w/a"), 0)}) << true
        << QStringList{QStringLiteral("/w/a"), QStringLiteral("/w/a"), d} << QList<int>{1, 0, 1};
    QTest::addRow("selected byte 2 reads as selected")
        << file(1, {record(QStringLiteral("/w/a"), 2)}) << true << QStringList{QStringLiteral("/w/a"), d}
        << QList<int>{1, 1};
    QTest::addRow("count larger than the records: whole records kept, none invented")
        << file(5, {record(QStringLiteral("/w/a"), 1), record(QStringLiteral("/w/b"), 0)}) << true
        << QStringList{QStringLiteral("/w/a"), QStringLiteral("/w/b"), d} << QList<int>{1, 0, 1};
    QTest::addRow("truncated last record is dropped")
        << file(2, {record(QStringLiteral("/w/a"), 1), record(QStringLiteral("/w/b"), 1).left(300)}) << true
        << QStringList{QStringLiteral("/w/a"), d} << QList<int>{1, 1};
}

void TestDictionaries::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, present);
    QFETCH(QStringList, paths);
    QFETCH(QList<int>, selected);

    const QString defaultPath = env->defaultDictionary();
    if (present) {
        // Put the real Default path where the table says "@"; "@LOWER" is the same path in other letter case.
        QByteArray patched = bytes;
        for (int offset = 8; offset + DICTIONARY_RECORD_BYTES <= patched.size(); offset += DICTIONARY_RECORD_BYTES) {
            const QString stored = QString::fromUtf16(reinterpret_cast<const char16_t*>(patched.constData() + offset));
            QString real = stored == QLatin1String("@") ? defaultPath
                         : stored == QLatin1String("@LOWER") ? defaultPath.toLower() : QString();
            if (!real.isEmpty())
                patched.replace(offset, 520, record(real, 0).left(520));
        }
        env->writeData(QStringLiteral("data.dat"), patched);
    }

    std::vector<__dictionary> list;
    readDictionaries(list);
    QStringList actualPaths;
    QList<int> actualSelected;
    for (const __dictionary& d : list) {
        QString p = pathOf(d);
        if (p == defaultPath)
            p = QStringLiteral("@");
        else if (p == defaultPath.toLower())
            p = QStringLiteral("@LOWER");
        actualPaths << p;
        actualSelected << d.selected;
    }
    QCOMPARE(actualPaths, paths);
    QCOMPARE(actualSelected, selected);
}

void TestDictionaries::read_hugeCountReturnsAtOnce()
{
    env->writeData(QStringLiteral("data.dat"), file(0xFFFFFFFFu, {record(QStringLiteral("/w/a"), 1)}));
    QElapsedTimer timer;
    timer.start();
    std::vector<__dictionary> list;
    readDictionaries(list);
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(int(list.size()), 2);
    QCOMPARE(pathOf(list[0]), QStringLiteral("/w/a"));
}

void TestDictionaries::read_recordWithoutNulIsTerminated()
{
    QByteArray r(DICTIONARY_RECORD_BYTES, 0);
    for (int i = 0; i < 260; ++i)
        qToLittleEndian(quint16('x'), r.data() + 2 * i);
    r[520] = 1;
    env->writeData(QStringLiteral("data.dat"), file(1, {r}));
    std::vector<__dictionary> list;
    readDictionaries(list);
    QCOMPARE(int(list.size()), 2);
    QCOMPARE(pathOf(list[0]), QString(259, QLatin1Char('x')));
}

void TestDictionaries::read_doesNotCreateTheFile()
{
    std::vector<__dictionary> list;
    readDictionaries(list);
    QVERIFY(!QFile::exists(env->dataFolder() + QStringLiteral("/data.dat")));
}

void TestDictionaries::write_threeEntriesGiveExactBytes()
{
    const QString word = QStringLiteral("/home/ann/Wörter");
    writeDictionaries({entry(QStringLiteral("/a"), 1), entry(word, 0), entry(QStringLiteral("/c"), 1)});
    const QByteArray bytes = env->readData(QStringLiteral("data.dat"));
    QCOMPARE(bytes.size(), 1574);
    QCOMPARE(bytes.left(8), uint32le(1) + uint32le(3));
    QCOMPARE(bytes.mid(8, 522), record(QStringLiteral("/a"), 1));
    QCOMPARE(bytes.mid(8 + 522, 522), record(word, 0));
    QCOMPARE(bytes.mid(8 + 2 * 522, 522), record(QStringLiteral("/c"), 1));
}

void TestDictionaries::writeThenRead_roundTrip()
{
    const std::vector<__dictionary> written = {entry(QStringLiteral("/x/één"), 0), entry(env->defaultDictionary(), 1),
                                               entry(QStringLiteral("/x/b"), 1)};
    writeDictionaries(written);
    std::vector<__dictionary> read;
    readDictionaries(read);
    QCOMPARE(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        QCOMPARE(pathOf(read[i]), pathOf(written[i]));
        QCOMPARE(read[i].selected, written[i].selected);
    }
}

void TestDictionaries::write_overLongPathIsCut()
{
    // Units after the NUL are not ours to write: the stored record holds the text, then zeros.
    __dictionary d = entry(QString(300, QLatin1Char('p')), 1);
    std::fill(d.path + 10, d.path + PATH_UNITS, u'q');
    d.path[10] = 0;
    writeDictionaries({d});
    const QByteArray bytes = env->readData(QStringLiteral("data.dat"));
    QCOMPARE(bytes.mid(8, 522), record(QString(10, QLatin1Char('p')), 1));
}

void TestDictionaries::appDataFolder_hasTrailingSeparatorAndIsCreated()
{
    char16_t buffer[PATH_UNITS];
    QCOMPARE(getAppDataFolder(buffer, PATH_UNITS), 0);
    QCOMPARE(QString::fromUtf16(buffer), env->dataFolder() + QLatin1Char('/'));
    QVERIFY(QFileInfo(env->dataFolder()).isDir());
}

void TestDictionaries::appDataFolder_thatCannotBeCreated_readsDefaultsAndWritesNothing()
{
    // A plain file where the data folder should be: no folder can be made under it, not even by root.
    QFile blocker(env->root() + QStringLiteral("/blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_DATA_HOME", QFile::encodeName(blocker.fileName() + QStringLiteral("/data")));

    std::vector<__dictionary> list;
    readDictionaries(list);
    QCOMPARE(int(list.size()), 1);
    QCOMPARE(pathOf(list[0]), env->defaultDictionary());

    writeDictionaries({entry(QStringLiteral("/a"), 1)});
    QCOMPARE(blocker.size(), 0);
    QVERIFY(!QFileInfo::exists(blocker.fileName() + QStringLiteral("/data")));
}

QTEST_GUILESS_MAIN(TestDictionaries)
#include "tst_dictionaries.moc"
