#pragma once
// The Update window: says what the update service answered and can send the user to the download page.

#include <QDialog>

class QResizeEvent;
class Ui_dlgUpdate;

class dlgUpdate : public QDialog
{
    Q_OBJECT

public:
    // mode is what the update service answered: UPDATE_NONE, UPDATE_AVAILABLE or UPDATE_UNAVAILABLE.
    dlgUpdate(QWidget* parent, unsigned short mode);
    ~dlgUpdate() override;

signals:
    void downloadUpdate();

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void on_btnYes_clicked();
    void on_btnNo_clicked();

private:
    Ui_dlgUpdate* ui;
};
