#include "words/history.h"
#include "words/historyimport.h"

#include "statisticsdata.h"
#include "testenvironment.h"

#include <QtTest>

#include <csignal>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs statements on a database file as another program would; the first column of the last row they give.
QString runSql(const QString& path, const char* statements)
{
    sqlite3* db = nullptr;
    QString last;
    const auto keep = [](void* out, int, char** values, char**) {
        *static_cast<QString*>(out) = QString::fromUtf8(values[0]);
        return 0;
    };
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK)
        sqlite3_exec(db, statements, keep, &last, nullptr);
    sqlite3_close(db);
    return last;
}

// The first layout of a history, before answers kept their hints.
const char* const OURS_FIRST = "CREATE TABLE words(id INTEGER PRIMARY KEY, folder, word, asked, step, due,"
                               " UNIQUE(folder, word)); CREATE TABLE answers(id INTEGER PRIMARY KEY, word, at, typed,"
                               " correct, plays, milliseconds); CREATE TABLE meta(key PRIMARY KEY, value);"
                               " PRAGMA user_version = 1;";

QByteArray databaseBytes(const char* statements)
{
    QTemporaryDir dir;
    runSql(dir.filePath("made.sqlite"), statements);
    return readFile(dir.filePath("made.sqlite"));
}

QString describe(const AnswerRecord& a)
{
    return QString("%1|%2|%3|%4|%5|%6|%7|%8")
        .arg(a.folder, a.word, QString::number(a.at), a.typed, a.correct ? "+" : "-", QString::number(a.plays),
             QString::number(a.milliseconds), QString::number(a.hints));
}

QString describe(const WordHistory& w)
{
    return QStringLiteral("%1 %2 %3").arg(w.asked).arg(w.step).arg(w.due);
}

} // namespace

class TestHistory : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void recordThenReopen_roundTrip();
    void firstLayout_broughtUpKeepingItsAnswers();
    void unusableFile_setAsideAndReplaced_data();
    void unusableFile_setAsideAndReplaced();
    void killedDuringAnswers_keepsEveryCommit();
    void importStoredTests_oldestFirstIntoEveryFolder();
};

void TestHistory::recordThenReopen_roundTrip()
{
    History history;
    QCOMPARE(history.open(), History::Created);
    QVERIFY(QFile::exists(env->dataFolder() + "/history.sqlite"));
    const QString folder = env->workFolder() + "/Wörter";
    QVERIFY(history.record({folder, "Straße", 1000, "strasse", false, 3, 4200}, {1, 1, 1000}));
    QVERIFY(history.record({folder, "cat", 1001, "cat", true, 1, 900}, {1, 0, 0}));
    QVERIFY(history.record({folder, "Straße", 2000, "Straße", false, 2, 3000, 2}, {2, 2, 90000}));
    QVERIFY(history.record({"", "Straße", 2001, "", false, 0, 0}, {7, 1, 2001})); // another folder, another word
    history.close();

    QCOMPARE(history.open(), History::Opened);
    const QHash<QString, WordHistory> words = history.wordsOf(folder);
    QCOMPARE(QStringList({QString::number(words.size()), describe(words["Straße"]), describe(words["cat"]),
                          describe(history.wordOf("", "Straße")), describe(history.wordOf(folder, "never"))}),
             QStringList({"2", "2 2 90000", "1 0 0", "7 1 2001", "0 0 0"}));
    QStringList last;
    for (const AnswerRecord& answer : history.lastAnswers(3))
        last << describe(answer);
    QCOMPARE(last, (QStringList{"|Straße|2001||-|0|0|0", folder + "|Straße|2000|Straße|-|2|3000|2",
                                folder + "|cat|1001|cat|+|1|900|0"}));
    QCOMPARE(history.lastAnswers(100).size(), std::size_t(4));
}

void TestHistory::firstLayout_broughtUpKeepingItsAnswers()
{
    env->writeData("history.sqlite",
                   databaseBytes(QByteArray(OURS_FIRST)
                                     .append("INSERT INTO words VALUES(1, '/w', 'cat', 1, 1, 50);"
                                             "INSERT INTO answers VALUES(1, 1, 40, 'kat', 0, 2, 900);")
                                     .constData()));
    History history;
    QCOMPARE(history.open(), History::Opened);
    QVERIFY(history.record({"/w", "cat", 60, "cat", false, 1, 700, 1}, {2, 1, 60}));
    QStringList last;
    for (const AnswerRecord& answer : history.lastAnswers(3))
        last << describe(answer);
    QCOMPARE(last, (QStringList{"/w|cat|60|cat|-|1|700|1", "/w|cat|40|kat|-|2|900|0"}));
    QCOMPARE(describe(history.wordOf("/w", "cat")), QStringLiteral("2 1 60"));
}

void TestHistory::unusableFile_setAsideAndReplaced_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: a folder at the path
    QTest::addColumn<QString>("place");
    QByteArray noise(3000, 0);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    QTest::addRow("random bytes") << noise << "file";
    QTest::addRow("another program's database") << databaseBytes("CREATE TABLE notes(id, text)") << "file";
    const char* const ours = OURS_FIRST;
    QTest::addRow("from a newer program")
        << databaseBytes(QByteArray(ours).replace("user_version = 1", "user_version = 3").constData()) << "file";
    QTest::addRow("our tables, a column missing")
        << databaseBytes(QByteArray(ours).replace(" due,", "").constData()) << "file";
    QTest::addRow("our tables with a trigger")
        << databaseBytes(QByteArray(ours) + "CREATE TRIGGER t AFTER INSERT ON words BEGIN DELETE FROM meta; END")
        << "file";
    // SQLite answers a record whose length runs to nine bytes of 0xff with "out of memory", on every try.
    QByteArray huge = databaseBytes(QByteArray("PRAGMA page_size = 512;").append(ours).constData());
    huge.replace(huge.indexOf("tablemeta") - 8, 9, QByteArray(9, char(0xff)));
    QTest::addRow("a record longer than memory") << huge << "file";
    QTemporaryDir made;
    History().open(made.filePath("made.sqlite"));
    QTest::addRow("read-only file") << readFile(made.filePath("made.sqlite")) << "read-only";
    // Root writes any file; but no one opens a folder as a database, or makes a file under a file.
    QTest::addRow("folder in the way") << QByteArray() << "file";
    QTest::addRow("data folder is a file, unavailable") << QByteArray("x") << "under a file";
}

void TestHistory::unusableFile_setAsideAndReplaced()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, place);
    if (place == "read-only" && geteuid() == 0)
        QSKIP("root writes to read-only files");
    const QString path = env->dataFolder() + "/history.sqlite";
    History history;
    if (place == "under a file") {
        QVERIFY(writeFile(env->dataFolder(), bytes));
        QCOMPARE(history.open(path), History::Unavailable);
        QVERIFY(!history.isOpen() && !history.record({"f", "w", 1, "w", true, 1, 1}, {1, 0, 0}) && !history.begin());
        QVERIFY(history.wordsOf("f").isEmpty() && history.lastAnswers(5).empty() && !history.setStoredTestsImported());
        QCOMPARE(readFile(env->dataFolder()), bytes);
        return;
    }
    // Twice within the second: the second file set aside must not replace the first.
    QStringList asides;
    for (int time = 0; time < 2; ++time) {
        if (bytes.isNull())
            QVERIFY(writeFile(path + "/inside", "x"));
        else
            QVERIFY(writeFile(path, bytes) && (place != "read-only" || QFile::setPermissions(path, QFile::ReadOwner)));
        QVERIFY(writeFile(path + "-wal", "stale"));
        QCOMPARE(history.open(path), History::SetAside);
        // What was there is kept whole under its new name, its journal beside it.
        const QString aside = history.setAsideTo();
        QVERIFY(QRegularExpression("/history\\.sqlite\\.damaged-\\d{8}-\\d{6}(-\\d+)?$").match(aside).hasMatch());
        QCOMPARE(readFile(bytes.isNull() ? aside + "/inside" : aside), bytes.isNull() ? QByteArray("x") : bytes);
        QCOMPARE(readFile(aside + "-wal"), QByteArray("stale"));
        asides << aside;
        QVERIFY(history.record({"f", "w", 1, "w", true, 1, 1}, {1, 0, 0}));
        history.close();
        QCOMPARE(history.open(path), History::Opened);
        QCOMPARE(history.wordOf("f", "w").asked, 1u);
        history.close();
        for (const char* file : {"", "-wal", "-shm"})
            QFile::remove(path + file);
    }
    QVERIFY(asides[0] != asides[1] && QFileInfo::exists(asides[0]));
}

// The child reports each answer once it is committed; a kill at any moment keeps all of them, the file sound.
void TestHistory::killedDuringAnswers_keepsEveryCommit()
{
    const QString path = env->root() + "/history.sqlite";
    int channel[2];
    QVERIFY(pipe(channel) == 0);
    const pid_t child = fork();
    if (child == 0) {
        History history;
        history.open(path);
        for (std::uint32_t n = 1;; ++n) {
            if (!history.record({"f", QString::number(n % 500), n, "typed", n % 3 == 0, 1, n}, {n, 1, n}) ||
                write(channel[1], &n, sizeof n) != sizeof n)
                _exit(1);
        }
    }
    ::close(channel[1]);
    std::uint32_t reported = 0, n = 0;
    // What the child reported before it died, at the kill or after it.
    while (read(channel[0], &n, sizeof n) == sizeof n) {
        if ((reported = n) == 400)
            kill(child, SIGKILL);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL && reported >= 400);

    QCOMPARE(runSql(path, "PRAGMA integrity_check"), QString("ok"));
    QVERIFY(runSql(path, "SELECT count(*) FROM answers").toUInt() >= reported);
    History history;
    QVERIFY(history.open(path) == History::Opened && history.lastAnswers(1).at(0).at >= reported);
}

void TestHistory::importStoredTests_oldestFirstIntoEveryFolder()
{
    const QString a = env->workFolder() + "/A", b = env->workFolder() + "/B";
    for (const QString& file :
         {a + "/cat.wav", a + "/dog.mp3", a + "/sun.ogg", a + "/notes.txt", b + "/Dog.wma", b + "/Hat.wav"})
        QVERIFY(writeFile(file, {}));
    // The unselected dictionary counts too; listed with a trailing separator, its recordings keep it.
    const std::vector<__dictionary> dictionaries{dictionary(a, 1), dictionary(b + "/", 0)};
    env->writeData("stat10.03.2026 18-00-00.dat",
                   statisticsBytes({{"dog", true}, {"moon", true}, {"CAT", false}, {"cat", true}}));
    env->writeData("stat15.02.2026 09-00-00.dat", statisticsBytes({{"cat", true}, {"hat", true}}));
    env->writeData("stat01.03.2026 10-00-00.dat", statisticsBytes({{"dog", false}, {"moon", false}, {"cat", false}}));
    // Damaged: a count far past its records, the second one cut.
    env->writeData("stat20.03.2026 08-00-00.dat",
                   statisticsBytes(2, 4000000000u, {{"sun", true}, {"dog", true}}).chopped(1));

    // A cancelled import keeps nothing, so the next one starts from the same history.
    History history;
    QCOMPARE(history.open(), History::Created);
    ImportProgress progress;
    progress.cancel = true;
    QVERIFY(!importStoredTests(history, dictionaries, &progress) && history.lastAnswers(10).empty());
    QVERIFY(history.wordsOf(a).isEmpty() && !history.storedTestsImported());
    progress.cancel = false;
    QVERIFY(importStoredTests(history, dictionaries, &progress) && history.storedTestsImported());
    QCOMPARE(QString("%1 of %2").arg(progress.done).arg(progress.total), QString("4 of 4"));

    // Asked, and the step: a word steps on once per test, only when due at its start.
    const QHash<QString, WordHistory> inA = history.wordsOf(a);
    const QHash<QString, WordHistory> inB = history.wordsOf(b + "/");
    QStringList steps{QString::number(inA.size() + inB.size())};
    for (const WordHistory& w :
         {inA["cat"], inA["dog"], inA["sun"], inB["Dog"], inB["Hat"], history.wordOf("", "moon")})
        steps << describe(w).section(' ', 0, 1);
    QCOMPARE(steps, QStringList({"5", "4 1", "2 2", "1 0", "2 2", "1 0", "2 2"}));
    // Missed in the last test, a second before its stamp: due from then on.
    const auto secondsAt = [](const char* local) {
        return QDateTime::fromString(local, "dd.MM.yyyy HH:mm:ss").toSecsSinceEpoch();
    };
    const qint64 missedAt = secondsAt("10.03.2026 17:59:59");
    QCOMPARE(inA["cat"].due, missedAt);

    const std::vector<AnswerRecord> answers = history.lastAnswers(100);
    QCOMPARE(answers.size(), std::size_t(12));
    QCOMPARE(describe(answers[0]), a + "|sun|" + QString::number(secondsAt("20.03.2026 08:00:00")) + "|sun|+|0|0|0");
    QCOMPARE(describe(answers[2]), a + "|cat|" + QString::number(missedAt) + "||-|0|0|0");
    for (std::size_t i = 1; i < answers.size(); ++i)
        QVERIFY(answers[i - 1].at >= answers[i].at);
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
