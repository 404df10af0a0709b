#include "tools/dictionarybuilder.h"

#include "testenvironment.h"

#include <QMediaPlayer>
#include <QProcess>
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

private:
    // Runs the command and returns its exit code, or -1 when it crashed; a non-null path replaces PATH.
    int run(const QStringList& arguments, const QString& path = QString());
    // The path of a file in the temporary folder, written first when bytes are given.
    QString at(const QString& name, const QByteArray& bytes = QByteArray()) const
    {
        const QString path = dir->path() + QLatin1Char('/') + name;
        if (!bytes.isNull() && !writeFile(path, bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    std::optional<QTemporaryDir> dir;
    QStringList progress;
};

namespace {

// The sound of a WAV file, read here rather than by the builder so that a fault there cannot hide itself.
QByteArray soundOf(const QString& path)
{
    const QByteArray bytes = readFile(path);
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

void TestMakeDictionary::readWordList_data()
{
    // The lines as read, "|" between them, "#" for a skipped line.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("lines");

    const QString e = QString(125, QChar(0xE9)); // 250 bytes: with ".wav" the longest that fits
    QTest::addRow("byte order mark and CR LF") << QByteArray("\xEF\xBB\xBF" "cat\r\ndog\r\n") << QString("cat|dog");
    QTest::addRow("CR alone, no end on the last line") << QByteArray("cat\rdog\nsun") << QString("cat|dog|sun");
    QTest::addRow("white space trimmed, blank skipped")
        << QByteArray(" \tice cream \xC2\xA0\n\n  \r\n") << QString("ice cream|#|#");
    QTest::addRow("dot and dot-dot") << QByteArray(".\n..\n...\n.hidden") << QString("#|#|...|.hidden");
    QTest::addRow("slash, not backslash") << QByteArray("a/b\n/\nback\\slash") << QString("#|#|back\\slash");
    QTest::addRow("letters beyond ASCII, apostrophe, dash")
        << QByteArray("na\xC3\xAFve\n\xD0\xB4\xD0\xBE\xD0\xBC\ndon't\n-ish") << QString("naïve|дом|don't|-ish");
    QTest::addRow("repeated word, not other letter case")
        << QByteArray("Apple\napple\n Apple ") << QString("Apple|apple|#");
    QTest::addRow("not UTF-8, cut-off UTF-8, NUL") << QByteArray("caf\xE9\ncaf\xC3\na\0b", 13) << QString("#|#|#");
    QTest::addRow("too long counted in bytes") << (e + QChar(0xE9) + QLatin1Char('\n') + e).toUtf8() << "#|" + e;
    QTest::addRow("too long, ASCII") << QByteArray(252, 'a') + '\n' + QByteArray(251, 'a') << "#|" + QString(251, 'a');
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
    const QString output = at("new/Fruit");
    const QByteArray list("\xEF\xBB\xBF" "apple\r\n\r\n.\r\n..\na/b\nna\xC3\xAFve\ndon't\n ice cream \napple");
    QCOMPARE(run({"--output", output, at("words.txt", list)}), 0);

    const QStringList made{"apple.wav", "don't.wav", "ice cream.wav", "naïve.wav"};
    QCOMPARE(everythingIn(output), made);
    for (const QString& name : made)
        QVERIFY2(isSpoken(output + QLatin1Char('/') + name), qPrintable(name));
    QCOMPARE(progress.size(), 10); // a line for each line of the list, then the totals
    for (int line : {2, 3, 4, 5, 9})
        QVERIFY2(progress.at(line - 1).startsWith(QStringLiteral("skipped line %1: ").arg(line)),
                 qPrintable(progress.at(line - 1)));
    QCOMPARE(progress.at(5), QStringLiteral("made    naïve"));
    QCOMPARE(progress.last(), QStringLiteral("4 made, 0 kept, 5 skipped, 0 failed"));

    // A recording made plays to its end through the player a test uses.
    QMediaPlayer player;
    bool played = false;
    connect(&player, &QMediaPlayer::stateChanged, [&](QMediaPlayer::State s) { played |= s == player.PlayingState; });
    player.setMedia(QUrl::fromLocalFile(output + QStringLiteral("/apple.wav")));
    player.play();
    QTRY_VERIFY_WITH_TIMEOUT(player.error() || (played && player.state() == QMediaPlayer::StoppedState), 10000);
    QCOMPARE(player.errorString(), QString());
    QCOMPARE(player.mediaStatus(), QMediaPlayer::EndOfMedia);
}

void TestMakeDictionary::run_speedReachesTheEngine()
{
    const QString list = at("words.txt", "water");
    QCOMPARE(run({"-s", "80", "-o", at("slow"), list}), 0);
    QCOMPARE(run({"--speed", "400", "-o", at("fast"), list}), 0);
    const int slow = soundOf(at("slow/water.wav")).size();
    const int fast = soundOf(at("fast/water.wav")).size();
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
    const QString old = at("Animals/" + existing, "the user's own recording");
    const QStringList arguments{"-o", at("Animals"), at("words.txt", "cat\ndog")};
    QCOMPARE(run(force ? arguments + QStringList{"--force"} : arguments), 0);
    QVERIFY(isSpoken(at("Animals/dog.wav")));
    if (replaced) {
        QVERIFY(isSpoken(old));
        QCOMPARE(progress.first(), QStringLiteral("made    cat"));
    } else {
        QCOMPARE(readFile(old), QByteArray("the user's own recording"));
        QCOMPARE(everythingIn(at("Animals")), QStringList({existing, "dog.wav"}));
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
    const QString list = QStringLiteral("-o @/out @/words.txt");
    QTest::addRow("missing word list") << QString("-o @/out @/none.txt") << false << 3 << "cannot read the word list";
    QTest::addRow("word list is a folder") << QString("-o @/out @") << false << 3 << "cannot read the word list";
    QTest::addRow("output under a regular file")
        << QString("-o @/file/out @/words.txt") << false << 4 << "output folder";
    QTest::addRow("engine missing") << list << true << 5 << "install the Debian package espeak-ng";
    QTest::addRow("voice the engine lacks") << "-v zz " + list << false << 2 << "voice \"zz\"";
    QTest::addRow("speed out of range") << "-s 451 " + list << false << 2 << "speed";
    QTest::addRow("speed not a number") << "-s fast " + list << false << 2 << "speed";
    QTest::addRow("two word lists") << list + " @/words.txt" << false << 2 << "one word list";
    QTest::addRow("unknown option") << "--loud " + list << false << 2 << "loud";
}

void TestMakeDictionary::run_fatal()
{
    QFETCH(QString, arguments);
    QFETCH(bool, withoutEngine);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    at("words.txt", "cat");
    at("file", "not a folder");
    QVERIFY(QDir().mkpath(at("out")) && QDir().mkpath(at("empty")));
    QCOMPARE(run(arguments.replace('@', dir->path()).split(' '), withoutEngine ? at("empty") : QString()), exitCode);
    QCOMPARE(progress.size(), 1);
    QVERIFY2(progress.first().contains(message), qPrintable(progress.first()));
    QCOMPARE(everythingIn(at("out")), QStringList());
    QCOMPARE(readFile(at("file")), QByteArray("not a folder"));
}

void TestMakeDictionary::run_failingEngine_leavesNoRecording_data()
{
    // The end of a stand-in engine; $out is the file it was told to write.
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("reason");
    QTest::addRow("fails after writing the start")
        << QByteArray("printf RIFF > \"$out\"; echo 'Error: disk full' >&2; exit 1")
        << "espeak-ng failed: Error: disk full";
    QTest::addRow("writes nothing, exits with success") << QByteArray("exit 0") << "made no sound";
    // A header whose data chunk promises far more sound than follows, as an engine stopped mid-word leaves it.
    QTest::addRow("cut short, exits with success")
        << QByteArray("printf 'RIFF\\044\\0\\0\\0WAVEfmt \\020\\0\\0\\0\\1\\0\\1\\0\\042\\126\\0\\0\\104\\254\\0\\0"
                      "\\2\\0\\020\\0data\\0\\360\\377\\177\\1\\2' > \"$out\"")
        << "made no sound";
    QTest::addRow("killed while writing") << QByteArray("printf RIFF > \"$out\"; kill -KILL $$") << "espeak-ng crashed";
}

void TestMakeDictionary::run_failingEngine_leavesNoRecording()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, reason);
    // Answers the builder's first, silent run like the real engine; fails on the word.
    QFile engine(at("bin/espeak-ng", "#!/bin/sh\nout=\nwhile [ $# -gt 0 ]; do\n    [ \"$1\" = -w ] && out=$2\n"
                                     "    shift\ndone\n[ -n \"$out\" ] || exit 0\n" + script + '\n'));
    QVERIFY(engine.setPermissions(engine.permissions() | QFile::ExeOwner));
    QCOMPARE(run({"-o", at("out"), at("words.txt", "cat")}, at("bin")), 1);
    QCOMPARE(everythingIn(at("out")), QStringList());
    QCOMPARE(progress.size(), 2);
    QVERIFY2(progress.first().startsWith(QStringLiteral("failed  cat: ")) && progress.first().contains(reason),
             qPrintable(progress.first()));
    QCOMPARE(progress.last(), QStringLiteral("0 made, 0 kept, 0 skipped, 1 failed"));
}

QTEST_MAIN(TestMakeDictionary)
#include "tst_makedictionary.moc"
