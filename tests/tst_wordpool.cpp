#include "words/wordpool.h"

#include "testenvironment.h"

#include <QtTest>

#include <sys/stat.h>

class TestWordPool : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void collect_data()
    {
        // Folders a, b and c under the test's folder; "-" marks an unselected dictionary, "gone" does not exist.
        // Expected: the folders in pool order, then every path sorted, as listing order is the file system's.
        QTest::addColumn<QString>("dictionaries");
        QTest::addColumn<QString>("expected");
        QTest::addRow("first three lower-case letters after the last dot")
            << QString("a") << "a: a/.wma|a/café.mp3|a/cat.wav|a/link.wav|a/my.song.ogg|a/y.wavdefghi";
        QTest::addRow("selected dictionaries in list order") << QString("c -a -gone b") << "c b: b/one.wav|c/three.ogg";
        QTest::addRow("missing folder ends the collection") << QString("c gone b") << "c: c/three.ogg";
    }

    void collect()
    {
        QFETCH(QString, dictionaries);
        QFETCH(QString, expected);
        const QString root = env->root() + QStringLiteral("/dicts/");
        // Upper case, no extension, too short, an 11-unit extension; a folder, a pipe and a dangling link named
        // like recordings. A link to a recording is one.
        for (const char* name : {"a/cat.wav", "a/dog.Wav", "a/readme", "a/v.wa", "a/my.song.ogg", "a/.wma",
                                 "a/x.wavdefghij", "a/y.wavdefghi", "a/café.mp3", "b/one.wav", "c/three.ogg"})
            QVERIFY(writeFile(root + QString::fromUtf8(name), {}));
        QVERIFY(QDir().mkpath(root + QStringLiteral("a/old.wav")));
        QVERIFY(QFile::link(root + "a/cat.wav", root + "a/link.wav") && QFile::link(root + "none", root + "a/x.mp3"));
        QCOMPARE(mkfifo(QFile::encodeName(root + "a/pipe.ogg").constData(), 0600), 0);
        std::vector<__dictionary> list;
        for (const QString& d : dictionaries.split(' '))
            list.push_back(dictionary(root + QString(d).remove('-'), d.startsWith('-') ? 0 : 1));
        std::vector<__word> pool(3); // whatever was there goes
        collectWords(&pool, &list);
        QStringList names, folders;
        for (const __word& word : pool) {
            QVERIFY(word.score == 0 && word.timesAsked == 0 && word.lastAsked == 0);
            names << QString::fromUtf16(word.path).mid(root.size());
            if (folders.isEmpty() || folders.last() != names.last().section('/', 0, 0))
                folders << names.last().section('/', 0, 0);
        }
        names.sort();
        QCOMPARE(folders.join(' ') + QStringLiteral(": ") + names.join(QLatin1Char('|')), expected);
    }

    void collect_stopsAtTheCapAndCutsOverLongPaths()
    {
        // More recordings than the cap in a folder of about 240 units, then a folder that must not be reached. Each
        // path is cut to 259 units, terminated; the number at the start of the name keeps the cut paths apart.
        QString folder = env->root();
        while (folder.size() < 240)
            folder += QStringLiteral("/") + QString(qMin(40, 240 - folder.size()), QLatin1Char('d'));
        const auto path = [&](int i) {
            return QStringLiteral("%1/%2%3.wav").arg(folder).arg(i, 5, 10, QLatin1Char('0')).arg(QString(20, 'w'));
        };
        QVERIFY(QDir().mkpath(folder) && writeFile(env->root() + QStringLiteral("/other/extra.wav"), {}));
        for (int i = 0; i < 70000; ++i)
            QVERIFY(QFile(path(i)).open(QIODevice::WriteOnly));
        std::vector<__dictionary> list{dictionary(folder, 1), dictionary(env->root() + QStringLiteral("/other"), 1)};
        std::vector<__word> pool;
        collectWords(&pool, &list);
        QCOMPARE(pool.size(), MAX_POOL_WORDS);
        QSet<QString> distinct;
        for (const __word& word : pool) {
            const QString& stored = *distinct.insert(QString::fromUtf16(word.path));
            QCOMPARE(stored, path(stored.midRef(folder.size() + 1, 5).toInt()).left(PATH_UNITS - 1));
        }
        QCOMPARE(std::size_t(distinct.size()), MAX_POOL_WORDS);
    }
};

QTEST_GUILESS_MAIN(TestWordPool)
#include "tst_wordpool.moc"
