#include "dictionaries/dictionaries.h"

#include "testenvironment.h"

#include <QtTest>

class TestDictionaries : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void readThenWriteBack_data();
    void readThenWriteBack();
    void anotherCopysDefault_listedOnce();
};

static QByteArray record(const QString& path, unsigned char selected)
{
    QByteArray r(DICTIONARY_RECORD_BYTES, 0);
    qToLittleEndian<quint16>(path.utf16(), qMin(path.size(), 260), r.data());
    r[520] = char(selected);
    return r;
}

static QByteArray file(quint32 count, const QByteArrayList& records)
{
    QByteArray header(8, 0);
    qToLittleEndian<quint32>(1, header.data());
    qToLittleEndian(count, header.data() + 4);
    return header + records.join();
}

void TestDictionaries::readThenWriteBack_data()
{
    QTest::addColumn<QByteArray>("bytes");    // null: no file
    QTest::addColumn<QStringList>("entries"); // "path=selected"; "@" the Default path, "@L" it in lower case
    QTest::addRow("no file: Default alone, selected") << QByteArray() << QStringList{"@=1"};
    QTest::addRow("shorter than the header") << QByteArray("\1\0\0\0\2\0", 6) << QStringList{"@=1"};
    QTest::addRow("Default keeps its place and tick, no second Default; byte 2 is selected")
        << file(3, {record("@", 0), record("/Wörter", 2), record("/a", 1)}) << QStringList{"@=0", "/Wörter=1", "/a=1"};
    QTest::addRow("largest count, last record cut: the whole ones, twins too, at once")
        << file(~0u, {record("/a", 1), record("/a", 0), QByteArray(300, 1)}) << QStringList{"/a=1", "/a=0", "@=1"};
    QTest::addRow("without NUL cut, after NUL not written back; lower-case Default is another folder")
        << file(3, {record("@L", 0), record(QString(260, 'x'), 1), record(QString("/a") + QChar(0) + "qq", 0)})
        << QStringList{"@L=0", QString(259, 'x') + "=1", "/a=0", "@=1"};
}

void TestDictionaries::readThenWriteBack()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    const QString home = env->defaultDictionary();
    const auto withHome = [&home](QByteArray b) {
        for (int at = 8; at + DICTIONARY_RECORD_BYTES <= b.size(); at += DICTIONARY_RECORD_BYTES)
            if (b.at(at) == '@')
                b.replace(at, 520, record(b.at(at + 2) != 0 ? home.toLower() : home, 0).left(520));
        return b;
    };
    if (!bytes.isNull())
        env->writeData(QStringLiteral("data.dat"), withHome(bytes));
    std::vector<__dictionary> list;
    readDictionaries(list);
    QStringList read;
    for (const __dictionary& d : list)
        read << QString::fromUtf16(d.path).replace(home, "@").replace(home.toLower(), "@L") + '=' +
                    QString::number(d.selected);
    QCOMPARE(read, entries);
    QCOMPARE(QFile::exists(env->dataFolder() + QStringLiteral("/data.dat")), !bytes.isNull()); // reading never writes
    writeDictionaries(list);
    QByteArrayList stored;
    for (const QString& entry : entries)
        stored << record(entry.section('=', 0, -2), entry.endsWith('1'));
    QCOMPARE(env->readData(QStringLiteral("data.dat")), withHome(file(stored.size(), stored)));
}

// The source tree's Default and an installed one, each beside help/main.html, are one sample to the user; a
// folder of the user's own named Default is not.
void TestDictionaries::anotherCopysDefault_listedOnce()
{
    const QString root = env->root();
    QVERIFY(writeFile(root + "/src/help/main.html", "") && QDir().mkpath(root + "/src/Default"));
    QVERIFY(QDir().mkpath(root + "/mine/Default"));
    env->writeData(QStringLiteral("data.dat"), file(3, {record(root + "/src/Default", 0),
                                                        record(root + "/mine/Default", 1), record("/gone/Default", 1)}));
    std::vector<__dictionary> list;
    readDictionaries(list);
    QStringList read;
    for (const __dictionary& d : list)
        read << QString::fromUtf16(d.path).replace(root, QString());
    QCOMPARE(read, (QStringList{"/mine/Default", "/gone/Default", "/work/Default"}));
}

QTEST_GUILESS_MAIN(TestDictionaries)
#include "tst_dictionaries.moc"
