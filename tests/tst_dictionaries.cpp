#include "dictionaries/dictionaries.h"

#include "testenvironment.h"

#include <QtTest>

class TestDictionaries : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void write_givesExactBytesAndReadsBack();
    void write_overLongPathIsCut();
    void appDataFolder_thatCannotBeCreated_readsDefaultsAndWritesNothing();
};

namespace {

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

} // namespace

void TestDictionaries::read_data()
{
    // "@" stands for the current Default path, "@LOWER" for it in lower case; each entry reads "path=selected".
    QTest::addColumn<QByteArray>("bytes"); // null: no file
    QTest::addColumn<QStringList>("entries");

    const QByteArray a1 = record("/w/a", 1), b0 = record("/w/b", 0);
    QTest::addRow("no file: Default alone, selected") << QByteArray() << QStringList{"@=1"};
    QTest::addRow("empty file") << QByteArray("") << QStringList{"@=1"};
    QTest::addRow("shorter than the header") << QByteArray("\1\0\0\0\2\0", 6) << QStringList{"@=1"};
    QTest::addRow("count 0") << file(0, {}) << QStringList{"@=1"};
    QTest::addRow("Default stored unselected stays so, no second Default") << file(1, {record("@", 0)})
                                                                           << QStringList{"@=0"};
    QTest::addRow("Default keeps its place") << file(2, {record("@", 1), b0}) << QStringList{"@=1", "/w/b=0"};
    QTest::addRow("no Default entry: appended, selected") << file(1, {a1}) << QStringList{"/w/a=1", "@=1"};
    QTest::addRow("Default differing in letter case is an ordinary folder")
        << file(1, {record("@LOWER", 0)}) << QStringList{"@LOWER=0", "@=1"};
    QTest::addRow("same folder twice stays twice") << file(2, {a1, record("/w/a", 0)})
                                                   << QStringList{"/w/a=1", "/w/a=0", "@=1"};
    QTest::addRow("selected byte 2 reads as selected") << file(1, {record("/w/a", 2)}) << QStringList{"/w/a=1", "@=1"};
    QTest::addRow("count larger than the records: whole records kept, none invented")
        << file(5, {a1, b0}) << QStringList{"/w/a=1", "/w/b=0", "@=1"};
    QTest::addRow("largest count: returns at once") << file(0xFFFFFFFFu, {a1}) << QStringList{"/w/a=1", "@=1"};
    QTest::addRow("truncated last record is dropped") << file(2, {a1, b0.left(300)}) << QStringList{"/w/a=1", "@=1"};
    QTest::addRow("record without NUL is terminated")
        << file(1, {record(QString(260, 'x'), 1)}) << QStringList{QString(259, 'x') + "=1", "@=1"};
}

void TestDictionaries::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    const QString defaultPath = env->defaultDictionary();
    if (!bytes.isNull()) {
        // Put the real Default path where the table says "@" or "@LOWER".
        for (int offset = 8; offset + DICTIONARY_RECORD_BYTES <= bytes.size(); offset += DICTIONARY_RECORD_BYTES) {
            const QString stored = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + offset));
            if (stored.startsWith('@'))
                bytes.replace(offset, 520, record(stored == "@" ? defaultPath : defaultPath.toLower(), 0).left(520));
        }
        env->writeData(QStringLiteral("data.dat"), bytes);
    }
    std::vector<__dictionary> list;
    readDictionaries(list);
    QStringList read;
    for (const __dictionary& d : list) {
        const QString path = QString::fromUtf16(d.path);
        read << (path == defaultPath ? "@" : path == defaultPath.toLower() ? "@LOWER" : path) + '=' +
                    QString::number(d.selected);
    }
    QCOMPARE(read, entries);
    QCOMPARE(QFile::exists(env->dataFolder() + QStringLiteral("/data.dat")), !bytes.isNull()); // reading never writes
}

void TestDictionaries::write_givesExactBytesAndReadsBack()
{
    const QString word = QStringLiteral("/home/ann/Wörter");
    const std::vector<__dictionary> written{dictionary("/a", 1), dictionary(word, 0),
                                            dictionary(env->defaultDictionary(), 1)};
    writeDictionaries(written);
    QCOMPARE(env->readData(QStringLiteral("data.dat")),
             file(3, {record("/a", 1), record(word, 0), record(env->defaultDictionary(), 1)}));
    std::vector<__dictionary> read;
    readDictionaries(read);
    QCOMPARE(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        QCOMPARE(QString::fromUtf16(read[i].path), QString::fromUtf16(written[i].path));
        QCOMPARE(read[i].selected, written[i].selected);
    }
}

void TestDictionaries::write_overLongPathIsCut()
{
    // Units after the NUL are not ours to write: the stored record holds the text, then zeros.
    __dictionary d = dictionary(QString(300, QLatin1Char('p')), 1);
    std::fill(d.path + 10, d.path + PATH_UNITS, u'q');
    d.path[10] = 0;
    writeDictionaries({d});
    QCOMPARE(env->readData(QStringLiteral("data.dat")), file(1, {record(QString(10, QLatin1Char('p')), 1)}));
}

void TestDictionaries::appDataFolder_thatCannotBeCreated_readsDefaultsAndWritesNothing()
{
    const QString blocker = env->blockDataFolder();
    std::vector<__dictionary> list;
    readDictionaries(list);
    QCOMPARE(int(list.size()), 1);
    QCOMPARE(QString::fromUtf16(list[0].path), env->defaultDictionary());
    writeDictionaries({dictionary("/a", 1)});
    QVERIFY(QFileInfo(blocker).isFile() && QFileInfo(blocker).size() == 0);
}

QTEST_GUILESS_MAIN(TestDictionaries)
#include "tst_dictionaries.moc"
