#include "dlgupdate.h"

#include "platform/desktop.h"
#include "ui_dlgupdate.h"
#include "updatecheck.h"
#include "widgets/placement.h"

#include <QResizeEvent>

#include <algorithm>

dlgUpdate::dlgUpdate(QWidget* parent, unsigned short mode) : QDialog(parent), ui(new Ui_dlgUpdate)
{
    ui->setupUi(this);
    // No is the default button: an Enter meant for the main window must not close the program for the download.
    if (mode == UPDATE_AVAILABLE) {
        ui->lblLabel->setText(tr("New version available. Would you like to download it."));
        ui->btnYes->show();
        ui->btnNo->setText(tr("&No"));
    } else {
        ui->lblLabel->setText(mode == UPDATE_NONE ? tr("You are using the latest version of Brindlecot Quillora.")
                                                  : tr("Service is currently unavailable."));
        ui->btnYes->hide();
        ui->btnNo->setText(tr("&OK"));
    }
    // The question needs the width of the longer answer: at the forms' font it is 329 pixels from x = 15. A
    // translation too long for that widens the window, keeping as much room on the right as on the left.
    const int x = ui->lblLabel->x();
    const int text = ui->lblLabel->fontMetrics().horizontalAdvance(ui->lblLabel->text());
    int width = mode == UPDATE_UNAVAILABLE ? 340 : 350;
    if (x + text > width)
        width = x + text + x;
    ui->lblLabel->resize(std::max(ui->lblLabel->width(), text), ui->lblLabel->height());
    placeCentred(this, parent, QSize(width, 79));
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
