#include "statistics/report.h"
#include "statistics/reportslices.h"
#include "statistics/threadcore.h"

#include "statisticsdata.h"
#include "testenvironment.h"

#include <QtTest>

class TestReport : public EnvironmentTest
{
    Q_OBJECT
    ThreadCore builder; // one for all builds: none may leave anything to the next

private slots:
    void document_data();
    void document();
    void noResultForAMissingFileOrAStop_thenTheNextBuildRuns();
    void translated_countsReorderedMarkupEscapedWordsKept();
};

// A translation that puts the rate first and brings characters of markup of its own.
class ReorderingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QHash<QByteArray, QString> texts{
            {"en", "de"}, {"Correct: %1 / Wrong: %2 / Success rate: %3 %", "%3 % <gut> %1 & %2"}, {"Word", "Wort"}};
        return qstrcmp(context, "Report") == 0 ? texts.value(source) : QString();
    }
};

static QString templateDocument(bool exportForm, const QStringList& c, const StoredAnswers& rows)
{
    QString d = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"UTF-8\" />\n<style>\n";
    d += "table {border-collapse: collapse;width: 100%;}\n td, th {text-align: left;padding: 8px;width: 250px;}\n";
    if (exportForm)
        d += "tr:nth-child(even) {background-color: #e6f7ff;} td.c{background: url(\"data:image/png;base64," +
             QLatin1String(CORRECT_MARK_BASE64) + "\") no-repeat;}td.w{background: url(\"data:image/png;base64," +
             QLatin1String(WRONG_MARK_BASE64) + "\") no-repeat;}";
    d += "</style>\n</head>\n<body>\n<h2>Tested: 04/12/2026 09:05:03</h2>\n<h3>Correct: " + c[0] + " / Wrong: " + c[1] +
         " / Success rate: " + c[2] +
         " %</h3>\n<table>\n<tr><th width=\"75%\">Word</th><th width=\"25%\">Result</th></tr>\n";
    QString cell = exportForm ? "</td><td class=\"%1\"></td></tr>\n"
                              : "</td><td><img src=\":/new/prefix1/%1.png\" width=\"16\" height=\"16\" /></td></tr>";
    for (const auto& row : rows)
        d += "<tr><td>" + QString(row.first).replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;") +
             cell.arg(row.second ? (exportForm ? "c" : "s") : (exportForm ? "w" : "f"));
    return d + "</table>\n</body>\n</html>";
}

static QString build(ThreadCore& builder, std::uint16_t filter = FILTER_ALL, bool exportMode = false, bool stop = false)
{
    QSignalSpy finished(&builder, &ThreadCore::threadCoreFinished);
    builder.setFilter(filter);
    builder.setExportMode(exportMode);
    builder.setStatName(u"04.12.2026 09-05-03");
    builder.start();
    if (stop)
        builder.requestStop();
    builder.wait();
    return finished.isEmpty() ? QStringLiteral("(no result)") : finished.first().first().toString();
}

void TestReport::document_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("counts"); // correct, wrong and the success rate
    QTest::addColumn<StoredAnswers>("rows");
    // Words are file names: markup in them stays text, even the start of a comment.
    const StoredAnswers three{{"cat", true}, {"<!--Straße", true}, {"a & b<c>", false}};
    QTest::addRow("wrong rows, counts of all") << statisticsBytes(three) << 2 << "2 1 66.7" << three.mid(2);
    QTest::addRow("no answers") << statisticsBytes(5, 0, {}).left(8) << 3 << "5 0 0.0" << three.mid(3);
    QTest::addRow("huge count, all rows") << statisticsBytes(1, 0xFFFFFFFFu, three) << 3 << "1 4294967294 0.0" << three;
    QTest::addRow("correct rows, rate capped") << statisticsBytes(7, 3, three) << 1 << "7 0 100.0" << three.mid(0, 2);
}

void TestReport::document()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, filter);
    QFETCH(QString, counts);
    QFETCH(StoredAnswers, rows);
    env->writeData(QStringLiteral("stat04.12.2026 09-05-03.dat"), bytes);
    for (bool exported : {false, true})
        QCOMPARE(build(builder, std::uint16_t(filter), exported), templateDocument(exported, counts.split(' '), rows));
}

void TestReport::noResultForAMissingFileOrAStop_thenTheNextBuildRuns()
{
    QCOMPARE(build(builder), QStringLiteral("(no result)"));
    env->writeData(QStringLiteral("stat04.12.2026 09-05-03.dat"), statisticsBytes(manyAnswers(20000, 20000)));
    QCOMPARE(build(builder, FILTER_ALL, false, true), QStringLiteral("(no result)"));
    QCOMPARE(build(builder, FILTER_NONE), templateDocument(false, {"20000", "0", "100.0"}, {}));
}

void TestReport::translated_countsReorderedMarkupEscapedWordsKept()
{
    env->writeData(QStringLiteral("stat04.12.2026 09-05-03.dat"), statisticsBytes({{"<Tür>", true}, {"dog", false}}));
    ReorderingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const QString html = build(builder);
    QCoreApplication::removeTranslator(&translator);
    for (const char* part :
         {"<html lang=\"de\">", "<h2>Tested: 04/12/2026 09:05:03</h2>", "<h3>50.0 % &lt;gut&gt; 1 &amp; 1</h3>",
          "<th width=\"75%\">Wort</th>", "<td>&lt;Tür&gt;</td>"})
        QVERIFY2(html.contains(QString::fromUtf8(part)), part);
    QCOMPARE(ReportSlices(html).rowCount(), 2); // still comes onto the screen a slice at a time
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
