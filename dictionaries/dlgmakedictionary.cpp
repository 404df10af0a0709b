#include "dlgmakedictionary.h"

#include "builder/speechengine.h"
#include "newdictionary.h"
#include "ui_dlgmakedictionary.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"
#include "widgets/resources.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMediaContent>
#include <QMediaPlayer>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <algorithm>

using namespace dictionarybuilder;

namespace {

// A word list longer than this is not a word list.
constexpr qint64 MAX_LIST_BYTES = 4 * 1024 * 1024;
// The skipped lines the summary names one by one.
constexpr int MAX_SKIPPED_SHOWN = 15;

} // namespace

dlgMakeDictionary::dlgMakeDictionary(QWidget* parent)
    : QDialog(parent), ui(new Ui_dlgMakeDictionary), player(new QMediaPlayer(this))
{
    initResources();
    ui->setupUi(this);
    setFixedSize(440, 415);
    ui->leFolder->setText(newdictionary::defaultPlace());
    QString missing;
    const std::vector<Voice> found = voices(&missing);
    for (const Voice& voice : found)
        ui->cbVoice->addItem(QStringLiteral("%1 (%2)").arg(voice.name, voice.code), voice.code);
    ui->cbVoice->setCurrentIndex(preferredVoice(found, QLocale::system().name()));
    ui->cbVoice->setEnabled(!found.empty());
    ui->cbVoice->setToolTip(missing);
}

dlgMakeDictionary::~dlgMakeDictionary()
{
    stopBuilding();
    delete ui;
}

Options dlgMakeDictionary::options() const
{
    Options chosen;
    if (ui->cbVoice->currentIndex() >= 0)
        chosen.voice = ui->cbVoice->currentData().toString();
    chosen.speed = ui->spbSpeed->value();
    chosen.outputFolder = dictionaryFolder();
    chosen.force = ui->chbReplace->isChecked();
    chosen.jobs = QThread::idealThreadCount();
    return chosen;
}

QString dlgMakeDictionary::dictionaryFolder() const
{
    return newdictionary::folderOf(ui->leFolder->text(), ui->leName->text());
}

void dlgMakeDictionary::on_tbFolder_clicked()
{
    const QString folder = newdictionary::choosePlace(this, ui->leFolder->text());
    if (!folder.isEmpty())
        ui->leFolder->setText(folder);
}

void dlgMakeDictionary::on_btnLoad_clicked()
{
    const QString name = FileDialog::openFile(this, tr("Load word list"),
                                              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                              //: The file chooser's filters; the patterns in brackets stay.
                                              tr("Word lists (*.txt);;All files (*)"));
    if (name.isEmpty())
        return;
    QFile list(name);
    if (!list.open(QIODevice::ReadOnly) || list.size() > MAX_LIST_BYTES) {
        MessageBox::information(this, tr("This word list cannot be loaded: %1")
                                          .arg(list.isOpen() ? tr("it is larger than 4 MB") : list.errorString()));
        return;
    }
    QString text;
    for (const ListLine& line : readWordList(list.readAll()))
        text += line.word + QLatin1Char('\n');
    ui->pteWords->setPlainText(text);
}

void dlgMakeDictionary::on_btnTry_clicked()
{
    const std::vector<ListLine> words = readWordList(ui->pteWords->toPlainText().toUtf8());
    const auto first =
        std::find_if(words.begin(), words.end(), [](const ListLine& line) { return line.problem.isEmpty(); });
    if (first == words.end()) {
        MessageBox::information(this, tr("Type a word first: Try speaks the first word of the list."));
        return;
    }
    const QString recording = tryFolder.filePath(QStringLiteral("try.wav"));
    player->setMedia(QMediaContent()); // lets go of the last try, which is replaced
    const QString failure = speak(first->word, options(), recording);
    if (!failure.isEmpty()) {
        MessageBox::information(this, tr("The word cannot be spoken: %1.").arg(failure));
        return;
    }
    player->setMedia(QMediaContent(QUrl::fromLocalFile(recording)));
    player->play();
}

void dlgMakeDictionary::on_btnMake_clicked()
{
    const QString problem = newdictionary::nameProblem(ui->leName->text());
    if (!problem.isEmpty()) {
        MessageBox::information(this, problem);
        return;
    }
    lines = readWordList(ui->pteWords->toPlainText().toUtf8());
    if (std::none_of(lines.begin(), lines.end(), [](const ListLine& line) { return line.problem.isEmpty(); })) {
        MessageBox::information(
            this, tr("The word list is empty. Type or paste the words, one per line, or load a word list."));
        return;
    }

    const int total = static_cast<int>(lines.size());
    cancel = false;
    progress = new QProgressDialog(progressText(0, total), tr("Cancel"), 0, total, this);
    progress->setWindowTitle(tr("Making the recordings"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    connect(progress, &QProgressDialog::canceled, this, [this] {
        cancel = true;
        progress->setLabelText(tr("Stopping..."));
    });
    progress->show();

    // The builder's threads report here one at a time; the window hears of it on its own thread.
    builder = std::thread([this, total, chosen = options()] {
        int count = 0;
        QStringList skipped;
        const Summary summary = build(
            lines, chosen,
            [&](const LineDone& done) {
                ++count;
                if (done.outcome == LineDone::Skipped) {
                    //: A line of the word list that gives no recording, and why.
                    skipped << tr("line %1: %2").arg(done.line->number).arg(done.detail);
                }
                QMetaObject::invokeMethod(
                    this, [this, count, total] { lineDone(count, total); }, Qt::QueuedConnection);
            },
            &cancel);
        QMetaObject::invokeMethod(
            this, [this, summary, skipped] { finished(summary, skipped); }, Qt::QueuedConnection);
    });
}

void dlgMakeDictionary::lineDone(int done, int total)
{
    if (progress == nullptr || cancel)
        return;
    progress->setLabelText(progressText(done, total));
    // Last: a window-modal progress window handles waiting events in setValue, the end of the run included.
    progress->setValue(done);
}

void dlgMakeDictionary::finished(const Summary& summary, const QStringList& skipped)
{
    stopBuilding();
    // This may run inside the progress window's own setValue, so it goes once that has returned.
    progress->hide();
    progress->deleteLater();
    progress = nullptr;
    const QString folder = QDir::toNativeSeparators(dictionaryFolder());
    if (!summary.error.isEmpty()) {
        MessageBox::information(this, tr("The dictionary was not made: %1.").arg(summary.error));
        return;
    }
    if (summary.cancelled) {
        MessageBox::information(
            this, summary.made == 1
                      ? tr("Stopped. The recording made in %1 so far stay there; Make again finishes the list, "
                           "keeping them.")
                            .arg(folder)
                      : tr("Stopped. The %1 recordings made in %2 so far stay there; Make again finishes the list, "
                           "keeping them.")
                            .arg(summary.made)
                            .arg(folder));
        return;
    }
    const auto count = [](int n, const QString& one, const QString& more) { return (n == 1 ? one : more).arg(n); };
    const QString made = count(summary.made, tr("%1 recording"), tr("%1 recordings"));
    const QString kept = count(summary.kept, tr("%1 recording"), tr("%1 recordings"));
    const QString skippedLines = count(summary.skipped, tr("%1 line"), tr("%1 lines"));
    //: Made 2 recordings, kept 1 recording, skipped 0 lines.
    QString text = summary.failed == 0
                       ? tr("Made %1, kept %2, skipped %3.").arg(made, kept, skippedLines)
                       : tr("Made %1, kept %2, skipped %3; %4 could not be spoken.")
                             .arg(made, kept, skippedLines, count(summary.failed, tr("%1 word"), tr("%1 words")));
    if (!skipped.isEmpty()) {
        text += QStringLiteral("\n\n") + tr("Skipped:") + QLatin1Char('\n') +
                skipped.mid(0, MAX_SKIPPED_SHOWN).join(QLatin1Char('\n'));
        if (skipped.size() > MAX_SKIPPED_SHOWN)
            text += QLatin1Char('\n') + tr("and %1 more").arg(skipped.size() - MAX_SKIPPED_SHOWN);
    }
    MessageBox::information(this, text);
    if (summary.made + summary.kept > 0) {
        emit dictionaryMade(dictionaryFolder());
        close();
    }
}

void dlgMakeDictionary::stopBuilding()
{
    if (!builder.joinable())
        return;
    cancel = true;
    builder.join();
}

void dlgMakeDictionary::on_btnCancel_clicked()
{
    close();
}

void dlgMakeDictionary::done(int result)
{
    // Closing while the words are spoken stops them; what is made stays. Escape closes here too.
    stopBuilding();
    QDialog::done(result);
}

QString dlgMakeDictionary::progressText(int done, int total)
{
    //: Progress of the recordings: 3 of 40
    return tr("%1 of %2").arg(done).arg(total);
}
