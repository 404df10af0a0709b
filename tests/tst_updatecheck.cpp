#include "settings/settings.h"
#include "update/updatecheck.h"

#include "replyserver.h"
#include "testenvironment.h"

#include <QtTest>

#include <cstring>
#include <random>

class TestUpdateCheck : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        setUpdateBaseAddressForTesting(QString());
        EnvironmentTest::cleanup();
    }
    void replies_data();
    void replies();
    void request_asksForTheProductAndVersion();
    void closedPort_isUnavailableAndLeavesTheDate();
    void onceADay_data();
    void onceADay();
    void dayNumber_data();
    void dayNumber();
    void dayNumber_matchesTheCalendarAcrossCenturies();
    void jsonGetValue_staysInsideItsBuffers();
};

namespace {

std::tm date(int year, int month, int day)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    return t;
}

int today()
{
    const QDate now = QDate::currentDate();
    return dayNumber(date(now.year(), now.month(), now.day()));
}

void useServer(const ReplyServer& server)
{
    setUpdateBaseAddressForTesting(QStringLiteral("http://127.0.0.1:%1/updates/check.php?product=").arg(server.port()));
}

} // namespace

void TestUpdateCheck::replies_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("result");

    QTest::addRow("number 1") << QByteArray(R"({"new_version":1})") << UPDATE_AVAILABLE;
    QTest::addRow("string 1") << QByteArray(R"({"new_version":"1"})") << UPDATE_AVAILABLE;
    QTest::addRow("blank then 1") << QByteArray(R"({"new_version":" 1"})") << UPDATE_AVAILABLE;
    QTest::addRow("1.5") << QByteArray(R"({"new_version":"1.5"})") << UPDATE_AVAILABLE;
    QTest::addRow("number 0") << QByteArray(R"({"new_version":0})") << UPDATE_NONE;
    QTest::addRow("true") << QByteArray(R"({"new_version":true})") << UPDATE_NONE;
    QTest::addRow("ten digits do not fit") << QByteArray(R"({"new_version":"0000000001"})") << UPDATE_NONE;
    QTest::addRow("nine digits fit") << QByteArray(R"({"new_version":"000000001"})") << UPDATE_AVAILABLE;
    QTest::addRow("key nested deeper") << QByteArray(R"({"other":{"new_version":1}})") << UPDATE_AVAILABLE;
    QTest::addRow("key first seen as a value") << QByteArray(R"({"a":"new_version","new_version":1})") << UPDATE_NONE;
    QTest::addRow("key without value") << QByteArray(R"({"new_version"})") << UPDATE_NONE;
    QTest::addRow("array") << QByteArray("[1]") << UPDATE_NONE;
    QTest::addRow("empty reply") << QByteArray() << UPDATE_NONE;
    QTest::addRow("not JSON") << QByteArray("<html>busy</html>") << UPDATE_NONE;
    QTest::addRow("byte-order mark") << QByteArray("\xEF\xBB\xBF{\"new_version\":1}") << UPDATE_AVAILABLE;
    QTest::addRow("accented letter after 1") << QByteArray("{\"new_version\":\"1\xC3\xA9\"}") << UPDATE_AVAILABLE;
    QTest::addRow("object closing after byte 1024")
        << (QByteArray(R"({"new_version":1,"pad":")") + QByteArray(1470, 'x') + "\"}") << UPDATE_NONE;
    QTest::addRow("too many tokens")
        << R"({"new_version":1,"l":[)" + QByteArray("1,").repeated(130) + "1]}" << UPDATE_NONE;
}

void TestUpdateCheck::replies()
{
    QFETCH(QByteArray, body);
    QFETCH(int, result);
    ReplyServer server(body);
    useServer(server);
    QCOMPARE(checkForUpdate(true), result);
    QCOMPARE(server.requests(), 1);
    // Every reply that was read records the day, before it is interpreted.
    QCOMPARE(getSettingInt("date", 0, SCOPE_MACHINE), today());
}

void TestUpdateCheck::request_asksForTheProductAndVersion()
{
    ReplyServer server(R"({"new_version":1})", "404 Not Found");
    useServer(server);
    QCOMPARE(checkForUpdate(true), UPDATE_AVAILABLE); // the status is not looked at
    const QByteArray request = server.lastRequest();
    QVERIFY2(request.startsWith("GET /updates/check.php?product=3&version=101000 HTTP/1."), request.constData());
    QVERIFY(request.contains("\r\nUser-Agent: update\r\n"));

    setUpdateBaseAddressForTesting(QString());
    char16_t address[ADDRESS_UNITS];
    buildUpdateAddress(address);
    QCOMPARE(QString::fromUtf16(address),
             QStringLiteral("http://127.0.0.1:9/updates/check.php?product=3&version=101000"));
}

void TestUpdateCheck::closedPort_isUnavailableAndLeavesTheDate()
{
    setSettingInt("date", 5, SCOPE_MACHINE);
    QCOMPARE(checkForUpdate(true), UPDATE_UNAVAILABLE); // the tests' built-in address is a closed loopback port
    QCOMPARE(getSettingInt("date", 0, SCOPE_MACHINE), 5);
}

void TestUpdateCheck::onceADay_data()
{
    QTest::addColumn<QByteArray>("update"); // empty: no such line
    QTest::addColumn<int>("dateOffset");    // from today; 1000000: no date stored
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("asks");

    const int none = 1000000;
    QTest::addRow("first start") << QByteArray() << none << false << true;
    QTest::addRow("already asked today") << QByteArray("1") << 0 << false << false;
    QTest::addRow("asked yesterday") << QByteArray("1") << -1 << false << true;
    QTest::addRow("clock set back a day") << QByteArray("1") << 1 << false << true;
    QTest::addRow("today, but asked for") << QByteArray("1") << 0 << true << true;
    QTest::addRow("switched off") << QByteArray("0") << -1 << false << false;
    QTest::addRow("switched off, asked for") << QByteArray("0") << 0 << true << true;
    QTest::addRow("2 is not on") << QByteArray("2") << -5 << false << false;
    QTest::addRow("2, asked for") << QByteArray("2") << -5 << true << true;
}

void TestUpdateCheck::onceADay()
{
    QFETCH(QByteArray, update);
    QFETCH(int, dateOffset);
    QFETCH(bool, force);
    QFETCH(bool, asks);
    if (!update.isEmpty())
        setSettingInt("update", update.toInt(), SCOPE_MACHINE);
    if (dateOffset != 1000000)
        setSettingInt("date", today() + dateOffset, SCOPE_MACHINE);
    ReplyServer server(R"({"new_version":1})");
    useServer(server);
    QCOMPARE(checkForUpdate(force), asks ? UPDATE_AVAILABLE : UPDATE_NONE);
    QCOMPARE(server.requests(), asks ? 1 : 0);
    if (asks)
        QCOMPARE(getSettingInt("date", 0, SCOPE_MACHINE), today());
}

void TestUpdateCheck::dayNumber_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("number");
    QTest::addRow("leap day 2024") << 2024 << 2 << 29 << 738945;
    QTest::addRow("after it") << 2024 << 3 << 1 << 738946;
    QTest::addRow("1 January 2000") << 2000 << 1 << 1 << 730120;
    QTest::addRow("4 December 2026") << 2026 << 12 << 4 << 739954;
    QTest::addRow("first day") << 1 << 1 << 1 << 1;
}

void TestUpdateCheck::dayNumber()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, number);
    QCOMPARE(::dayNumber(date(year, month, day)), number);
}

void TestUpdateCheck::dayNumber_matchesTheCalendarAcrossCenturies()
{
    // QDate counts proleptic Gregorian days too, by Julian day numbers.
    const qint64 origin = QDate(1, 1, 1).toJulianDay();
    for (QDate d(1599, 1, 1); d < QDate(2401, 3, 5); d = d.addDays(3))
        QCOMPARE(qint64(::dayNumber(date(d.year(), d.month(), d.day()))), d.toJulianDay() - origin + 1);
}

void TestUpdateCheck::jsonGetValue_staysInsideItsBuffers()
{
    // Random JSON-like texts in allocations of their exact size: any read past length or write past outSize is
    // caught by the sanitizer build, and the guard bytes here catch the writes in the plain build too.
    std::mt19937 random(3);
    const char alphabet[] = "{}[]\":,\\ 01abnew_version\xC3\xA9tru";
    for (int i = 0; i < 20000; ++i) {
        const std::size_t length = random() % 200;
        std::unique_ptr<char[]> data(new char[length == 0 ? 1 : length]);
        for (std::size_t j = 0; j < length; ++j)
            data[j] = alphabet[random() % (sizeof alphabet - 1)];
        const std::size_t outSize = 1 + random() % 12;
        char out[32];
        std::memset(out, '#', sizeof out);
        const int status = jsonGetValue(length == 0 ? nullptr : data.get(), length, "new_version", out, outSize, "0");
        QVERIFY(status == 0 || status == 1);
        QVERIFY(std::memchr(out, 0, outSize) != nullptr);
        for (std::size_t j = outSize; j < sizeof out; ++j)
            QCOMPARE(out[j], '#');
    }
}

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
