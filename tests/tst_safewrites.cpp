// Files the program replaces stay whole when it is killed mid-write; a write that fails part-way keeps the old file.

#include "dictionaries/dictionaries.h"
#include "settings/settings.h"
#include "statistics/report.h"
#include "statistics/statisticsfile.h"
#include "statistics/statisticslist.h"

#include "testenvironment.h"

#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Files of small and of large contents; the large ones run past the write limit that stands for a full disk.
constexpr int LARGE = 40;
constexpr rlim_t WRITE_LIMIT = 16 * 1024;
constexpr int KILLS = 200;

// One kind of file: where it lives, and the program's write of its small or large contents with the program's
// verdict (1 written, 0 failed, -1 when the program gives none).
struct Kind
{
    QString path;
    std::function<int(bool large)> write;
};

QString warning; // the last warning logged in a child

void kinds()
{
    QTest::addColumn<int>("kind");
    int i = 0;
    for (const char* name : {"dictionary list", "user settings", "machine settings", "statistics", "export"})
        QTest::newRow(name) << i++;
}

// The kind of the current row, its file holding a settings file's other lines and then the small contents.
Kind prepared(const TestEnvironment& env)
{
    QFETCH(int, kind);
    const auto setting = [](const QString& folder, int scope) {
        return Kind{folder + "/settings.conf",
                    [scope](bool large) { return int(setSettingInt("k", large ? 123456789 : 1, scope) == SETTING_WRITTEN); }};
    };
    const Kind table[] = {
        {env.dataFolder() + "/data.dat",
         [&env](bool large) {
             return writeDictionaries(std::vector<__dictionary>(large ? LARGE : 1, dictionary(env.workFolder(), 1))),
                    -1;
         }},
        setting(env.dataFolder(), SCOPE_USER),
        setting(env.configFolder(), SCOPE_MACHINE),
        {env.dataFolder() + "/stat00.01.1900 00-00-00.dat",
         [](bool large) {
             return writeStatisticsAt(std::vector<__answer>(large ? LARGE : 1, __answer{7, u"word", 1}), 1, {}), -1;
         }},
        {env.workFolder() + "/report.html",
         [](bool large) { return int(writeExport("report.html", QString(large ? 250 * LARGE : 1, u'ß'))); }},
    };
    writeFile(table[kind].path, QByteArray("other=0\n").repeated(WRITE_LIMIT / 8 + 1));
    table[kind].write(false);
    return table[kind];
}

// The file's bytes and the stored tests the Statistics window would list: a stray file must not show there.
QByteArray state(const Kind& kind)
{
    std::vector<std::u16string> listed;
    listStatistics(listed);
    QByteArray bytes = readFile(kind.path);
    for (const std::u16string& stamp : listed)
        bytes += QString::fromStdU16String(stamp).toUtf8();
    return bytes;
}

} // namespace

class TestSafeWrites : public EnvironmentTest
{
    Q_OBJECT

private slots:
    // A kill stops the program, not the disk: in memory the syncs that slow a thousand kills cost nothing.
    void initTestCase() { qputenv("TMPDIR", QFileInfo("/dev/shm").isWritable() ? "/dev/shm" : qgetenv("TMPDIR")); }
    void killedWhileWriting_leavesOldOrNewFile_data() { kinds(); }
    void killedWhileWriting_leavesOldOrNewFile();
    void writeFailsPartWay_keepsOldFileAndLogs_data() { kinds(); }
    void writeFailsPartWay_keepsOldFileAndLogs();
};

void TestSafeWrites::killedWhileWriting_leavesOldOrNewFile()
{
    const Kind kind = prepared(*env);
    const QByteArray small = state(kind);
    kind.write(true);
    const QByteArray large = state(kind);
    QElapsedTimer round; // of a small and a large write, warmed up
    round.start();
    kind.write(false);
    kind.write(true);
    const auto spread = quint32(2 * round.nsecsElapsed() / 1000 + 1); // two rounds after the child's first write
    kind.write(false);

    int largeFound = 0;
    for (int i = 0; i < KILLS; ++i) {
        int firstWritten[2];
        QCOMPARE(::pipe(firstWritten), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::alarm(30); // a child its test lost ends anyway
            kind.write(true);
            for (bool larger = ::write(firstWritten[1], "", 1) != 1;; larger = !larger)
                kind.write(larger);
        }
        QVERIFY(child > 0);
        ::close(firstWritten[1]);
        char byte = 0;
        const ssize_t told = ::read(firstWritten[0], &byte, 1); // nothing comes from a child that died before
        ::close(firstWritten[0]);
        ::usleep(QRandomGenerator::global()->bounded(spread));
        ::kill(child, SIGKILL);
        int status = 0;
        QVERIFY(::waitpid(child, &status, 0) == child && told == 1 && WTERMSIG(status) == SIGKILL);
        const QByteArray now = state(kind);
        QVERIFY2(now == small || now == large, qPrintable(QStringLiteral("broken after kill %1").arg(i)));
        largeFound += now == large;
    }
    qInfo("%d kills within %u us of the first write: %d found the large contents", KILLS, spread, largeFound);
    QVERIFY(largeFound > 0 && largeFound < KILLS);
}

void TestSafeWrites::writeFailsPartWay_keepsOldFileAndLogs()
{
    const Kind kind = prepared(*env);
    const QByteArray small = state(kind);
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit limit{WRITE_LIMIT, WRITE_LIMIT};
        ::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            warning = type == QtWarningMsg ? text : warning;
        });
        ::_exit(kind.write(true) == 1 ? 2 : warning.contains(QFileInfo(kind.path).fileName()) ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    // Ended normally, with 1 when no warning named the file, with 2 when the failure was reported as written.
    QCOMPARE(WIFEXITED(status) ? WEXITSTATUS(status) : -status, 0);
    QCOMPARE(state(kind), small);
}

QTEST_GUILESS_MAIN(TestSafeWrites)
#include "tst_safewrites.moc"
