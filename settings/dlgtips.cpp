#include "dlgtips.h"

#include "options.h"
#include "ui_dlgtips.h"

#include <QGuiApplication>
#include <QScreen>

QPoint tipsPosition(const QSize& workArea, const QSize& mainWindow, const QSize& tips)
{
    return QPoint((workArea.width() - mainWindow.width()) / 2 + (mainWindow.width() - tips.width()) / 2,
                  (workArea.height() - mainWindow.height()) / 2 + (mainWindow.height() - tips.height()) / 2);
}

dlgTips::dlgTips(QWidget* parent) : QDialog(parent), ui(new Ui_dlgTips)
{
    ui->setupUi(this);
    const QSize size(300, 210);
    setFixedSize(size);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize workArea = screen != nullptr ? screen->availableGeometry().size() : QSize();
    const QSize mainWindow = parent != nullptr ? parent->geometry().size() : QSize(0, 0);
    setGeometry(QRect(tipsPosition(workArea, mainWindow, size), size));
}

dlgTips::~dlgTips()
{
    delete ui;
}

void dlgTips::done(int result)
{
    setTipsAtStart(!ui->chbDoNotShowAgain->isChecked());
    QDialog::done(result);
}
