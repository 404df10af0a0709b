#include "dlgsettings.h"

#include "settings.h"
#include "ui_dlgsettings.h"

dlgSettings::dlgSettings(QWidget* parent) : QDialog(parent), ui(new Ui_dlgSettings)
{
    ui->setupUi(this);
    setFixedSize(340, 160);

    // The spin box keeps a stored value outside its range at the nearest end.
    ui->spbTestNumber->setValue(getSettingInt("test_number", 10, SCOPE_USER));
    ui->chbUpdates->setChecked(getSettingInt("update", 1, SCOPE_MACHINE) != 0);
    ui->chbTips->setChecked(getSettingInt("tip", 1, SCOPE_USER) != 0);
}

dlgSettings::~dlgSettings()
{
    delete ui;
}

void dlgSettings::on_btnOK_clicked()
{
    const int testNumber = ui->spbTestNumber->value();
    setSettingInt("test_number", testNumber, SCOPE_USER);
    setSettingInt("update", ui->chbUpdates->isChecked() ? 1 : 0, SCOPE_MACHINE);
    setSettingInt("tip", ui->chbTips->isChecked() ? 1 : 0, SCOPE_USER);
    close();
    emit valueChanged(testNumber);
}
