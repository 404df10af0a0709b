#pragma once
// The Dictionaries window: shows, adds, selects and deletes dictionary folders, and stores the list on closing.

#include "dictionaries.h"

#include <QDialog>

#include <vector>

class Ui_dlgDictionaries;

class dlgDictionaries : public QDialog
{
    Q_OBJECT

public:
    explicit dlgDictionaries(QWidget* parent);
    ~dlgDictionaries() override;

signals:
    // Sent once per close, after the list is stored; the list lives only as long as the emission.
    void dictionaryChanged(std::vector<__dictionary>* lst);

public slots:
    void done(int result) override;

private slots:
    void on_lstwDictionary_currentRowChanged(int currentRow);
    void on_tbOpenFolder_clicked();
    void on_btnAdd_clicked();
    void on_btnDelete_clicked();
    void on_btnOK_clicked();
    void on_btnNew_clicked();

private:
    Ui_dlgDictionaries* ui;
    // Entry i of the list widget always shows record i.
    std::vector<__dictionary> dictionaries;

    void appendEntry(const __dictionary& record, bool exists);
    // Lists the folder ticked and stores the list; a folder listed already is only selected.
    void addFolder(const QString& folder);
};
