#include "dlgupdate.h"

#include "platform/desktop.h"
#include "ui_dlgupdate.h"
#include "updatecheck.h"

#include <QGuiApplication>
#include <QScreen>
#include <QResizeEvent>

dlgUpdate::dlgUpdate(QWidget* parent, unsigned short mode) : QDialog(parent), ui(new Ui_dlgUpdate)
{
    ui->setupUi(this);
    // The question needs the width of the longer answer: at the forms' font it is 329 pixels from x = 15.
    const int width = mode == UPDATE_UNAVAILABLE ? 340 : 350;
    const int height = 79;
    setFixedSize(width, height);

    // Centred over the parent as if the parent were centred in the work area.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize parentSize = parent != nullptr ? parent->size() : QSize(width, height);
    const int left = (area.width() - parentSize.width()) / 2 + (parentSize.width() - width) / 2;
    const int top = (area.height() - parentSize.height()) / 2 + (parentSize.height() - height) / 2;
    setGeometry(left, top, width, height);

    if (mode == UPDATE_AVAILABLE) {
        ui->lblLabel->setText(QStringLiteral("New version available. Would you like to download it."));
        ui->btnYes->show();
        ui->btnNo->setText(QStringLiteral("No"));
    } else {
        ui->lblLabel->setText(mode == UPDATE_NONE
                                  ? QStringLiteral("You are using the latest version of Brindlecot Quillora.")
                                  : QStringLiteral("Service is currently unavailable."));
        ui->btnYes->hide();
        ui->btnNo->setText(QStringLiteral("OK"));
    }
}

dlgUpdate::~dlgUpdate()
{
    delete ui;
}

void dlgUpdate::resizeEvent(QResizeEvent*)
{
    const int w = width();
    const int h = height();
    ui->btnNo->move(w - ui->btnNo->width() - 10, h - ui->btnNo->height() - 6);
    ui->btnYes->move(w - ui->btnYes->width() - ui->btnNo->width() - 15, h - ui->btnYes->height() - 6);
}

void dlgUpdate::on_btnYes_clicked()
{
    const QString page = downloadPage();
    platform::openDocument(reinterpret_cast<const char16_t*>(page.utf16()));
    close();
    emit downloadUpdate();
}

void dlgUpdate::on_btnNo_clicked()
{
    close();
}
