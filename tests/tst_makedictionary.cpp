#include "builder/build.h"
#include "builder/wav.h"

#include "testenvironment.h"

#include <QMediaPlayer>
#include <QProcess>
#include <QtTest>

// Whether a WAV file holds sound that is not all silence, read here so that a fault in the builder cannot hide.
static bool isSpoken(const QString& path)
{
    const QByteArray wav = readFile(path);
    const int data = wav.indexOf("data", 12);
    const qint64 size = data < 0 ? 0 : qFromLittleEndian<quint32>(wav.mid(data + 4, 4).leftJustified(4).constData());
    return wav.startsWith("RIFF") && size > 0 && data + 8 + size == wav.size() && wav.mid(data + 8).count('\0') < size;
}

class TestMakeDictionary : public EnvironmentTest
{
    Q_OBJECT

    QStringList progress;

    // Runs the command and returns its exit code, or -1 when it crashed; a non-null path replaces PATH.
    int run(const QStringList& arguments, const QString& path = QString())
    {
        QProcess process;
        if (!path.isNull())
            process.setEnvironment(QProcess::systemEnvironment() << "PATH=" + path); // the later PATH wins
        process.start(QStringLiteral(QUILLORA_MAKE_DICTIONARY), arguments);
        const bool finished = process.waitForFinished(120000);
        progress = QString::fromUtf8(process.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QString at(const QString& name) const { return env->root() + QLatin1Char('/') + name; }
    QStringList everythingIn(const QString& p) const
    {
        return QDir(p).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QByteArray savedPath;

    // A stand-in engine takes as many tenths of a second as the word says, and copies a real recording; the
    // options speak into out/ with that many engines at once.
    dictionarybuilder::Options useTimedEngine(int jobs)
    {
        writeFile(at("bin/espeak-ng"), "#!/bin/sh\nfor a; do [ \"$p\" = -w ] && o=$a; p=$a; done\nread w\n"
                                       "[ \"$o\" ] || exit 0\nsleep 0.$w\ncp '" +
                                           sound("cat.wav").toUtf8() + "' \"$o\"\n");
        QFile(at("bin/espeak-ng")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        savedPath = qgetenv("PATH");
        qputenv("PATH", at("bin").toUtf8() + ':' + savedPath);
        dictionarybuilder::Options options;
        options.outputFolder = at("out");
        options.jobs = jobs;
        return options;
    }

private slots:
    void cleanup()
    {
        if (!savedPath.isNull())
            qputenv("PATH", std::exchange(savedPath, QByteArray()));
        EnvironmentTest::cleanup();
    }
    void readWordList_skipsLinesThatCannotNameARecording()
    {
        // With ".wav", 251 bytes fill a file name; 126 letters beyond ASCII are 252 bytes.
        const QByteArray list = " \tcat\xC2\xA0\rdog\n  \r\n.\n..\n...\na/b\nback\\slash\nApple\napple\n Apple \n" +
                                QByteArray("caf\xE9\ncaf\xC3\na\0b\n", 14) + QByteArray(252, 'a') + '\n' +
                                QByteArray(251, 'a') + '\n' + QString(126, QChar(0xE9)).toUtf8();
        QStringList read; // "#" for a skipped line
        for (const dictionarybuilder::ListLine& line : dictionarybuilder::readWordList(list))
            read << (line.problem.isEmpty() ? line.word : QStringLiteral("#"));
        QCOMPARE(read.join('|'), "cat|dog|#|#|#|...|#|back\\slash|Apple|apple|#|#|#|#|#|" + QString(251, 'a') + "|#");
    }

    void run_mixedList_recordsEveryWordAndKeepsTheUsersOwn()
    {
        const QString output = at("new/Fruit");
        const QByteArray list("\357\273\277apple\r\n..\nna\xC3\xAFve\ndon't\n ice cream \n-ish\napple");
        QVERIFY(writeFile(at("words.txt"), list) && writeFile(at("again.txt"), "apple\npear"));
        QCOMPARE(run({"--jobs", "1", "--output", output, at("words.txt")}), 0);
        const QStringList made{"-ish.wav", "apple.wav", "don't.wav", "ice cream.wav", "naïve.wav"};
        QCOMPARE(everythingIn(output), made);
        for (const QString& name : made) {
            QVERIFY2(isSpoken(output + QLatin1Char('/') + name), qPrintable(name));
            // Others who share the dictionary can play what was made.
            QVERIFY(QFileInfo(output + QLatin1Char('/') + name).permissions() & QFile::ReadOther);
            // Words spoken several to a run are cut to what each gives spoken alone.
            QVERIFY(dictionarybuilder::speak(QFileInfo(name).completeBaseName(), {}, at("alone.wav")).isEmpty());
            const double ratio = double(dictionarybuilder::wavSoundBytes(output + QLatin1Char('/') + name)) /
                                 double(dictionarybuilder::wavSoundBytes(at("alone.wav")));
            QVERIFY2(ratio > 0.9 && ratio < 1.1, qPrintable(name + QString::number(ratio)));
        }
        QCOMPARE(progress.replaceInStrings(QRegularExpression(": .*"), QString()), // a line per line, without reasons
                 QStringList({"skipped line 2", "made    apple", "made    naïve", "made    don't", "made    ice cream",
                              "made    -ish", "skipped line 7", "5 made, 0 kept, 2 skipped, 0 failed"}));
        // The user's own recordings stay; --force replaces only the WAV files this command makes.
        QVERIFY(writeFile(output + "/apple.wav", "own") && writeFile(output + "/pear.mp3", "own"));
        const QStringList again{"-o", output, at("again.txt")};
        QCOMPARE(run(again), 0);
        QCOMPARE(progress.last(), QStringLiteral("0 made, 2 kept, 0 skipped, 0 failed"));
        QCOMPARE(readFile(output + "/apple.wav"), QByteArray("own"));
        QCOMPARE(run(again + QStringList{"--force"}), 0);
        QCOMPARE(progress.last(), QStringLiteral("1 made, 1 kept, 0 skipped, 0 failed"));
        // A recording made plays to its end through the player a test uses.
        QMediaPlayer player;
        player.setMedia(QUrl::fromLocalFile(output + QStringLiteral("/apple.wav")));
        player.play();
        QTRY_COMPARE_WITH_TIMEOUT(player.mediaStatus(), QMediaPlayer::EndOfMedia, 10000);
    }

    void build_inParallel_reportsInOrderOfCompletion()
    {
        const auto options = useTimedEngine(3);
        // The three words start at once; the quickest frees its engine for the skipped line.
        const auto lines = dictionarybuilder::readWordList("5\n1\n3\n/\n");
        QStringList done; // a recording reported is there
        const auto summary = dictionarybuilder::build(lines, options, [&](const dictionarybuilder::LineDone& line) {
            done << line.line->word + (QFile::exists(at("out/" + line.line->word + ".wav")) ? "+" : "");
        });
        QCOMPARE(done, (QStringList{"1+", "/", "3+", "5+"}));
        QVERIFY(summary.error.isEmpty() && summary.made == 3 && summary.skipped == 1 && !summary.cancelled);
    }

    void build_cancelled_leavesOnlyWholeRecordings()
    {
        const auto options = useTimedEngine(2);
        std::atomic<bool> cancel{false};
        const auto lines = dictionarybuilder::readWordList("1\n9\n8\n7\n6\n5\n");
        const auto summary = dictionarybuilder::build(
            lines, options, [&](const dictionarybuilder::LineDone&) { cancel = true; }, &cancel);
        QVERIFY(summary.cancelled && summary.made == 1 && summary.failed == 0);
        QCOMPARE(everythingIn(at("out")), QStringList{"1.wav"}); // the word stopped mid-way left nothing
        QCOMPARE(readFile(at("out/1.wav")), readFile(sound("cat.wav")));
    }

    void build_runNotCutOneAWord_speaksEachWordAlone()
    {
        // The stand-in engine gives one recording for a run of several words.
        const auto summary =
            dictionarybuilder::build(dictionarybuilder::readWordList("1\n2\n3\n4\n5\n6"), useTimedEngine(1), nullptr);
        QVERIFY(summary.made == 6 && summary.failed == 0);
        QCOMPARE(everythingIn(at("out")).size(), 6);
        QCOMPARE(readFile(at("out/6.wav")), readFile(sound("cat.wav")));
    }

    void run_fatalOrFailingEngine_leavesNoRecording()
    {
        // A stand-in engine passes the first, silent run, starts a recording and ends as its script says (the last as
        // if stopped mid-word: less sound than promised); no script: the real engine, empty: none. "@": the folder.
        const QString list = QStringLiteral("-o @/out @/words.txt");
        const std::tuple<QByteArray, QString, int, QString> rows[] = {
            {{}, "-o @/out @/none.txt", 3, "cannot read the word list"},
            {{}, "-o @/file/out @/words.txt", 4, "output folder"},
            {"", list, 5, "install the Debian package espeak-ng"},
            {{}, "-v zz " + list, 2, "voice \"zz\""},
            {"echo 'Error: disk full' >&2; exit 1", list, 1, "failed  cat: espeak-ng failed: Error: disk full"},
            {"printf 'RIFFxxxxWAVEfmt \\0\\0\\0\\0data\\377\\377\\0\\0ab' > \"$o\"", list, 1, "made no sound"},
        };
        QVERIFY(writeFile(at("words.txt"), "cat") && writeFile(at("file"), "not a folder"));
        const QByteArray engineStart = "#!/bin/sh\nfor a; do [ \"$p\" = -w ] && o=$a; p=$a; done\n"
                                       "[ \"$o\" ] || exit 0\nprintf RIFF > \"$o\"\n";
        for (auto [script, args, exitCode, message] : rows) {
            QFile engine(at("bin/espeak-ng"));
            QVERIFY(writeFile(engine.fileName(), engineStart + script + '\n'));
            QVERIFY(script.isEmpty() ? engine.remove() : engine.setPermissions(engine.permissions() | QFile::ExeOwner));
            const int code = run(args.replace('@', env->root()).split(' '), script.isNull() ? QString() : at("bin"));
            QVERIFY2(code == exitCode && progress.first().contains(message) && progress.size() == (code == 1 ? 2 : 1),
                     qPrintable(QString::number(code) + ' ' + progress.join('\n')));
            QCOMPARE(everythingIn(at("out")), QStringList());
        }
    }
};

QTEST_MAIN(TestMakeDictionary)
#include "tst_makedictionary.moc"
