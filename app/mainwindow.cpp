#include "mainwindow.h"

#include "dictionaries/dlgdictionaries.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "settings/dlgsettings.h"
#include "settings/dlgtips.h"
#include "settings/options.h"
#include "statistics/dlgstatistics.h"
#include "text/formatcount.h"
#include "ui_mainwindow.h"
#include "update/dlgabout.h"
#include "update/dlgupdate.h"
#include "update/updatecheck.h"
#include "update/updaterequest.h"
#include "widgets/appearance.h"
#include "widgets/messagebox.h"
#include "widgets/resources.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include <QIcon>
#include <QKeyEvent>
#include <QMediaContent>
#include <QResizeEvent>
#include <QTimer>
#include <QUrl>

namespace {

// The answer line takes at most this many letters, so a longer word is never typed whole.
constexpr int MAX_ALIGNED_LETTERS = 50;

// One letter of a text: one UTF-16 unit, or two for a letter outside the basic plane.
struct Letter
{
    int start;
    int length;
    uint folded; // compared ignoring case
};

std::vector<Letter> lettersOf(const QString& text, int limit)
{
    std::vector<Letter> letters;
    for (int i = 0; i < text.size() && static_cast<int>(letters.size()) < limit;) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const uint code = pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        const int length = pair ? 2 : 1;
        letters.push_back({i, length, QChar::toCaseFolded(code)});
        i += length;
    }
    return letters;
}

} // namespace

QString markAnswer(const QString& expected, const QString& typed)
{
    const std::vector<Letter> word = lettersOf(expected, std::numeric_limits<int>::max());
    const std::vector<Letter> answer = lettersOf(typed, MAX_ALIGNED_LETTERS);
    // Letters past what an answer can hold were never typed; they stay out of the alignment, marked.
    const std::size_t rows = std::min<std::size_t>(word.size(), MAX_ALIGNED_LETTERS);
    const std::size_t columns = answer.size();

    // edits[i][j]: the fewest letters to change, leave out or add to turn the first j typed letters into the
    // first i letters of the word.
    std::uint8_t edits[MAX_ALIGNED_LETTERS + 1][MAX_ALIGNED_LETTERS + 1];
    for (std::size_t i = 0; i <= rows; ++i)
        edits[i][0] = static_cast<std::uint8_t>(i);
    for (std::size_t j = 0; j <= columns; ++j)
        edits[0][j] = static_cast<std::uint8_t>(j);
    const auto same = [&](std::size_t i, std::size_t j) { return word[i].folded == answer[j].folded; };
    for (std::size_t i = 1; i <= rows; ++i) {
        for (std::size_t j = 1; j <= columns; ++j) {
            const int diagonal = edits[i - 1][j - 1] + (same(i - 1, j - 1) ? 0 : 1);
            const int leftOut = edits[i - 1][j] + 1;
            const int added = edits[i][j - 1] + 1;
            edits[i][j] = static_cast<std::uint8_t>(std::min({diagonal, leftOut, added}));
        }
    }

    // Walk back along one cheapest alignment, marking the word's letters that were typed as they stand.
    std::vector<bool> typedRight(word.size(), false);
    for (std::size_t i = rows, j = columns; i > 0;) {
        if (j > 0 && edits[i][j] == edits[i - 1][j - 1] + (same(i - 1, j - 1) ? 0 : 1)) {
            typedRight[i - 1] = same(i - 1, j - 1);
            --i;
            --j;
        } else if (edits[i][j] == edits[i - 1][j] + 1) {
            --i;
        } else {
            --j;
        }
    }

    QString html = QStringLiteral("<p align='center'>");
    for (std::size_t i = 0; i < word.size(); ++i) {
        // Words are file names, which may hold "<" and "&".
        const QString letter = expected.mid(word[i].start, word[i].length).toHtmlEscaped();
        html += typedRight[i] ? letter : QStringLiteral("<font color='red'>") + letter + QStringLiteral("</font>");
    }
    return html + QStringLiteral("</p>");
}

namespace {

// The longest the Tips window waits for the automatic update check at start-up.
constexpr int TIPS_DELAY_MS = 2000;

// A long word in the result line gets a smaller font so that all of it shows, down to this size.
constexpr int MIN_RESULT_POINT_SIZE = 14;

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
    correctCount = 0;
    wrongCount = 0;
    currentNumber = 0;
    lastReviewAt = 0;
    testState = Idle;

    testLength = ::testLength();
    ui->lblNumber->setText(QStringLiteral("Test number: 0/") + formatCount(testLength));
    ui->lblHelp->hide();

    player = new QMediaPlayer(this, QMediaPlayer::StreamPlayback);
    connect(player, &QMediaPlayer::stateChanged, this, &MainWindow::on_stateChanged);
    connect(player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this, &MainWindow::on_playerError);

    readDictionaries(dictionaries);

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
    delete ui;
}

void MainWindow::setOtherActionsEnabled(bool enabled)
{
    otherActionsEnabled = enabled;
    for (QAction* action : {ui->acDictionaries, ui->acStatistics, ui->acSettings, ui->acHelp, ui->acAbout})
        action->setEnabled(enabled);
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
    return testState == Running && currentIndex < wordPool.size();
}

void MainWindow::playCurrentWord()
{
    if (!wordAsked())
        return;
    playFailed = false;
    player->setMedia(QMediaContent(QUrl::fromLocalFile(QString::fromUtf16(wordPool[currentIndex].path))));
    player->play();
}

// A recording that cannot be played still gets its answer phase, with a word on why it was silent.
void MainWindow::on_playerError()
{
    if (!wordAsked() || answerJudged)
        return;
    replaying = false;
    playFailed = true;
    openAnswer();
    ui->btnAgain->setEnabled(true);
    ui->lblHelp->setText(QStringLiteral("This recording could not be played. Type the word, or press enter to go on"));
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
    currentNumber = 0;
    correctCount = 0;
    wrongCount = 0;
    lastReviewAt = 0;
    answers.clear();
    ui->lblNumber->setText(QStringLiteral("Test number: 0/") + formatCount(testLength));
    ui->lblCorrect->setText(QStringLiteral("Correct: 0"));
    ui->lblWrong->setText(QStringLiteral("Wrong: 0"));

    if (testState == Idle) {
        if (dictionaries.empty()) {
            MessageBox::information(this, QStringLiteral("You have to add at least one dictionary."));
            return;
        }
        const bool anySelected = std::any_of(dictionaries.begin(), dictionaries.end(),
                                             [](const __dictionary& d) { return d.selected != 0; });
        collectWords(&wordPool, &dictionaries);
        if (wordPool.empty() || !anySelected) {
            // Whatever came before, a refused start leaves an idle window that nothing can ask a word in.
            endTest();
            MessageBox::information(this, anySelected ? QStringLiteral("The selected dictionaries hold no recordings.")
                                                      : QStringLiteral("You have to select at least one dictionary."));
            return;
        }
        wordIndex.rebuild(wordPool);
        testState = Running;
        ui->acStart->setIcon(QIcon(QStringLiteral(":/new/prefix1/stop.png")));
        ui->acStart->setToolTip(QStringLiteral("Stop the test (F5)"));
        setOtherActionsEnabled(false);
        ui->lblHelp->show();
        nextWord();
    } else {
        endTest();
    }
}

void MainWindow::endTest()
{
    testState = Idle;
    ui->acStart->setIcon(QIcon(QStringLiteral(":/new/prefix1/start.png")));
    ui->acStart->setToolTip(QStringLiteral("Start a test (F5)"));
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
    if (wordPool.empty())
        return;
    answerJudged = false;
    ui->leInput->clear();
    ui->lblResult->clear();
    ++currentNumber;
    ui->lblNumber->setText(QStringLiteral("Test number: ") + formatCount(currentNumber) + QLatin1Char('/') +
                           formatCount(testLength));
    ui->lblHelp->setText(QStringLiteral("Type text and press enter"));
    const WordPick pick = pickWord(&wordPool, testLength, currentNumber, &lastReviewAt, wordIndex);
    currentIndex = pick.index;
    leastAskedPick = pick.leastAskedPick;
    playCurrentWord();
}

void MainWindow::checkAnswer()
{
    if (!wordAsked())
        return;
    answerJudged = true;
    ui->leInput->setEnabled(false);
    ui->btnAgain->setEnabled(false);

    __word& record = wordPool[currentIndex];
    const QString word = wordOfPath(record.path);
    const QString typed = ui->leInput->text();
    const bool correct = QString::compare(typed, word, Qt::CaseInsensitive) == 0;
    markWordAnswered(&record, currentNumber, correct, leastAskedPick);
    if (correct) {
        showResult(QStringLiteral("<p align='center'>OK</p>"));
        correctCount += 1;
    } else {
        showResult(markAnswer(word.toLower(), typed.toLower()));
        wrongCount += 1;
    }
    __answer answer;
    std::memset(&answer, 0, sizeof answer);
    answer.number = currentNumber;
    wcslcpy(answer.word, reinterpret_cast<const char16_t*>(word.utf16()), PATH_UNITS);
    answer.correct = correct ? 1 : 0;
    wordIndex.wordChanged(wordPool, currentIndex);
    answers.push_back(answer);

    ui->lblCorrect->setText(QStringLiteral("Correct: ") + formatCount(correctCount));
    ui->lblWrong->setText(QStringLiteral("Wrong: ") + formatCount(wrongCount));
    ui->lblHelp->setText(QStringLiteral("Press enter to continue"));

    if (currentNumber == testLength) {
        ui->acStart->setIcon(QIcon(QStringLiteral(":/new/prefix1/start.png")));
        ui->acStart->setToolTip(QStringLiteral("Start a test (F5)"));
        testState = Idle;
        writeStatistics(answers, correctCount);
        answers.clear();
    }
}

void MainWindow::keyPressEvent(QKeyEvent* e)
{
    if (player->state() == QMediaPlayer::PlayingState)
        return;
    if (testState == Idle && currentNumber == testLength) {
        showResult(QStringLiteral("<p align='center'>Finish<br /> Score: ") + formatCount(correctCount) +
                   QStringLiteral(" / ") + formatCount(wrongCount) + QStringLiteral("</p>"));
        ui->leInput->clear();
        ui->lblHelp->hide();
        setOtherActionsEnabled(true);
        return;
    }
    if (testState != Running || (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter))
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
    if (testState == Idle || replaying) {
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
            ui->lblHelp->setText(QStringLiteral("Type text and press enter"));
    }
}

void MainWindow::on_btnAgain_clicked()
{
    if (!wordAsked())
        return;
    replaying = true;
    ui->btnAgain->setEnabled(false);
    // Disabling a focused button hands the focus on as a Tab would, which selects the typed text; keep it.
    if (ui->leInput->hasFocus())
        ui->leInput->deselect();
    playCurrentWord();
}

void MainWindow::on_SettingsChanged(int _test_number)
{
    testLength = static_cast<std::uint32_t>(_test_number);
    ui->lblNumber->setText(QStringLiteral("Test number: 0/") + formatCount(testLength));
    ui->lblCorrect->setText(QStringLiteral("Correct: 0"));
    ui->lblWrong->setText(QStringLiteral("Wrong: 0"));
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
    char16_t page[PATH_UNITS] = {};
    platform::programDataFolder(page, PATH_UNITS);
    wcslcat(page, u"/help/main.html", PATH_UNITS);
    platform::openDocument(page);
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
