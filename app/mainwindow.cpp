#include "mainwindow.h"

#include "formatcount.h"
#include "resources.h"
#include "settings/settings.h"
#include "ui_mainwindow.h"

#include <QMediaPlayer>
#include <QResizeEvent>

std::uint32_t clampTestLength(int stored)
{
    const auto length = static_cast<std::uint32_t>(stored);
    if (length < MIN_TEST_LENGTH)
        return MIN_TEST_LENGTH;
    if (length > MAX_TEST_LENGTH)
        return MAX_TEST_LENGTH;
    return length;
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui(new Ui_MainWindow)
{
    initResources();
    ui->setupUi(this);

    replaying = false;
    correctCount = 0;
    wrongCount = 0;
    currentNumber = 0;
    lastReviewAt = 0;
    testState = Idle;

    testLength = clampTestLength(getSettingInt("test_number", 10, SCOPE_USER));
    ui->lblNumber->setText(QStringLiteral("Test number: 0/") + formatCount(testLength));
    ui->lblHelp->hide();

    player = new QMediaPlayer(this, QMediaPlayer::StreamPlayback);

    readDictionaries(dictionaries);
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    const int w = event->size().width();
    const int h = event->size().height();
    ui->lblResult->setGeometry(10, h - 270, w - 20, 130);
    ui->leInput->setGeometry(10, h - 125, w - 105, 31);
    ui->btnAgain->setGeometry(w - 85, h - 125, 75, 30);
    ui->frmScore->setGeometry(10, 10, 240, 70);
    ui->lblHelp->setGeometry(20, h - 85, 320, 16);
}

void MainWindow::on_DictionaryChanged(std::vector<__dictionary>* lst)
{
    dictionaries.clear();
    for (const __dictionary& entry : *lst) {
        __dictionary copy;
        wcslcpy(copy.path, entry.path, PATH_UNITS);
        copy.selected = entry.selected;
        dictionaries.push_back(copy);
    }
    // The window reports its list once; later reports of the same window are not ours to take.
    if (QObject* window = sender())
        disconnect(window, nullptr, this, SLOT(on_DictionaryChanged(std::vector<__dictionary>*)));
}
