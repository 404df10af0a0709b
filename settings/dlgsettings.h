#pragma once
// The Settings window: test length, the daily update check, the tips at start-up and the word history's use.

#include <QDialog>

class Ui_dlgSettings;

class dlgSettings : public QDialog
{
    Q_OBJECT

public:
    explicit dlgSettings(QWidget* parent);
    ~dlgSettings() override;

signals:
    // The test length confirmed by OK, once per OK.
    void valueChanged(int test_number);

private slots:
    void on_btnOK_clicked();

private:
    Ui_dlgSettings* ui;
};
