#include "settings/options.h"
#include "update/updatecheck.h"

#include "replyserver.h"
#include "testenvironment.h"

#include <QtTest>

static int dayOf(const QDate& d)
{
    std::tm t{};
    std::tie(t.tm_year, t.tm_mon, t.tm_mday) = std::tuple(d.year() - 1900, d.month() - 1, d.day());
    return dayNumber(t);
}

static int checkWith(const ReplyServer& server, bool force)
{
    setUpdateBaseAddressForTesting(QStringLiteral("http://127.0.0.1:%1/updates/check.php?product=").arg(server.port()));
    return checkForUpdate(force);
}

class TestUpdateCheck : public EnvironmentTest
{
    Q_OBJECT

private slots:
    void reply_decidesTheResult_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("result");
        const auto reply = [](const char* value) { return QByteArray(R"({"new_version":)") + value + '}'; };
        QTest::addRow("2 is no new version") << reply("2") << UPDATE_NONE;
        QTest::addRow("ten digits do not fit") << reply(R"("0000000001")") << UPDATE_NONE;
        QTest::addRow("nine digits, byte-order mark") << "\xEF\xBB\xBF" + reply(R"("000000001")") << UPDATE_AVAILABLE;
        QTest::addRow("key nested deeper") << QByteArray(R"({"other":{"new_version":1}})") << UPDATE_AVAILABLE;
        QTest::addRow("key as a value first") << QByteArray(R"({"a":"new_version","new_version":1})") << UPDATE_NONE;
        QTest::addRow("array, not an object") << QByteArray(R"(["new_version",1])") << UPDATE_NONE;
        QTest::addRow("closing past byte 1024") << reply("1,\"p\":\"" + QByteArray(1470, 'x') + '"') << UPDATE_NONE;
        QTest::addRow("too many tokens") << reply("1,\"l\":[" + QByteArray("1,").repeated(130) + "1]") << UPDATE_NONE;
    }

    void reply_decidesTheResult()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, result);
        ReplyServer server(body, "404 Not Found"); // the status is not looked at
        QCOMPARE(checkWith(server, true), result);
        const QByteArray request = server.lastRequest();
        QVERIFY2(request.startsWith("GET /updates/check.php?product=3&version=101000 HTTP/1."), request.constData());
        QVERIFY(request.contains("\r\nUser-Agent: update\r\n"));
        QCOMPARE(lastUpdateCheckDay(), dayOf(QDate::currentDate())); // whatever the reply says
    }

    void onceADay_unlessSwitchedOffOrAskedFor()
    {
        // {update setting, day of the last check from today, asked for, the service is asked}
        const int rows[][4] = {{1, 0, false, false},  {1, -1, false, true}, {1, 1, false, true},  {1, 0, true, true},
                               {0, -1, false, false}, {0, 0, true, true},   {2, -5, false, false}};
        const int today = dayOf(QDate::currentDate());
        for (const auto& [update, offset, force, asks] : rows) {
            // As a user might write it: a switch of 2 is no 1.
            env->writeConfig(QStringLiteral("settings.conf"),
                             QStringLiteral("update=%1\ndate=%2\n").arg(update).arg(today + offset).toLatin1());
            ReplyServer server(R"({"new_version":1})");
            QCOMPARE(checkWith(server, force), asks ? UPDATE_AVAILABLE : UPDATE_NONE);
            QCOMPARE(QList<int>({update, offset, force, server.requests(), lastUpdateCheckDay()}),
                     QList<int>({update, offset, force, asks, asks ? today : today + offset}));
        }
    }
};

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
