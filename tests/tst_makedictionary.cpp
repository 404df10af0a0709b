#include "tools/dictionarybuilder.h"

#include "playback.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <optional>

class TestMakeDictionary : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.emplace().isValid()); }
    void readWordList_data();
    void readWordList();
    void run_mixedList_recordsEveryWordAndReportsEveryLine();
    void run_speedReachesTheEngine();
    void run_existingRecording_data();
    void run_existingRecording();
    void run_fatal_data();
    void run_fatal();
    void run_failingEngine_leavesNoRecording_data();
    void run_failingEngine_leavesNoRecording();
    void madeRecording_playsToTheEnd();

private:
    // Runs the command and returns its exit code, or -1 when it crashed; a non-null path replaces PATH.
    int run(const QStringList& arguments, const QString& path = QString());
    QString file(const QString& name, const QByteArray& bytes = QByteArray()) const;
    QString at(const QString& name) const { return dir->path() + QLatin1Char('/') + name; }

    std::optional<QTemporaryDir> dir;
    QStringList progress;
};

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// The sound of a WAV file, read here rather than by the builder so that a fault there cannot hide itself.
QByteArray soundOf(const QString& path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    for (int at = 12; bytes.startsWith("RIFF") && at + 8 <= bytes.size();) {
        const qint64 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        if (bytes.mid(at, 4) == "data")
            return at + 8 + size <= bytes.size() ? bytes.mid(at + 8, int(size)) : QByteArray();
        at += 8 + int(size + (size & 1));
    }
    return QByteArray();
}

bool isSpoken(const QString& path)
{
    const QByteArray sound = soundOf(path);
    return sound.count('\0') < sound.size();
}

QStringList everythingIn(const QString& path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

int TestMakeDictionary::run(const QStringList& arguments, const QString& path)
{
    QProcess process;
    if (!path.isNull()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"), path);
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(QUILLORA_MAKE_DICTIONARY), arguments);
    const bool finished = process.waitForFinished(120000);
    progress = QString::fromUtf8(process.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString TestMakeDictionary::file(const QString& name, const QByteArray& bytes) const
{
    QFile file(at(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

void TestMakeDictionary::readWordList_data()
{
    // The lines as read, "|" between them, "#" for a skipped line.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("lines");

    const QString e = QString(125, QChar(0xE9)); // 250 bytes: with ".wav" the longest that fits
    QTest::addRow("byte order mark and CR LF") << QByteArray("\xEF\xBB\xBF"
                                                             "cat\r\ndog\r\n")
                                               << text("cat|dog");
    QTest::addRow("CR alone, no end on the last line") << QByteArray("cat\rdog\nsun") << text("cat|dog|sun");
    QTest::addRow("white space trimmed, blank skipped")
        << QByteArray(" \tice cream \xC2\xA0\n\n  \r\n") << text("ice cream|#|#");
    QTest::addRow("dot and dot-dot") << QByteArray(".\n..\n...\n.hidden") << text("#|#|...|.hidden");
    QTest::addRow("slash, not backslash") << QByteArray("a/b\n/\nback\\slash") << text("#|#|back\\slash");
    QTest::addRow("letters beyond ASCII, apostrophe, dash")
        << QByteArray("na\xC3\xAFve\n\xD0\xB4\xD0\xBE\xD0\xBC\ndon't\n-ish")
        << text("na\u00EFve|\u0434\u043E\u043C|don't|-ish");
    QTest::addRow("repeated word, not other letter case")
        << QByteArray("Apple\napple\n Apple ") << text("Apple|apple|#");
    QTest::addRow("not UTF-8, cut-off UTF-8, NUL") << QByteArray("caf\xE9\ncaf\xC3\na\0b", 13) << text("#|#|#");
    QTest::addRow("too long counted in bytes") << (e + QChar(0xE9) + QLatin1Char('\n') + e).toUtf8() << "#|" + e;
    QTest::addRow("too long in ASCII") << QByteArray(252, 'a') + '\n' + QByteArray(251, 'a')
                                       << "#|" + QString(251, QLatin1Char('a'));
}

void TestMakeDictionary::readWordList()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, lines);

    QStringList read;
    for (const dictionarybuilder::ListLine& line : dictionarybuilder::readWordList(bytes)) {
        QCOMPARE(line.number, read.size() + 1);
        read << (line.problem.isEmpty() ? line.word : QStringLiteral("#"));
    }
    QCOMPARE(read.join(QLatin1Char('|')), lines);
}

void TestMakeDictionary::run_mixedList_recordsEveryWordAndReportsEveryLine()
{
    const QString list =
        file(QStringLiteral("words.txt"), "\xEF\xBB\xBF"
                                          "apple\r\n\r\n.\r\n..\na/b\nna\xC3\xAFve\ndon't\n ice cream \napple");
    const QString output = at(QStringLiteral("new/Fruit"));

    QCOMPARE(run({QStringLiteral("--output"), output, list}), 0);

    const QStringList made{QStringLiteral("apple.wav"), QStringLiteral("don't.wav"), QStringLiteral("ice cream.wav"),
                           QStringLiteral("na\u00EFve.wav")};
    QCOMPARE(everythingIn(output), made);
    for (const QString& name : made)
        QVERIFY2(isSpoken(output + QLatin1Char('/') + name), qPrintable(name));
    QCOMPARE(progress.size(), 10); // a line for each line of the list, then the totals
    for (int line : {2, 3, 4, 5, 9})
        QVERIFY2(progress.at(line - 1).startsWith(QStringLiteral("skipped line %1: ").arg(line)),
                 qPrintable(progress.at(line - 1)));
    QCOMPARE(progress.at(5), QStringLiteral("made    na\u00EFve"));
    QCOMPARE(progress.last(), QStringLiteral("4 made, 0 kept, 5 skipped, 0 failed"));
}

void TestMakeDictionary::run_speedReachesTheEngine()
{
    const QString list = file(QStringLiteral("words.txt"), "water");
    QCOMPARE(run({QStringLiteral("-s"), QStringLiteral("80"), QStringLiteral("-o"), at(QStringLiteral("slow")), list}),
             0);
    QCOMPARE(
        run({QStringLiteral("--speed"), QStringLiteral("400"), QStringLiteral("-o"), at(QStringLiteral("fast")), list}),
        0);
    const int slow = soundOf(at(QStringLiteral("slow/water.wav"))).size();
    const int fast = soundOf(at(QStringLiteral("fast/water.wav"))).size();
    QVERIFY2(fast > 0 && slow > 2 * fast, qPrintable(QStringLiteral("%1 against %2 bytes").arg(slow).arg(fast)));
}

void TestMakeDictionary::run_existingRecording_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("replaced");
    QTest::addRow("WAV without --force: kept byte for byte") << QStringLiteral("cat.wav") << false << false;
    QTest::addRow("WAV with --force: replaced") << QStringLiteral("cat.wav") << true << true;
    QTest::addRow("other format with --force: kept, no WAV added") << QStringLiteral("cat.mp3") << true << false;
}

void TestMakeDictionary::run_existingRecording()
{
    QFETCH(QString, existing);
    QFETCH(bool, force);
    QFETCH(bool, replaced);
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Animals")));
    const QString old = file(QStringLiteral("Animals/") + existing, "the user's own recording");
    QStringList arguments{QStringLiteral("-o"), at(QStringLiteral("Animals")),
                          file(QStringLiteral("words.txt"), "cat\ndog")};
    if (force)
        arguments << QStringLiteral("--force");

    QCOMPARE(run(arguments), 0);

    QVERIFY(isSpoken(at(QStringLiteral("Animals/dog.wav"))));
    if (replaced) {
        QVERIFY(isSpoken(old));
        QCOMPARE(progress.first(), QStringLiteral("made    cat"));
    } else {
        QCOMPARE(contentsOf(old), QByteArray("the user's own recording"));
        QCOMPARE(everythingIn(at(QStringLiteral("Animals"))), QStringList({existing, QStringLiteral("dog.wav")}));
        QVERIFY2(progress.first().startsWith(QStringLiteral("kept    cat")), qPrintable(progress.first()));
    }
}

void TestMakeDictionary::run_fatal_data()
{
    // In the arguments, "@" is the temporary folder, holding words.txt and the regular file "file".
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<bool>("withoutEngine");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::addRow("missing word list") << text("-o @/out @/none.txt") << false << 3
                                       << text("cannot read the word list");
    QTest::addRow("word list is a folder") << text("-o @/out @") << false << 3 << text("cannot read the word list");
    QTest::addRow("output under a regular file")
        << text("-o @/file/out @/words.txt") << false << 4 << text("output folder");
    QTest::addRow("engine missing") << text("-o @/out @/words.txt") << true << 5
                                    << text("install the Debian package espeak-ng");
    QTest::addRow("voice the engine lacks") << text("-v zz -o @/out @/words.txt") << false << 2 << text("voice \"zz\"");
    QTest::addRow("speed out of range") << text("-s 451 -o @/out @/words.txt") << false << 2 << text("speed");
    QTest::addRow("speed not a number") << text("-s fast -o @/out @/words.txt") << false << 2 << text("speed");
    QTest::addRow("two word lists") << text("-o @/out @/words.txt @/words.txt") << false << 2 << text("one word list");
    QTest::addRow("unknown option") << text("--loud -o @/out @/words.txt") << false << 2 << text("loud");
}

void TestMakeDictionary::run_fatal()
{
    QFETCH(QString, arguments);
    QFETCH(bool, withoutEngine);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    file(QStringLiteral("words.txt"), "cat");
    file(QStringLiteral("file"), "not a folder");
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("out")));
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("empty")));

    QCOMPARE(run(arguments.replace(QLatin1Char('@'), dir->path()).split(QLatin1Char(' ')),
                 withoutEngine ? at(QStringLiteral("empty")) : QString()),
             exitCode);

    QCOMPARE(progress.size(), 1);
    QVERIFY2(progress.first().contains(message), qPrintable(progress.first()));
    QCOMPARE(everythingIn(at(QStringLiteral("out"))), QStringList());
    QCOMPARE(contentsOf(at(QStringLiteral("file"))), QByteArray("not a folder"));
}

void TestMakeDictionary::run_failingEngine_leavesNoRecording_data()
{
    // The end of a stand-in engine; $out is the file it was told to write.
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("reason");
    QTest::addRow("fails after writing the start")
        << QByteArray("printf RIFF > \"$out\"; echo 'Error: disk full' >&2; exit 1")
        << text("espeak-ng failed: Error: disk full");
    QTest::addRow("writes nothing, exits with success") << QByteArray("exit 0") << text("made no sound");
    // A header whose data chunk promises far more sound than follows, as an engine stopped mid-word leaves it.
    QTest::addRow("cut short, exits with success")
        << QByteArray("printf 'RIFF\\044\\0\\0\\0WAVEfmt \\020\\0\\0\\0\\1\\0\\1\\0\\042\\126\\0\\0\\104\\254\\0\\0"
                      "\\2\\0\\020\\0data\\0\\360\\377\\177\\1\\2' > \"$out\"")
        << text("made no sound");
    QTest::addRow("killed while writing")
        << QByteArray("printf RIFF > \"$out\"; kill -KILL $$") << text("espeak-ng crashed");
}

void TestMakeDictionary::run_failingEngine_leavesNoRecording()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, reason);
    // Answers the builder's first, silent run like the real engine; fails on the word.
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("bin")));
    QFile engine(file(QStringLiteral("bin/espeak-ng"), "#!/bin/sh\nout=\nwhile [ $# -gt 0 ]; do\n"
                                                       "    [ \"$1\" = -w ] && out=$2\n    shift\ndone\n"
                                                       "[ -n \"$out\" ] || exit 0\n" +
                                                           script + '\n'));
    QVERIFY(engine.setPermissions(engine.permissions() | QFile::ExeOwner));

    QCOMPARE(run({QStringLiteral("-o"), at(QStringLiteral("out")), file(QStringLiteral("words.txt"), "cat")},
                 at(QStringLiteral("bin"))),
             1);

    QCOMPARE(everythingIn(at(QStringLiteral("out"))), QStringList());
    QCOMPARE(progress.size(), 2);
    QVERIFY2(progress.first().startsWith(QStringLiteral("failed  cat: ")) && progress.first().contains(reason),
             qPrintable(progress.first()));
    QCOMPARE(progress.last(), QStringLiteral("0 made, 0 kept, 0 skipped, 1 failed"));
}

void TestMakeDictionary::madeRecording_playsToTheEnd()
{
    QCOMPARE(run({QStringLiteral("-o"), at(QStringLiteral("Words")), file(QStringLiteral("words.txt"), "garden")}), 0);
    playToEnd(at(QStringLiteral("Words/garden.wav")));
}

QTEST_MAIN(TestMakeDictionary)
#include "tst_makedictionary.moc"
