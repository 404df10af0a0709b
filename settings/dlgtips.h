#pragma once
// The Tips window of start-up: making your own words, with links to free text-to-speech sites.

#include <QDialog>

class Ui_dlgTips;

class dlgTips : public QDialog
{
    Q_OBJECT

public:
    explicit dlgTips(QWidget* parent);
    ~dlgTips() override;

    // Stores the "Do not show again" box however the window goes: its close button, Escape or the title bar.
    void done(int result) override;

private:
    Ui_dlgTips* ui;
};
