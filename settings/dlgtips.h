#pragma once
// The Tips window of start-up: making your own words, with links to free text-to-speech sites.

#include <QDialog>
#include <QPoint>
#include <QSize>

class Ui_dlgTips;

// Where the Tips window goes: centred on the size of the work area, as if the work area began at 0, 0. The sums
// are split at the main window's size and halved toward zero, so a main window larger than the work area still
// leaves the window within a pixel of the centre.
QPoint tipsPosition(const QSize& workArea, const QSize& mainWindow, const QSize& tips);

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
