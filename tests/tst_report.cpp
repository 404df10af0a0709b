#include "statistics/report.h"
#include "statistics/threadcore.h"

#include "statisticsdata.h"
#include "testenvironment.h"

#include <QtTest>

// The report builder, on its own thread, against the document template written out here piece by piece.
class TestReport : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void document_data();
    void document();
    void missingFile_endsWithoutResult();
    void stopDuringRows_thenNextBuildRuns();

private:
    ThreadCore builder;

    // The document the builder delivers, or "(no result)".
    QString build(std::uint16_t filter = FILTER_ALL, bool exportMode = false);
};

namespace {

const QString STAMP = QStringLiteral("04.12.2026 09-05-03");

QString templateDocument(bool exportForm, const QString& counts, const StoredAnswers& rows)
{
    QString d =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"UTF-8\" />\n<style>\n"
        "table {border-collapse: collapse;width: 100%;}\n td, th {text-align: left;padding: 8px;width: 250px;}\n";
    if (exportForm)
        d += "tr:nth-child(even) {background-color: #e6f7ff;} td.c{background: url(\"data:image/png;base64," +
             QLatin1String(CORRECT_MARK_BASE64) + "\") no-repeat;}td.w{background: url(\"data:image/png;base64," +
             QLatin1String(WRONG_MARK_BASE64) + "\") no-repeat;}";
    d += "</style>\n</head>\n<body>\n<h2>Tested: 04/12/2026 09:05:03</h2>\n<h3>Correct: " + counts +
         " %</h3>\n"
         "<table>\n<tr><th width=\"75%\">Word</th><th width=\"25%\">Result</th></tr>\n";
    for (const auto& row : rows) {
        d += "<tr><td>" + row.first;
        if (exportForm)
            d += QString(row.second ? "</td><td class=\"c\">" : "</td><td class=\"w\">") + "</td></tr>\n";
        else
            d += QString("</td><td><img src=\"") + (row.second ? ":/new/prefix1/s.png" : ":/new/prefix1/f.png") +
                 "\" width=\"16\" height=\"16\" /></td></tr>";
    }
    return d + "</table>\n</body>\n</html>";
}

} // namespace

QString TestReport::build(std::uint16_t filter, bool exportMode)
{
    QSignalSpy finished(&builder, &ThreadCore::threadCoreFinished);
    builder.setFilter(filter);
    builder.setExportMode(exportMode);
    builder.setStatName(reinterpret_cast<const char16_t*>(STAMP.utf16()));
    builder.start();
    builder.wait();
    return finished.isEmpty() ? QStringLiteral("(no result)") : finished.first().first().toString();
}

void TestReport::document_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("filter");
    QTest::addColumn<bool>("exportForm");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<StoredAnswers>("rows");
    const StoredAnswers three{{"cat", true}, {"a & b<c>", false}, {"Straße", true}};
    QTest::addRow("on screen, words unescaped")
        << statisticsBytes(three) << 3 << false << "2 / Wrong: 1 / Success rate: 66.7" << three;
    QTest::addRow("export") << statisticsBytes(three) << 3 << true << "2 / Wrong: 1 / Success rate: 66.7" << three;

    // The counts and the rate describe the whole test, whatever the filter.
    const QByteArray four = statisticsBytes({{"a", true}, {"b", false}, {"c", true}, {"d", false}});
    const QString half = "2 / Wrong: 2 / Success rate: 50.0";
    QTest::addRow("no rows") << four << 0 << false << half << StoredAnswers{};
    QTest::addRow("correct rows") << four << 1 << true << half << StoredAnswers{{"a", true}, {"c", true}};
    QTest::addRow("wrong rows") << four << 2 << false << half << StoredAnswers{{"b", false}, {"d", false}};
    QTest::addRow("unknown code: all rows")
        << four << 7 << false << half << StoredAnswers{{"a", true}, {"b", false}, {"c", true}, {"d", false}};
    QTest::addRow("rate 100.0") << statisticsBytes(manyAnswers(10, 10)) << 0 << false
                                << "10 / Wrong: 0 / Success rate: 100.0" << StoredAnswers{};
    QTest::addRow("rate 5.0") << statisticsBytes(manyAnswers(20, 1)) << 0 << false
                              << "1 / Wrong: 19 / Success rate: 5.0" << StoredAnswers{};
    QTest::addRow("rate 0.0") << statisticsBytes(manyAnswers(4, 0)) << 0 << false << "0 / Wrong: 4 / Success rate: 0.0"
                              << StoredAnswers{};

    const StoredAnswers two = manyAnswers(2, 1);
    QTest::addRow("shorter than the header: no answers, rate 0.0")
        << statisticsBytes(5, 0, {}).left(8) << 3 << false << "5 / Wrong: 0 / Success rate: 0.0" << StoredAnswers{};
    QTest::addRow("count larger than the records")
        << statisticsBytes(1, 9, two) << 3 << false << "1 / Wrong: 8 / Success rate: 11.1" << two;
    // Sized by the count, the buffer would be terabytes: no result, or a sanitizer's abort.
    QTest::addRow("huge count") << statisticsBytes(1, 0xFFFFFFFFu, two) << 3 << false
                                << "1 / Wrong: 4294967294 / Success rate: 0.0" << two;
    QTest::addRow("more correct than answers: Wrong 0, rate at most 100.0")
        << statisticsBytes(7, 2, two) << 3 << false << "7 / Wrong: 0 / Success rate: 100.0" << two;
}

void TestReport::document()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, filter);
    QFETCH(bool, exportForm);
    QFETCH(QString, counts);
    QFETCH(StoredAnswers, rows);
    env->writeData("stat" + STAMP + ".dat", bytes);
    QCOMPARE(build(std::uint16_t(filter), exportForm), templateDocument(exportForm, counts, rows));
}

void TestReport::missingFile_endsWithoutResult()
{
    QCOMPARE(build(), QStringLiteral("(no result)"));
}

void TestReport::stopDuringRows_thenNextBuildRuns()
{
    env->writeData("stat" + STAMP + ".dat", statisticsBytes(manyAnswers(20000, 20000)));
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
