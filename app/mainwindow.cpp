#include "mainwindow.h"

#include "dictionaries/dlgdictionaries.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/playback.h"
#include "progress/dlgprogress.h"
#include "settings/dlgsettings.h"
#include "settings/dlgtips.h"
#include "settings/options.h"
#include "statistics/dlgstatistics.h"
#include "statistics/statisticslist.h"
#include "text/formatcount.h"
#include "ui_mainwindow.h"
#include "update/dlgabout.h"
#include "update/dlgupdate.h"
#include "update/updatecheck.h"
#include "update/updaterequest.h"
#include "widgets/appearance.h"
#include "widgets/language.h"
#include "widgets/messagebox.h"
#include "widgets/resources.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLocale>
#include <QMediaContent>
#include <QResizeEvent>
#include <QShortcut>
#include <QTextBoundaryFinder>
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace {

// The longest the Tips window waits for the automatic update check at start-up.
constexpr int TIPS_DELAY_MS = 2000;

// A long word in the result line gets a smaller font so that all of it shows, down to this size.
constexpr int MIN_RESULT_POINT_SIZE = 14;

// A slow replay: slow enough to hear every sound apart, quick enough to stay one word.
constexpr qreal SLOW_RATE = 0.7;

// Every window opens the same way: modal to the main window, gone when closed, and without waiting for it.
template <typename Dialog> Dialog* showModal(Dialog* dialog)
{
    dialog->setModal(true);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui(new Ui_MainWindow)
{
    initResources();
    ui->setupUi(this);
    resultPointSize = ui->lblResult->font().pointSize();

    replaying = false;
    testLength = ::testLength();
    ui->lblNumber->setText(tr("Test number: %1/%2").arg(formatCount(0), formatCount(testLength)));
    ui->lblHelp->hide();

    player = new QMediaPlayer(this, QMediaPlayer::StreamPlayback);
    connect(player, &QMediaPlayer::stateChanged, this, &MainWindow::on_stateChanged);
    connect(player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this, &MainWindow::on_playerError);
    connect(player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (playingSlowly && status == QMediaPlayer::BufferedMedia && player->state() == QMediaPlayer::PausedState) {
            player->setPlaybackRate(SLOW_RATE);
            player->play();
        }
    });

    // The keys of a word being asked, which work while typing and never move the cursor.
    ui->btnAgain->setToolTip(tr("Play the word again (Ctrl+Space), or slowly (Ctrl+Shift+Space, or right-click)"));
    ui->leInput->setToolTip(tr("Type the word and press Enter. Ctrl+Space plays it again, Ctrl+Shift+Space slowly; "
                               "Ctrl+H gives the next letter, and the answer then counts as wrong"));
    auto* replayKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space), this);
    connect(replayKey, &QShortcut::activated, this, [this] { replayWord(false); });
    auto* slowKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Space), this);
    connect(slowKey, &QShortcut::activated, this, [this] { replayWord(true); });
    auto* hintKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this);
    connect(hintKey, &QShortcut::activated, this, &MainWindow::giveHint);
    // The menu is for the mouse; the key is the shortcut above, which works while Again is off as well.
    auto* playSlowly = new QAction(tr("Play slowly") + QStringLiteral("\tCtrl+Shift+Space"), ui->btnAgain);
    playSlowly->setObjectName(QStringLiteral("acPlaySlowly"));
    connect(playSlowly, &QAction::triggered, this, [this] { replayWord(true); });
    ui->btnAgain->addAction(playSlowly);
    ui->btnAgain->setContextMenuPolicy(Qt::ActionsContextMenu);

    // The toolbar shows only pictures: a screen reader says what each does, as its tooltip does.
    ui->leInput->setAccessibleName(tr("Answer"));
    for (QAction* action : ui->toolBar->actions()) {
        QWidget* button = ui->toolBar->widgetForAction(action);
        if (button == nullptr)
            continue;
        button->setFocusPolicy(Qt::TabFocus); // reachable with Tab, pressed with Space
        const auto name = [action, button] {
            button->setAccessibleName(QString(action->toolTip()).remove(QLatin1Char('&')));
        };
        name();
        connect(action, &QAction::changed, button, name);
    }

    readDictionaries(dictionaries);
    openHistory();

    // The check runs beside the window, which opens at once. A newer version is news enough for one start, so
    // the tips wait for the answer, but not for long.
    updateRequest = new UpdateRequest(this);
    connect(updateRequest, &UpdateRequest::finished, this, &MainWindow::on_updateChecked);
    tipsDelay = new QTimer(this);
    tipsDelay->setSingleShot(true);
    connect(tipsDelay, &QTimer::timeout, this, &MainWindow::showTips);
    if (updateRequest->start(false))
        tipsDelay->start(TIPS_DELAY_MS);
    else
        showTips();
}

void MainWindow::showTips()
{
    tipsDelay->stop();
    // Exactly 1: a hand-written tip=2, which the Settings window shows as on, still keeps the tips away.
    if (!tipsAtStart())
        return;
    tipsDialog = showModal(new dlgTips(this));
    connect(tipsDialog, &QDialog::finished, this, [this] {
        tipsDialog = nullptr;
        showPendingUpdate();
    });
}

void MainWindow::on_updateChecked(int result)
{
    const bool requested = updateRequested;
    updateRequested = false;
    if (requested || result == UPDATE_AVAILABLE)
        pendingUpdate = result;
    if (tipsDelay->isActive()) {
        if (result == UPDATE_AVAILABLE)
            tipsDelay->stop(); // no tips this start
        else
            showTips();
    }
    if (otherActionsEnabled)
        ui->acUpdate->setEnabled(true);
    showPendingUpdate();
}

// The Update window never shares the screen with the Tips window and never interrupts a test.
void MainWindow::showPendingUpdate()
{
    if (pendingUpdate == 0 || tipsDialog != nullptr || !otherActionsEnabled)
        return;
    openUpdateDialog(pendingUpdate);
    pendingUpdate = 0;
}

MainWindow::~MainWindow()
{
    if (importThread != nullptr) {
        importProgress.cancel = true;
        importThread->wait();
    }
    delete ui;
}

void MainWindow::openHistory()
{
    const History::OpenResult opened = history.open();
    QString notice;
    if (opened == History::SetAside)
        notice = tr("The word history could not be read, so a new one was started. The old file was kept as %1.")
                     .arg(history.setAsideTo());
    else if (opened == History::Unavailable)
        notice = tr("The word history could not be opened: words are not remembered between tests.");
    // Told once, after the window has opened.
    if (!notice.isEmpty())
        QTimer::singleShot(0, this, [this, notice] { MessageBox::information(this, notice); });
    if (!history.isOpen() || history.storedTestsImported())
        return;
    // With no stored tests there is nothing to wait for.
    std::vector<std::u16string> stored;
    listStatistics(stored, 1);
    if (stored.empty())
        history.setStoredTestsImported();
    else
        importHistory();
}

void MainWindow::importHistory()
{
    ui->acStart->setEnabled(false);
    ui->acPractise->setEnabled(false);
    ui->acProgress->setEnabled(false);
    importThread =
        QThread::create([this, lists = dictionaries] { importStoredTests(history, lists, &importProgress); });
    connect(importThread, &QThread::finished, this, &MainWindow::importFinished);
    importTimer = new QTimer(this);
    connect(importTimer, &QTimer::timeout, this, &MainWindow::showImportProgress);
    importTimer->start(100);
    importThread->start();
}

void MainWindow::showImportProgress()
{
    const int total = importProgress.total;
    if (total == 0)
        return;
    ui->lblHelp->setText(tr("Reading stored tests into the word history: %1 of %2")
                             .arg(formatCount(static_cast<std::uint32_t>(importProgress.done)),
                                  formatCount(static_cast<std::uint32_t>(total))));
    ui->lblHelp->show();
}

void MainWindow::importFinished()
{
    importTimer->stop();
    importTimer->deleteLater();
    importTimer = nullptr;
    importThread->deleteLater();
    importThread = nullptr;
    ui->lblHelp->hide();
    ui->acStart->setEnabled(true);
    ui->acPractise->setEnabled(true);
    ui->acProgress->setEnabled(otherActionsEnabled);
}

void MainWindow::setOtherActionsEnabled(bool enabled)
{
    otherActionsEnabled = enabled;
    for (QAction* action : {ui->acDictionaries, ui->acStatistics, ui->acSettings, ui->acHelp, ui->acAbout})
        action->setEnabled(enabled);
    // The progress waits for the stored tests to be in the history.
    ui->acProgress->setEnabled(enabled && importThread == nullptr);
    // A requested check keeps the Update button off until its answer is shown.
    ui->acUpdate->setEnabled(enabled && !updateRequested);
    if (enabled)
        showPendingUpdate();
}

QMenu* MainWindow::createPopupMenu()
{
    // The toolbar holds Start: no menu may hide it.
    return nullptr;
}

bool MainWindow::wordAsked() const
{
    return run.wordAsked();
}

void MainWindow::playCurrentWord(bool slowly)
{
    if (!wordAsked())
        return;
    playFailed = false;
    playingSlowly = slowly;
    const QString path = run.currentPath();
    player->setPlaybackRate(1.0);
    player->setMedia(QMediaContent(slowly ? platform::pitchKeepingMedia(path) : QUrl::fromLocalFile(path)));
    // A rate set before the recording is ready reaches the sound only after its first part has played at full
    // speed; a slow replay waits, paused, to start slowly from the first sound.
    if (slowly)
        player->pause();
    else
        player->play();
}

// A recording that cannot be played still gets its answer phase, with a word on why it was silent.
void MainWindow::on_playerError()
{
    if (!wordAsked() || answerJudged)
        return;
    if (playingSlowly) {
        // Without the means to keep the pitch, a lower voice is still slower. The player takes a new recording
        // only once it is done with the failed one.
        playingSlowly = false;
        QTimer::singleShot(0, this, [this] {
            if (!wordAsked() || answerJudged)
                return;
            ui->btnAgain->setEnabled(false);
            player->setMedia(QMediaContent(QUrl::fromLocalFile(run.currentPath())));
            player->setPlaybackRate(SLOW_RATE);
            player->play();
        });
        return;
    }
    replaying = false;
    playFailed = true;
    openAnswer();
    ui->btnAgain->setEnabled(true);
    ui->lblHelp->setText(tr("This recording could not be played. Type the word, or press enter to go on"));
}

void MainWindow::openAnswer()
{
    if (!ui->leInput->isEnabled()) {
        ui->leInput->setEnabled(true);
        ui->leInput->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::on_acStart_triggered()
{
    if (run.isRunning())
        endTest();
    else
        startTest(TestRun::AllWords);
    showStartedTest();
}

void MainWindow::on_acPractise_triggered()
{
    if (run.isRunning())
        return;
    startTest(TestRun::DueWords);
    showStartedTest();
}

void MainWindow::startTest(TestRun::Kind kind)
{
    run.setJudgingRules({accentsCount(), capitalsCount()});
    const TestRun::StartResult started = run.start(dictionaries, testLength, rememberWords(), kind);
    if (started == TestRun::Started) {
        ui->acStart->setIcon(QIcon(QStringLiteral(":/new/prefix1/stop.png")));
        ui->acStart->setToolTip(tr("Stop the test (F5)"));
        ui->acPractise->setEnabled(false);
        setOtherActionsEnabled(false);
        ui->lblHelp->show();
        return;
    }
    // Whatever came before, a refused start leaves an idle window that nothing can ask a word in.
    endTest();
    switch (started) {
    case TestRun::NoDictionary:
        MessageBox::information(this, tr("You have to add at least one dictionary."));
        break;
    case TestRun::NothingSelected:
        MessageBox::information(this, tr("You have to select at least one dictionary."));
        break;
    case TestRun::NoRecordings:
        MessageBox::information(this, tr("The selected dictionaries hold no recordings."));
        break;
    case TestRun::NothingDue:
        MessageBox::information(this, tr("No word is due for practice: there are no mistakes to practise."));
        break;
    case TestRun::NoneChosen:
        MessageBox::information(this, tr("None of these words has a recording in the selected dictionaries."));
        break;
    case TestRun::Started:
        break;
    }
}

// The counts start again with every Start and Stop, and the first word of a started test is asked.
void MainWindow::showStartedTest()
{
    const std::uint32_t length = run.isRunning() ? run.length() : testLength;
    ui->lblNumber->setText(tr("Test number: %1/%2").arg(formatCount(0), formatCount(length)));
    ui->lblCorrect->setText(tr("Correct: %1").arg(formatCount(0)));
    ui->lblWrong->setText(tr("Wrong: %1").arg(formatCount(0)));
    if (run.isRunning())
        nextWord();
}

void MainWindow::endTest()
{
    run.stop();
    ui->acPractise->setEnabled(importThread == nullptr);
    ui->acStart->setIcon(QIcon(QStringLiteral(":/new/prefix1/start.png")));
    ui->acStart->setToolTip(tr("Start a test (F5)"));
    player->stop();
    setOtherActionsEnabled(true);
    ui->leInput->clear();
    ui->leInput->setEnabled(false);
    // Again plays the word being asked; with none asked there is nothing to play.
    ui->btnAgain->setEnabled(false);
    ui->lblResult->clear();
    ui->lblHelp->hide();
}

void MainWindow::on_acDictionaries_triggered()
{
    dictionariesDialog = showModal(new dlgDictionaries(this));
    connect(dictionariesDialog, &dlgDictionaries::dictionaryChanged, this, &MainWindow::on_DictionaryChanged);
}

void MainWindow::nextWord()
{
    if (!run.next())
        return;
    answerJudged = false;
    ui->leInput->clear();
    ui->lblResult->clear();
    ui->lblNumber->setText(tr("Test number: %1/%2").arg(formatCount(run.number()), formatCount(run.length())));
    ui->lblHelp->setText(tr("Type text and press enter"));
    playCurrentWord();
}

void MainWindow::checkAnswer()
{
    if (!wordAsked())
        return;
    answerJudged = true;
    ui->leInput->setEnabled(false);
    ui->btnAgain->setEnabled(false);

    const QString word = run.currentWord();
    const TestRun::Judgement judgement = run.judge(ui->leInput->text());
    showResult(judgement.html);
    ui->lblCorrect->setText(tr("Correct: %1").arg(formatCount(run.correctCount())));
    ui->lblWrong->setText(tr("Wrong: %1").arg(formatCount(run.wrongCount())));
    ui->lblHelp->setText(tr("Press enter to continue"));
    announce(spokenVerdict(judgement.correct, word));

    if (run.hasEnded()) {
        ui->acStart->setIcon(QIcon(QStringLiteral(":/new/prefix1/start.png")));
        ui->acStart->setToolTip(tr("Start a test (F5)"));
        ui->acPractise->setEnabled(true);
    }
}

void MainWindow::keyPressEvent(QKeyEvent* e)
{
    if (player->state() == QMediaPlayer::PlayingState)
        return;
    if (run.hasEnded()) {
        const QString correct = formatCount(run.correctCount()), wrong = formatCount(run.wrongCount());
        //: The last line of a test: the counts of right and wrong answers.
        showResult(QStringLiteral("<p align='center'>") + tr("Finish<br /> Score: %1 / %2").arg(correct, wrong) +
                   QStringLiteral("</p>"));
        announce(tr("Finish. Score: %1 right, %2 wrong.").arg(correct, wrong));
        ui->leInput->clear();
        ui->lblHelp->hide();
        setOtherActionsEnabled(true);
        return;
    }
    if (!run.isRunning() || (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter))
        return;
    if (!answerJudged) {
        // A recording that could not be played may be passed over with nothing typed.
        if (ui->leInput->isEnabled() && (!ui->leInput->text().isEmpty() || playFailed))
            checkAnswer();
    } else {
        nextWord();
    }
}

void MainWindow::on_stateChanged(QMediaPlayer::State state)
{
    if (!run.isRunning() || replaying) {
        replaying = false;
        return;
    }
    if (answerJudged)
        return;
    // The answer may be typed while the word plays; it is judged once the word has been heard.
    if (state == QMediaPlayer::PlayingState) {
        openAnswer();
    } else if (state == QMediaPlayer::StoppedState) {
        openAnswer();
        ui->btnAgain->setEnabled(true);
        if (!playFailed)
            ui->lblHelp->setText(tr("Type text and press enter"));
    }
}

void MainWindow::replayWord(bool slowly)
{
    if (!wordAsked() || answerJudged || !ui->leInput->isEnabled())
        return;
    replaying = player->state() != QMediaPlayer::StoppedState;
    run.playedAgain();
    ui->btnAgain->setEnabled(false);
    playCurrentWord(slowly);
}

void MainWindow::giveHint()
{
    if (!wordAsked() || answerJudged || !ui->leInput->isEnabled())
        return;
    ui->leInput->setText(run.hint(ui->leInput->text()));
    ui->leInput->setFocus(Qt::OtherFocusReason);
    ui->lblHelp->setText(tr("With a hint the answer counts as wrong. Type the rest and press enter"));
}

void MainWindow::on_btnAgain_clicked()
{
    if (!wordAsked())
        return;
    replaying = true;
    run.playedAgain();
    ui->btnAgain->setEnabled(false);
    // Disabling a focused button hands the focus on as a Tab would, which selects the typed text; keep it.
    if (ui->leInput->hasFocus())
        ui->leInput->deselect();
    playCurrentWord();
}

void MainWindow::on_SettingsChanged(int _test_number)
{
    testLength = static_cast<std::uint32_t>(_test_number);
    run.stop(); // the finished test's score is not shown any longer
    ui->lblNumber->setText(tr("Test number: %1/%2").arg(formatCount(0), formatCount(testLength)));
    ui->lblCorrect->setText(tr("Correct: %1").arg(formatCount(0)));
    ui->lblWrong->setText(tr("Wrong: %1").arg(formatCount(0)));
    ui->lblResult->clear();
    ui->leInput->clear();
    ui->lblHelp->hide();
    // The window reports its length once; it is being closed and is not listened to any longer.
    if (settingsDialog != nullptr)
        disconnect(settingsDialog, &dlgSettings::valueChanged, this, &MainWindow::on_SettingsChanged);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    const int w = event->size().width();
    const int h = event->size().height();
    ui->lblResult->setGeometry(10, h - 270, w - 20, 130);
    ui->leInput->setGeometry(10, h - 125, w - 105, 31);
    ui->btnAgain->setGeometry(w - 85, h - 125, 75, 30);
    ui->frmScore->setGeometry(10, 10, 240, 70);
    // As wide as the window: the line also says when a recording could not be played.
    ui->lblHelp->setGeometry(20, h - 85, w - 40, 16);
    fitLabelText(ui->lblResult, resultPointSize, MIN_RESULT_POINT_SIZE);
}

void MainWindow::showResult(const QString& html)
{
    ui->lblResult->setText(html);
    fitLabelText(ui->lblResult, resultPointSize, MIN_RESULT_POINT_SIZE);
}

void MainWindow::announce(const QString& text)
{
    ui->lblResult->setAccessibleName(text);
    ui->lblResult->setFocus(Qt::OtherFocusReason);
}

QString MainWindow::spokenVerdict(bool correct, const QString& word) const
{
    // Letter by letter, so that a listener hears the spelling and not only the word.
    QStringList letters;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, word);
    for (int start = 0, end = graphemes.toNextBoundary(); end > start; start = end, end = graphemes.toNextBoundary())
        letters << word.mid(start, end - start);
    const QString verdict = correct ? tr("OK") : tr("Wrong: %1", "the verdict, with the word").arg(word);
    //: Read out to a screen reader after each answer: the verdict, the word spelt out, then the counts.
    return tr("%1. %2. Correct: %3, wrong: %4.")
        .arg(verdict, letters.join(QLatin1Char(' ')), formatCount(run.correctCount()), formatCount(run.wrongCount()));
}

void MainWindow::on_DictionaryChanged(std::vector<__dictionary>* lst)
{
    dictionaries.clear();
    for (const __dictionary& entry : *lst) {
        __dictionary copy;
        wcslcpy(copy.path, entry.path, PATH_UNITS);
        copy.selected = entry.selected;
        dictionaries.push_back(copy);
    }
    // The window reports its list once; later reports of the same window are not ours to take.
    if (dictionariesDialog != nullptr)
        disconnect(dictionariesDialog, &dlgDictionaries::dictionaryChanged, this, &MainWindow::on_DictionaryChanged);
}

void MainWindow::on_acSettings_triggered()
{
    settingsDialog = showModal(new dlgSettings(this));
    connect(settingsDialog, &dlgSettings::valueChanged, this, &MainWindow::on_SettingsChanged);
}

void MainWindow::on_acHelp_triggered()
{
    // Beside the Default dictionary: in the source tree, or in the data folder installed with the program.
    char16_t folder[PATH_UNITS] = {};
    platform::programDataFolder(folder, PATH_UNITS);
    const QString page =
        helpPage(QString::fromUtf16(folder) + QStringLiteral("/help"), chooseLanguage(QLocale::system().uiLanguages()));
    platform::openDocument(reinterpret_cast<const char16_t*>(page.utf16()));
}

void MainWindow::openUpdateDialog(int result)
{
    updateDialog = showModal(new dlgUpdate(this, static_cast<unsigned short>(result)));
    connect(updateDialog, &dlgUpdate::downloadUpdate, this, &MainWindow::on_downloadUpdate);
}

void MainWindow::on_acUpdate_triggered()
{
    // A check already running, the automatic one, is taken over: its answer is shown.
    updateRequested = true;
    ui->acUpdate->setEnabled(false);
    updateRequest->start(true);
}

void MainWindow::on_downloadUpdate()
{
    disconnect(updateDialog, &dlgUpdate::downloadUpdate, this, &MainWindow::on_downloadUpdate);
    close();
}

void MainWindow::on_acAbout_triggered()
{
    showModal(new dlgAbout(this));
}

void MainWindow::on_acStatistics_triggered()
{
    showModal(new dlgStatistics(this));
}

void MainWindow::on_acProgress_triggered()
{
    auto* window = showModal(new dlgProgress(this, history, dictionaries));
    connect(window, &dlgProgress::practiseWords, this, &MainWindow::on_practiseWords);
    // Each dictionary it makes is taken in; the window reports only those.
    connect(window, &dlgProgress::dictionaryChanged, this,
            [this](std::vector<__dictionary>* lst) { dictionaries = *lst; });
}

void MainWindow::on_practiseWords(const std::vector<TestRun::ChosenWord>& words)
{
    if (run.isRunning())
        return;
    run.choose(words);
    startTest(TestRun::ChosenWords);
    showStartedTest();
}
