// The main window for the screen reader test, driven by lines on standard input:
//   test        a test of two words, the first answered right and the second wrong, then the final score
//   open NAME   triggers the toolbar action acNAME and says "opened <window title>"
//   close       Escape to the window on top
//   quit
// Each command is answered by one line on standard output once it has been carried out.
#include "app/mainwindow.h"

#include "testenvironment.h"

#include <QtTest>

#include <QAction>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QPushButton>
#include <QSocketNotifier>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

bool waitUntil(const std::function<bool()>& done, int milliseconds = 15000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds)
        QTest::qWait(20);
    return done();
}

void say(const QString& line)
{
    std::printf("%s\n", qUtf8Printable(line));
    std::fflush(stdout);
}

QString playingWord(const MainWindow& window)
{
    return QFileInfo(window.findChild<QMediaPlayer*>()->media().request().url().toLocalFile()).baseName();
}

QString takeTest(MainWindow& window)
{
    auto* input = child<QLineEdit>(&window, "leInput");
    auto* again = child<QPushButton>(&window, "btnAgain");
    window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window, 2000); // without a window manager it may stay inactive
    child<QAction>(&window, "acStart")->trigger();
    QStringList words;
    for (int i = 0; i < 2; ++i) {
        if (!waitUntil([&] { return again->isEnabled() && input->hasFocus(); }))
            return QStringLiteral("failed: no word asked");
        const QString word = playingWord(window);
        words << word;
        QTest::keyClicks(input, i == 0 ? word : QStringLiteral("zz"));
        QTest::keyClick(input, Qt::Key_Return);
        QTest::qWait(300); // the listener hears each verdict on its own
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    return QStringLiteral("done ") + words.join(QLatin1Char(' '));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillora"));
    TestEnvironment env;
    writeFile(env.systemFolder() + QStringLiteral("/settings.conf"), "update=0\n");
    env.writeData(QStringLiteral("settings.conf"), "tip=0\ntest_number=2\n");
    for (const char* name : {"cat.wav", "dog.ogg"})
        writeFile(env.defaultDictionary() + QLatin1Char('/') + QLatin1String(name),
                  readFile(sound(QLatin1String(name))));

    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    say(QStringLiteral("ready"));

    QSocketNotifier commands(0, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, &application, [&] {
        std::string line;
        if (!std::getline(std::cin, line) || line == "quit") {
            commands.setEnabled(false);
            QTimer::singleShot(0, &application, &QApplication::quit);
            return;
        }
        const QString command = QString::fromStdString(line);
        if (command == QLatin1String("test")) {
            say(takeTest(window));
        } else if (command.startsWith(QLatin1String("open "))) {
            auto* action = window.findChild<QAction*>(QStringLiteral("ac") + command.mid(5));
            if (action == nullptr) {
                say(QStringLiteral("failed: no action"));
                return;
            }
            action->trigger();
            waitUntil([] { return QApplication::activeModalWidget() != nullptr; }, 5000);
            QWidget* top = QApplication::activeModalWidget();
            say(top != nullptr ? QStringLiteral("opened ") + top->windowTitle() : QStringLiteral("failed: no window"));
        } else if (command == QLatin1String("close")) {
            QWidget* top = QApplication::activeModalWidget();
            if (top != nullptr)
                QTest::keyClick(top, Qt::Key_Escape);
            say(waitUntil([] { return QApplication::activeModalWidget() == nullptr; }, 5000) ? "closed"
                                                                                             : "failed: still open");
        } else {
            say(QStringLiteral("failed: unknown command"));
        }
    });
    return application.exec();
}
