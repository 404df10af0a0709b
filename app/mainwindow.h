#pragma once
// The main window: toolbar, score frame, result label and input line of a dictation test.

#include "dictionaries/dictionaries.h"
#include "words/history.h"
#include "words/historyimport.h"
#include "words/testrun.h"

#include <QMainWindow>
#include <QMediaPlayer>

#include <cstdint>
#include <vector>

class QKeyEvent;
class QMenu;
class QResizeEvent;
class Ui_MainWindow;
class dlgSettings;
class dlgDictionaries;
class dlgUpdate;
class dlgTips;
class QThread;
class QTimer;
class UpdateRequest;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    QMenu* createPopupMenu() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void on_acStart_triggered();
    void on_acPractise_triggered();
    void on_acDictionaries_triggered();
    void on_acStatistics_triggered();
    void on_acProgress_triggered();
    void on_practiseWords(const std::vector<TestRun::ChosenWord>& words);
    void on_acSettings_triggered();
    void on_acHelp_triggered();
    void on_acUpdate_triggered();
    void on_acAbout_triggered();
    void on_downloadUpdate();
    void on_stateChanged(QMediaPlayer::State state);
    void on_DictionaryChanged(std::vector<__dictionary>* lst);
    void on_SettingsChanged(int _test_number);
    void on_btnAgain_clicked();
    void on_updateChecked(int result);
    void on_playerError();

private:
    void openUpdateDialog(int result);
    void showTips();
    void showPendingUpdate();
    // The whole word stays in view: a phrase wraps at its spaces, a long word gets a smaller font.
    void showResult(const QString& html);
    // Tells a screen reader what was judged: the verdict label takes the focus with the text as its name.
    void announce(const QString& text);
    QString spokenVerdict(bool correct, const QString& word) const;

    Ui_MainWindow* ui;
    int resultPointSize; // the form's size for the result line
    dlgSettings* settingsDialog = nullptr;
    dlgDictionaries* dictionariesDialog = nullptr;
    dlgUpdate* updateDialog = nullptr;
    dlgTips* tipsDialog = nullptr;
    QMediaPlayer* player = nullptr;
    bool replaying = false;
    bool playingSlowly = false;
    std::uint32_t testLength = 10;
    std::vector<__dictionary> dictionaries;
    History history;
    TestRun run{&history};
    // The stored tests from before the history, read into it beside the window; no test starts meanwhile.
    QThread* importThread = nullptr;
    QTimer* importTimer = nullptr;
    ImportProgress importProgress;
    bool otherActionsEnabled = true;
    // The current word's answer has been judged; the next Enter asks the next word.
    bool answerJudged = false;
    // The current word's recording could not be played.
    bool playFailed = false;

    UpdateRequest* updateRequest = nullptr;
    // The user asked with the Update button: the answer is shown whatever it is.
    bool updateRequested = false;
    // An answer to show once nothing else is in the way (the Tips window, a running test); 0 when none.
    int pendingUpdate = 0;
    // Holds the Tips window back while the automatic check may still bring news of a newer version.
    QTimer* tipsDelay = nullptr;

    void openHistory();
    void importHistory();
    void showImportProgress();
    void importFinished();
    void startTest(TestRun::Kind kind);
    void showStartedTest();
    void nextWord();
    void checkAnswer();
    void endTest();
    void openAnswer();
    bool wordAsked() const;
    void setOtherActionsEnabled(bool enabled);
    // Slowly: at SLOW_RATE with the pitch kept.
    void playCurrentWord(bool slowly = false);
    // Ctrl+Space, Ctrl+Shift+Space and Ctrl+H while a word is asked.
    void replayWord(bool slowly);
    void giveHint();
};
