#pragma once
// The Progress window: the score of the stored tests over time, where each selected dictionary stands, the words
// most often wrong with how they were misspelt, and the kinds of slip made lately. It reads all of it on a
// thread of its own, so the window is up at once and fills when the reading is done.

#include "dictionaries/dictionaries.h"
#include "progressreport.h"
#include "words/testrun.h"

#include <QDialog>

#include <atomic>
#include <thread>
#include <vector>

class History;
class Ui_dlgProgress;

class dlgProgress : public QDialog
{
    Q_OBJECT

public:
    // The history is the program's own; the window reads it through a connection of its own.
    dlgProgress(QWidget* parent, const History& history, std::vector<__dictionary> dictionaries);
    ~dlgProgress() override;

    // The reading is done and shown.
    bool isFilled() const { return filled; }

signals:
    // Practise these: a test of these words, after the window has closed.
    void practiseWords(const std::vector<TestRun::ChosenWord>& words);
    // A dictionary was made and listed; the list lives only as long as the emission.
    void dictionaryChanged(std::vector<__dictionary>* lst);
    void reportShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void on_btnPractise_clicked();
    void on_btnMakeDictionary_clicked();
    void on_btnExportCSV_clicked();
    void on_btnClose_clicked();

private:
    void showReport(const ProgressReport& report);
    void showStandings(const std::vector<DictionaryStanding>& standings);
    void showWords(const std::vector<WordToPractise>& words, std::int64_t now);
    void showSlips(const std::vector<SlipTally>& slips, bool historyRead);
    std::vector<TestRun::ChosenWord> tickedWords() const;
    void setActionsEnabled(bool enabled);

    Ui_dlgProgress* ui;
    const History& history;
    std::vector<__dictionary> dictionaries;
    std::thread reader;
    std::atomic<bool> stop{false};
    bool filled = false;
};
