#include "dlgabout.h"

#include "ui_dlgabout.h"

dlgAbout::dlgAbout(QWidget* parent) : QDialog(parent), ui(new Ui_dlgAbout)
{
    ui->setupUi(this);
    setFixedSize(370, 280);
    // A frameless, read-only line that reads as a label yet lets the address be selected and copied.
    ui->leEmail->setStyleSheet(QStringLiteral("QLineEdit{background: transparent;}"));
    ui->btnOK->setFocus();
}

dlgAbout::~dlgAbout()
{
    delete ui;
}

void dlgAbout::btnClick_OK()
{
    close();
}
