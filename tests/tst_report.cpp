#include "statistics/report.h"
#include "statistics/threadcore.h"

#include "statisticsdata.h"
#include "testenvironment.h"

#include <QtTest>

// The report builder, on its own thread, against the document template written out here piece by piece.
class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void wholeDocument_data();
    void wholeDocument();
    void filters_data();
    void filters();
    void rate_data();
    void rate();
    void damagedFile_data();
    void damagedFile();
    void missingFile_endsWithoutResult();
    void stopDuringRows_thenNextBuildRuns();

private:
    std::unique_ptr<TestEnvironment> env;
    ThreadCore builder;

    // The document the builder delivers, or NO_RESULT when it delivers none.
    QString build(std::uint16_t filter = FILTER_ALL, bool exportMode = false);
};

namespace {

const QString STAMP = QStringLiteral("04.12.2026 09-05-03");
const QString NO_RESULT = QStringLiteral("(no result)");

// The report as the template has it, from its fragments.
QString templateDocument(bool exportForm, const QString& counts, const StoredAnswers& rows)
{
    QString d = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"UTF-8\" />\n<style>\n";
    d += "table {border-collapse: collapse;width: 100%;}\n td, th {text-align: left;padding: 8px;width: 250px;}\n";
    if (exportForm) {
        d += "tr:nth-child(even) {background-color: #e6f7ff;} td.c{background: url(\"data:image/png;base64,";
        d += QLatin1String(CORRECT_MARK_BASE64) + "\") no-repeat;}";
        d += "td.w{background: url(\"data:image/png;base64," + QLatin1String(WRONG_MARK_BASE64) + "\") no-repeat;}";
    }
    d += "</style>\n</head>\n<body>\n<h2>Tested: 04/12/2026 09:05:03</h2>\n<h3>Correct: " + counts + " %</h3>\n";
    d += "<table>\n<tr><th width=\"75%\">Word</th><th width=\"25%\">Result</th></tr>\n";
    for (const auto& row : rows) {
        if (exportForm)
            d += "<tr><td>" + row.first + (row.second ? "</td><td class=\"c\">" : "</td><td class=\"w\">") +
                 "</td></tr>\n";
        else
            d += "<tr><td>" + row.first + "</td><td><img src=\"" +
                 (row.second ? ":/new/prefix1/s.png" : ":/new/prefix1/f.png") +
                 "\" width=\"16\" height=\"16\" /></td></tr>";
    }
    return d + "</table>\n</body>\n</html>";
}

} // namespace

void TestReport::init()
{
    env = std::make_unique<TestEnvironment>();
}

void TestReport::cleanup()
{
    env.reset();
}

QString TestReport::build(std::uint16_t filter, bool exportMode)
{
    QSignalSpy finished(&builder, &ThreadCore::threadCoreFinished);
    builder.setFilter(filter);
    builder.setExportMode(exportMode);
    builder.setStatName(reinterpret_cast<const char16_t*>(STAMP.utf16()));
    builder.start();
    builder.wait();
    if (finished.isEmpty())
        return NO_RESULT;
    return finished.first().first().toString();
}

void TestReport::wholeDocument_data()
{
    QTest::addColumn<bool>("exportForm");
    QTest::addRow("on screen") << false;
    QTest::addRow("export") << true;
}

void TestReport::wholeDocument()
{
    QFETCH(bool, exportForm);
    // Markup characters in words stand as they are.
    const StoredAnswers answers{{"cat", true}, {"a & b<c>", false}, {"Straße", true}};
    env->writeData("stat" + STAMP + ".dat", statisticsBytes(answers));
    QCOMPARE(build(FILTER_ALL, exportForm), templateDocument(exportForm, "2 / Wrong: 1 / Success rate: 66.7", answers));
}

void TestReport::filters_data()
{
    QTest::addColumn<StoredAnswers>("answers");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QStringList>("shown");
    const StoredAnswers mixed{{"one", true}, {"two", false}, {"three", true}, {"four", false}};
    QTest::addRow("none") << mixed << int(FILTER_NONE) << QStringList{};
    QTest::addRow("correct") << mixed << int(FILTER_CORRECT) << QStringList{"one", "three"};
    QTest::addRow("wrong") << mixed << int(FILTER_WRONG) << QStringList{"two", "four"};
    QTest::addRow("all") << mixed << int(FILTER_ALL) << QStringList{"one", "two", "three", "four"};
    QTest::addRow("unknown code shows all") << mixed << 7 << QStringList{"one", "two", "three", "four"};
    QTest::addRow("wrong on a perfect test") << StoredAnswers{{"one", true}} << int(FILTER_WRONG) << QStringList{};
}

void TestReport::filters()
{
    QFETCH(StoredAnswers, answers);
    QFETCH(int, filter);
    QFETCH(QStringList, shown);
    env->writeData("stat" + STAMP + ".dat", statisticsBytes(answers));
    StoredAnswers rows;
    for (const auto& answer : answers) {
        if (shown.contains(answer.first))
            rows << answer;
    }
    // The counts describe the whole test, whatever the filter.
    const QString counts =
        answers.size() == 1 ? "1 / Wrong: 0 / Success rate: 100.0" : "2 / Wrong: 2 / Success rate: 50.0";
    QCOMPARE(build(std::uint16_t(filter)), templateDocument(false, counts, rows));
}

void TestReport::rate_data()
{
    QTest::addColumn<int>("correct");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("heading");
    QTest::addRow("two of three") << 2 << 3 << "<h3>Correct: 2 / Wrong: 1 / Success rate: 66.7 %</h3>";
    QTest::addRow("perfect") << 10 << 10 << "<h3>Correct: 10 / Wrong: 0 / Success rate: 100.0 %</h3>";
    QTest::addRow("one of twenty") << 1 << 20 << "<h3>Correct: 1 / Wrong: 19 / Success rate: 5.0 %</h3>";
    QTest::addRow("none correct") << 0 << 4 << "<h3>Correct: 0 / Wrong: 4 / Success rate: 0.0 %</h3>";
}

void TestReport::rate()
{
    QFETCH(int, correct);
    QFETCH(int, count);
    QFETCH(QString, heading);
    StoredAnswers answers;
    for (int i = 0; i < count; ++i)
        answers << qMakePair(QStringLiteral("w%1").arg(i), i < correct);
    env->writeData("stat" + STAMP + ".dat", statisticsBytes(answers));
    QVERIFY(build().contains(heading));
}

void TestReport::damagedFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<StoredAnswers>("rows");
    const StoredAnswers two{{"one", true}, {"two", false}};
    QTest::addRow("empty") << QByteArray() << "0 / Wrong: 0 / Success rate: 0.0" << StoredAnswers{};
    QTest::addRow("shorter than the header")
        << statisticsBytes(5, 0, {}).left(8) << "5 / Wrong: 0 / Success rate: 0.0" << StoredAnswers{};
    QTest::addRow("count larger than the records")
        << statisticsBytes(1, 9, two) << "1 / Wrong: 8 / Success rate: 11.1" << two;
    QTest::addRow("last record cut") << statisticsBytes(1, 2, two).chopped(1) << "1 / Wrong: 1 / Success rate: 50.0"
                                     << two.mid(0, 1);
    // Sized by the count, the buffer would be terabytes and the build would deliver nothing.
    QTest::addRow("huge count") << statisticsBytes(1, 0xFFFFFFFFu, two) << "1 / Wrong: 4294967294 / Success rate: 0.0"
                                << two;
    QTest::addRow("more correct than answers: no wrapped count, rate at most 100.0")
        << statisticsBytes(7, 2, two) << "7 / Wrong: 0 / Success rate: 100.0" << two;
}

void TestReport::damagedFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, counts);
    QFETCH(StoredAnswers, rows);
    env->writeData("stat" + STAMP + ".dat", bytes);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(build(), templateDocument(false, counts, rows));
    QVERIFY(clock.elapsed() < 2000);
}

void TestReport::missingFile_endsWithoutResult()
{
    QCOMPARE(build(), NO_RESULT);
}

void TestReport::stopDuringRows_thenNextBuildRuns()
{
    StoredAnswers many;
    for (int i = 0; i < 20000; ++i)
        many << qMakePair(QStringLiteral("w%1").arg(i), true);
    env->writeData("stat" + STAMP + ".dat", statisticsBytes(many));
    QSignalSpy finished(&builder, &ThreadCore::threadCoreFinished);
    builder.setStatName(reinterpret_cast<const char16_t*>(STAMP.utf16()));
    builder.start();
    builder.requestStop();
    builder.wait();
    QCOMPARE(finished.count(), 0);

    QVERIFY(build(FILTER_NONE).contains("<h3>Correct: 20000 / Wrong: 0 / Success rate: 100.0 %</h3>"));
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
