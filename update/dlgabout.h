#pragma once
// The About window: the program's name and version, and how to reach its maker.

#include <QDialog>

class Ui_dlgAbout;

class dlgAbout : public QDialog
{
    Q_OBJECT

public:
    explicit dlgAbout(QWidget* parent);
    ~dlgAbout() override;

private slots:
    void btnClick_OK();

private:
    Ui_dlgAbout* ui;
};
