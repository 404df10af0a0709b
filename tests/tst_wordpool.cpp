#include "words/wordpool.h"

#include "testenvironment.h"

#include <QtTest>

class TestWordPool : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void collect_data();
    void collect();
    void collect_stopsAtTheCap();
    void collect_cutsOverLongPaths();
    void wordOfPath_data();
    void wordOfPath();
};

namespace {

// The words of the pool, each as "folder/name", sorted within each folder's run so listing order does not
// matter but folder order does.
QStringList poolNames(const std::vector<__word>& pool, const QString& root)
{
    QStringList names;
    int runStart = 0;
    for (const __word& word : pool) {
        const QString path = QString::fromUtf16(word.path).mid(root.size() + 1);
        if (!names.isEmpty() && names.last().section('/', 0, 0) != path.section('/', 0, 0))
            runStart = names.size();
        names << path + (word.score != 0 || word.timesAsked != 0 || word.lastAsked != 0 ? " counted" : "");
        std::sort(names.begin() + runStart, names.end());
    }
    return names;
}

} // namespace

void TestWordPool::collect_data()
{
    // Folders: each row lists files per folder as "folder:name,name"; a name ending in "/" is a sub-folder.
    // Dictionaries: "folder" selected, "-folder" not selected, "?folder" a folder that does not exist.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("dictionaries");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("only recordings with lower-case extensions")
        << QStringList{"a:cat.wav,dog.MP3,notes.txt,readme,old.wav/"} << QStringList{"a"} << QStringList{"a/cat.wav"};
    QTest::addRow("first three extension letters decide")
        << QStringList{"a:song.wave,x.mp3s,y.oggy,z.wmav,w.flac,v.wa"} << QStringList{"a"}
        << QStringList{"a/song.wave", "a/x.mp3s", "a/y.oggy", "a/z.wmav"};
    QTest::addRow("extension of 11 characters skipped, of 10 kept")
        << QStringList{"a:x.wavdefghij,y.wavdefghi"} << QStringList{"a"} << QStringList{"a/y.wavdefghi"};
    QTest::addRow("last dot decides") << QStringList{"a:my.song.ogg,x.wav.txt,.wma"} << QStringList{"a"}
                                      << QStringList{"a/.wma", "a/my.song.ogg"};
    QTest::addRow("two dictionaries in list order")
        << QStringList{"b:one.wav,two.wav", "a:three.ogg"} << QStringList{"b", "a"}
        << QStringList{"b/one.wav", "b/two.wav", "a/three.ogg"};
    QTest::addRow("unselected dictionary passed over")
        << QStringList{"a:one.wav", "b:two.wav"} << QStringList{"-a", "b"} << QStringList{"b/two.wav"};
    QTest::addRow("missing folder before a valid one ends the collection")
        << QStringList{"a:one.wav"} << QStringList{"?gone", "a"} << QStringList{};
    QTest::addRow("missing folder after a valid one keeps what was found")
        << QStringList{"a:one.wav"} << QStringList{"a", "?gone"} << QStringList{"a/one.wav"};
    QTest::addRow("unselected missing folder does not matter")
        << QStringList{"a:one.wav"} << QStringList{"-?gone", "a"} << QStringList{"a/one.wav"};
    QTest::addRow("same folder twice collected twice")
        << QStringList{"a:one.wav"} << QStringList{"a", "a"} << QStringList{"a/one.wav", "a/one.wav"};
    QTest::addRow("non-ASCII names and odd characters")
        << QStringList{"a:café.mp3,наука.ogg,l'été & <b>.wav"} << QStringList{"a"}
        << QStringList{"a/café.mp3", "a/l'été & <b>.wav", "a/наука.ogg"};
    QTest::addRow("empty folder") << QStringList{"a:"} << QStringList{"a"} << QStringList{};
}

void TestWordPool::collect()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, dictionaries);
    QFETCH(QStringList, expected);

    const QString root = env->root() + QStringLiteral("/dicts");
    for (const QString& folderFiles : files) {
        const QString folder = root + QLatin1Char('/') + folderFiles.section(QLatin1Char(':'), 0, 0);
        QVERIFY(QDir().mkpath(folder));
        for (const QString& name : folderFiles.section(QLatin1Char(':'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
            QVERIFY(name.endsWith('/') ? QDir().mkpath(folder + '/' + name) : writeFile(folder + '/' + name, {}));
    }
    std::vector<__dictionary> list;
    for (QString d : dictionaries) {
        const unsigned char selected = d.startsWith(QLatin1Char('-')) ? 0 : 1;
        d.remove(QLatin1Char('-'));
        d.remove(QLatin1Char('?'));
        list.push_back(dictionary(root + QLatin1Char('/') + d, selected));
    }
    std::vector<__word> pool(3); // whatever was there goes
    collectWords(&pool, &list);
    QCOMPARE(poolNames(pool, root).join(QLatin1Char('|')), expected.join(QLatin1Char('|')));
}

void TestWordPool::collect_stopsAtTheCap()
{
    // 70,000 recordings in one folder, then a second selected folder that must not be reached.
    const QString folder = env->root() + QStringLiteral("/big");
    QVERIFY(QDir().mkpath(folder));
    for (int i = 0; i < 70000; ++i) {
        const QByteArray path = QFile::encodeName(folder + QStringLiteral("/w%1.wav").arg(i));
        FILE* f = std::fopen(path.constData(), "wb");
        QVERIFY(f);
        std::fclose(f);
    }
    const QString other = env->root() + QStringLiteral("/other");
    QVERIFY(writeFile(other + QStringLiteral("/extra.wav"), {}));

    std::vector<__dictionary> list{dictionary(folder, 1), dictionary(other, 1)};
    std::vector<__word> pool;
    collectWords(&pool, &list);
    QCOMPARE(pool.size(), MAX_POOL_WORDS);
    QSet<QString> distinct;
    for (const __word& word : pool)
        distinct.insert(QString::fromUtf16(word.path));
    QCOMPARE(std::size_t(distinct.size()), MAX_POOL_WORDS);
    QVERIFY(!distinct.contains(other + QStringLiteral("/extra.wav")));
}

void TestWordPool::collect_cutsOverLongPaths()
{
    // A folder path of about 240 units plus a 30-unit name: the stored path is cut to 259 units, terminated.
    QString folder = env->root();
    while (folder.size() < 240)
        folder += QStringLiteral("/") + QString(qMin(40, 240 - folder.size()), QLatin1Char('d'));
    const QString name = QString(26, QLatin1Char('w')) + QStringLiteral(".wav");
    QVERIFY(writeFile(folder + QLatin1Char('/') + name, {}));
    std::vector<__dictionary> list{dictionary(folder, 1)};
    std::vector<__word> pool;
    collectWords(&pool, &list);
    QCOMPARE(int(pool.size()), 1);
    QCOMPARE(QString::fromUtf16(pool[0].path), (folder + QLatin1Char('/') + name).left(PATH_UNITS - 1));
}

void TestWordPool::wordOfPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("word");
    QTest::addRow("case kept") << "/words/Animals/Cat.mp3" << "Cat";
    QTest::addRow("only the last dot") << "/w/my.song.ogg" << "my.song";
    QTest::addRow("dot in a folder name") << "/w.x/cat.wav" << "cat";
    QTest::addRow("extension longer than three") << "/w/song.wave" << "song";
    QTest::addRow("non-ASCII") << "/w/наука.ogg" << "наука";
    QTest::addRow("cut path without extension keeps the name") << "/w.d/longname" << "longname";
    QTest::addRow("no folder") << "cat.wav" << "cat";
    QTest::addRow("hidden-style name") << "/w/.wma" << "";
}

void TestWordPool::wordOfPath()
{
    QFETCH(QString, path);
    QFETCH(QString, word);
    QCOMPARE(::wordOfPath(reinterpret_cast<const char16_t*>(path.utf16())), word);
}

QTEST_GUILESS_MAIN(TestWordPool)
#include "tst_wordpool.moc"
