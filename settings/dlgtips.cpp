#include "dlgtips.h"

#include "options.h"
#include "ui_dlgtips.h"
#include "widgets/placement.h"

dlgTips::dlgTips(QWidget* parent) : QDialog(parent), ui(new Ui_dlgTips)
{
    ui->setupUi(this);
    placeCentred(this, parent, QSize(300, 210));
    // Focus starts past the links, so that a key pressed as the window appears opens no site.
    ui->chbDoNotShowAgain->setFocus();
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
