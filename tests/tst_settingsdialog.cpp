#include "app/mainwindow.h"
#include "settings/dlgsettings.h"

#include "testenvironment.h"

#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadAndStore_data();
    void loadAndStore();
    void newTestLength_reachesTheMainWindowOnce();

private:
    std::unique_ptr<TestEnvironment> env;
};

void TestSettingsDialog::init()
{
    env = std::make_unique<TestEnvironment>();
}

void TestSettingsDialog::cleanup()
{
    env.reset();
}

void TestSettingsDialog::loadAndStore_data()
{
    QTest::addColumn<QByteArray>("user"); // null: no file, before and after
    QTest::addColumn<QByteArray>("machine");
    QTest::addColumn<int>("typed");     // 0: the length is left as loaded
    QTest::addColumn<QString>("leave"); // "ok", "close" or "escape"
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("updates");
    QTest::addColumn<bool>("tips");
    QTest::addColumn<QByteArray>("userAfter");
    QTest::addColumn<QByteArray>("machineAfter");
    QTest::addColumn<int>("emitted"); // 0: nothing

    const QByteArray none;
    QTest::addRow("no files: OK writes all three keys")
        << none << none << 0 << "ok"
        << "10" << true << true << QByteArray("test_number=10\ntip=1\n") << QByteArray("update=1\n") << 10;
    QTest::addRow("stored 0 shows 1 and OK stores 1")
        << QByteArray("test_number=0\n") << none << 0 << "ok"
        << "1" << true << true << QByteArray("test_number=1\ntip=1\n") << QByteArray("update=1\n") << 1;
    QTest::addRow("stored 20000 shows 10,000")
        << QByteArray("test_number=20000\n") << none << 0 << "ok"
        << "10,000" << true << true << QByteArray("test_number=10000\ntip=1\n") << QByteArray("update=1\n") << 10000;
    QTest::addRow("tip 2 shows checked and OK stores 1")
        << QByteArray("tip=2\n") << none << 0 << "ok"
        << "10" << true << true << QByteArray("tip=1\ntest_number=10\n") << QByteArray("update=1\n") << 10;
    QTest::addRow("switched off stays off")
        << QByteArray("test_number=25\ntip=0\n") << QByteArray("update=0\n") << 0 << "ok"
        << "25" << false << false << QByteArray("test_number=25\ntip=0\n") << QByteArray("update=0\n") << 25;
    QTest::addRow("typed length stored and emitted")
        << none << none << 2500 << "ok"
        << "10" << true << true << QByteArray("test_number=2500\ntip=1\n") << QByteArray("update=1\n") << 2500;
    QTest::addRow("closed without OK") << none << none << 2500 << "close"
                                       << "10" << true << true << none << none << 0;
    QTest::addRow("Escape keeps the files") << QByteArray("test_number=25\n") << none << 2500 << "escape"
                                            << "25" << true << true << QByteArray("test_number=25\n") << none << 0;
}

void TestSettingsDialog::loadAndStore()
{
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, machine);
    QFETCH(int, typed);
    QFETCH(QString, leave);
    QFETCH(QString, shown);
    QFETCH(bool, updates);
    QFETCH(bool, tips);
    QFETCH(QByteArray, userAfter);
    QFETCH(QByteArray, machineAfter);
    QFETCH(int, emitted);

    if (!user.isNull())
        env->writeData(QStringLiteral("settings.conf"), user);
    const QString machinePath = env->machineFolder() + QStringLiteral("/settings.conf");
    if (!machine.isNull()) {
        QDir().mkpath(env->machineFolder());
        QFile file(machinePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(machine);
    }

    dlgSettings dialog(nullptr);
    QSignalSpy spy(&dialog, &dlgSettings::valueChanged);
    dialog.show();
    auto* spin = dialog.findChild<QSpinBox*>(QStringLiteral("spbTestNumber"));
    QCOMPARE(spin->text(), shown);
    QCOMPARE(dialog.findChild<QCheckBox*>(QStringLiteral("chbUpdates"))->isChecked(), updates);
    QCOMPARE(dialog.findChild<QCheckBox*>(QStringLiteral("chbTips"))->isChecked(), tips);

    if (typed != 0)
        spin->setValue(typed);
    if (leave == QLatin1String("ok"))
        dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    else if (leave == QLatin1String("close"))
        dialog.close();
    else
        QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());

    QCOMPARE(env->readData(QStringLiteral("settings.conf")), userAfter);
    QFile machineFile(machinePath);
    QCOMPARE(machineFile.open(QIODevice::ReadOnly) ? machineFile.readAll() : QByteArray(), machineAfter);
    QCOMPARE(spy.count(), emitted != 0 ? 1 : 0);
    if (emitted != 0)
        QCOMPARE(spy.at(0).at(0).toInt(), emitted);
}

void TestSettingsDialog::newTestLength_reachesTheMainWindowOnce()
{
    env->writeData(QStringLiteral("settings.conf"), "tip=0\n");
    MainWindow window;
    auto* number = window.findChild<QLabel*>(QStringLiteral("lblNumber"));
    auto* correct = window.findChild<QLabel*>(QStringLiteral("lblCorrect"));
    auto* wrong = window.findChild<QLabel*>(QStringLiteral("lblWrong"));
    auto* result = window.findChild<QLabel*>(QStringLiteral("lblResult"));
    auto* help = window.findChild<QLabel*>(QStringLiteral("lblHelp"));
    auto* input = window.findChild<QLineEdit*>(QStringLiteral("leInput"));
    window.show();

    // A second window must still be heard after the first one has been let go.
    for (const auto& [length, label] : {std::pair(2500, "Test number: 0/2 500"), std::pair(3, "Test number: 0/3")}) {
        correct->setText(QStringLiteral("Correct: 4"));
        wrong->setText(QStringLiteral("Wrong: 5"));
        result->setText(QStringLiteral("<p align='center'>OK</p>"));
        input->setText(QStringLiteral("cat"));
        help->show();

        window.findChild<QAction*>(QStringLiteral("acSettings"))->trigger();
        QPointer<dlgSettings> dialog = window.findChild<dlgSettings*>();
        QVERIFY(dialog);
        QVERIFY(dialog->isModal());
        dialog->findChild<QSpinBox*>(QStringLiteral("spbTestNumber"))->setValue(length);
        dialog->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();

        QCOMPARE(number->text(), QLatin1String(label));
        QCOMPARE(correct->text(), QStringLiteral("Correct: 0"));
        QCOMPARE(wrong->text(), QStringLiteral("Wrong: 0"));
        QVERIFY(result->text().isEmpty());
        QVERIFY(input->text().isEmpty());
        QVERIFY(help->isHidden());

        // The window reports once; anything it sends while it goes away is not taken.
        QVERIFY(dialog);
        emit dialog->valueChanged(7);
        QCOMPARE(number->text(), QLatin1String(label));
        QTRY_VERIFY(dialog.isNull());
    }
}

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
