#include "dlgsettings.h"

#include "options.h"
#include "ui_dlgsettings.h"

dlgSettings::dlgSettings(QWidget* parent) : QDialog(parent), ui(new Ui_dlgSettings)
{
    ui->setupUi(this);
    setFixedSize(340, 240);

    // The spin box keeps a stored value outside its range at the nearest end.
    ui->spbTestNumber->setValue(storedTestLength());
    ui->chbUpdates->setChecked(updateSwitch() != 0);
    ui->chbTips->setChecked(tipsSwitch() != 0);
    ui->chbRemember->setChecked(rememberSwitch() != 0);
    ui->chbAccents->setChecked(accentsSwitch() != 0);
    ui->chbCapitals->setChecked(capitalsSwitch() != 0);
    // Left alone, a dialog starts on its default button.
    ui->spbTestNumber->setFocus();
}

dlgSettings::~dlgSettings()
{
    delete ui;
}

void dlgSettings::on_btnOK_clicked()
{
    const int testNumber = ui->spbTestNumber->value();
    setTestLength(testNumber);
    setDailyUpdateCheck(ui->chbUpdates->isChecked());
    setTipsAtStart(ui->chbTips->isChecked());
    setRememberWords(ui->chbRemember->isChecked());
    setAccentsCount(ui->chbAccents->isChecked());
    setCapitalsCount(ui->chbCapitals->isChecked());
    close();
    emit valueChanged(testNumber);
}
