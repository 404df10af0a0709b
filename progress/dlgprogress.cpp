#include "dlgprogress.h"

#include "dictionaries/newdictionary.h"
#include "platform/files.h"
#include "ui_dlgprogress.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"
#include "widgets/resources.h"
#include "widgets/scorechart.h"
#include "words/history.h"
#include "words/wordpool.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QSet>
#include <QStandardPaths>
#include <QStyledItemDelegate>

#include <algorithm>
#include <map>

namespace {

enum DictionaryColumn
{
    DictionaryNameColumn,
    NewColumn,
    LearningColumn,
    KnownColumn,
    BarColumn,
};

enum WordColumn
{
    WordColumn,
    FromColumn,
    AskedColumn,
    MissedColumn,
    MisspeltColumn,
    LastAskedColumn,
    NextDueColumn,
};

// The colours of new, learning and known words, in the bar and over their columns.
const QColor STANDING_COLOURS[] = {QColor(0x9e, 0x9e, 0x9e), QColor(0xe6, 0x8a, 0x00), QColor(0x2e, 0x9d, 0x4a)};

// Draws a dictionary's new, learning and known words as one bar of three parts.
class StandingBar : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QModelIndex row = index.siblingAtColumn(0);
        const int counts[] = {row.siblingAtColumn(NewColumn).data(Qt::UserRole).toInt(),
                              row.siblingAtColumn(LearningColumn).data(Qt::UserRole).toInt(),
                              row.siblingAtColumn(KnownColumn).data(Qt::UserRole).toInt()};
        const int total = counts[0] + counts[1] + counts[2];
        const QRectF bar = QRectF(option.rect).adjusted(2, option.rect.height() / 4.0, -2, -option.rect.height() / 4.0);
        painter->save();
        painter->setPen(Qt::NoPen);
        double left = bar.left();
        for (int i = 0; i < 3 && total > 0; ++i) {
            const double width = bar.width() * counts[i] / total;
            painter->setBrush(STANDING_COLOURS[i]);
            painter->drawRect(QRectF(left, bar.top(), width, bar.height()));
            left += width;
        }
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(bar);
        painter->restore();
    }
};

QString shownDate(std::int64_t seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("dd/MM/yyyy"));
}

QString misspellingsText(const std::vector<std::pair<QString, int>>& misspellings)
{
    QStringList shown;
    for (const auto& [typed, count] : misspellings) {
        //: Among a word's misspellings: the answer was left empty
        const QString text = typed.isEmpty() ? QCoreApplication::translate("dlgProgress", "(nothing)") : typed;
        shown << (count > 1 ? QStringLiteral("%1 \u00d7%2").arg(text).arg(count) : text);
    }
    return shown.join(QStringLiteral(", "));
}

QTreeWidgetItem* numberItem(QTreeWidgetItem* item, int column, int value)
{
    item->setText(column, QString::number(value));
    item->setData(column, Qt::UserRole, value);
    item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

dlgProgress::dlgProgress(QWidget* parent, const History& history, std::vector<__dictionary> dictionaries)
    : QDialog(parent), ui(new Ui_dlgProgress), history(history), dictionaries(std::move(dictionaries))
{
    initResources();
    ui->setupUi(this);
    setFixedSize(780, 640);

    ui->trwDictionaries->setHeaderLabels({tr("Dictionary"),
                                          //: Column heading: a dictionary's words never asked
                                          tr("New", "words"),
                                          //: Column heading: a dictionary's words under review
                                          tr("Learning", "words"),
                                          //: Column heading: a dictionary's words asked and not under review
                                          tr("Known", "words"), QString()});
    ui->trwDictionaries->setItemDelegateForColumn(BarColumn, new StandingBar(ui->trwDictionaries));
    for (int i = 0; i < 3; ++i)
        ui->trwDictionaries->headerItem()->setForeground(NewColumn + i, STANDING_COLOURS[i]);
    ui->trwDictionaries->headerItem()->setToolTip(NewColumn, tr("Words never asked"));
    ui->trwDictionaries->headerItem()->setToolTip(LearningColumn, tr("Words missed and coming back for review"));
    ui->trwDictionaries->headerItem()->setToolTip(KnownColumn, tr("Words asked and not under review"));
    const int dictionaryWidths[] = {100, 44, 62, 50};
    // Never narrower than a heading: some languages say it at greater length.
    for (int i = 0; i < 4; ++i)
        ui->trwDictionaries->setColumnWidth(
            i, std::max(dictionaryWidths[i], ui->trwDictionaries->header()->sectionSizeHint(i)));
    // The bar takes what is left, so the list never scrolls sideways.
    ui->trwDictionaries->header()->setMinimumSectionSize(20);
    ui->trwDictionaries->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    ui->trwWords->setHeaderLabels({tr("Word"), tr("Dictionary"), tr("Asked", "times"), tr("Missed", "times"),
                                   tr("Misspelt as"), tr("Last asked"), tr("Next due")});
    const int wordWidths[] = {116, 90, 48, 54, 220, 84};
    for (int i = 0; i < 6; ++i)
        ui->trwWords->setColumnWidth(i, std::max(wordWidths[i], ui->trwWords->header()->sectionSizeHint(i)));

    ui->lblSlips->setText(tr("Reading the history..."));
    setActionsEnabled(false);
    // Enter in the name box makes the dictionary, not what the window's default button does.
    ui->leDictionaryName->installEventFilter(this);
    // The keys start where the window's actions are.
    ui->trwWords->setFocus();

    // The reading goes on beside the window; what it finds is shown on the window's own thread.
    reader = std::thread([this, path = history.path(), lists = this->dictionaries] {
        auto report =
            std::make_shared<ProgressReport>(readProgress(path, lists, QDateTime::currentSecsSinceEpoch(), &stop));
        if (!stop)
            QMetaObject::invokeMethod(
                this, [this, report] { showReport(*report); }, Qt::QueuedConnection);
    });
}

dlgProgress::~dlgProgress()
{
    stop = true;
    if (reader.joinable())
        reader.join();
    delete ui;
}

bool dlgProgress::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->leDictionaryName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ui->btnMakeDictionary->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void dlgProgress::setActionsEnabled(bool enabled)
{
    for (QWidget* widget : {static_cast<QWidget*>(ui->btnPractise), static_cast<QWidget*>(ui->btnMakeDictionary),
                            static_cast<QWidget*>(ui->leDictionaryName), static_cast<QWidget*>(ui->btnExportCSV)})
        widget->setEnabled(enabled);
}

void dlgProgress::showReport(const ProgressReport& report)
{
    std::vector<ScorePoint> points;
    points.reserve(report.tests.size());
    for (const StoredTestScore& test : report.tests)
        points.push_back({test.when, test.right, test.asked});
    ui->chart->setTests(std::move(points));
    showStandings(report.dictionaries);
    showWords(report.words, QDateTime::currentSecsSinceEpoch());
    showSlips(report.slips, report.historyRead);
    setActionsEnabled(report.historyRead);
    ui->btnPractise->setEnabled(!report.words.empty());
    ui->btnMakeDictionary->setEnabled(!report.words.empty());
    ui->leDictionaryName->setEnabled(!report.words.empty());
    filled = true;
    emit reportShown();
}

void dlgProgress::showStandings(const std::vector<DictionaryStanding>& standings)
{
    ui->trwDictionaries->clear();
    for (const DictionaryStanding& standing : standings) {
        auto* item = new QTreeWidgetItem(ui->trwDictionaries);
        item->setText(DictionaryNameColumn, standing.name);
        item->setToolTip(DictionaryNameColumn, standing.name);
        numberItem(item, NewColumn, standing.fresh);
        numberItem(item, LearningColumn, standing.learning);
        numberItem(item, KnownColumn, standing.known);
        item->setToolTip(
            BarColumn,
            tr("%1 new, %2 learning, %3 known").arg(standing.fresh).arg(standing.learning).arg(standing.known));
    }
}

void dlgProgress::showWords(const std::vector<WordToPractise>& words, std::int64_t now)
{
    ui->trwWords->clear();
    for (const WordToPractise& word : words) {
        auto* item = new QTreeWidgetItem(ui->trwWords);
        item->setText(WordColumn, word.word);
        item->setCheckState(WordColumn, Qt::Checked);
        item->setData(WordColumn, Qt::UserRole, word.folder);
        char16_t folder[PATH_UNITS];
        wcslcpy(folder, reinterpret_cast<const char16_t*>(word.folder.utf16()), PATH_UNITS);
        item->setText(FromColumn, word.folder.isEmpty() ? QString() : dictionaryName(folder));
        item->setToolTip(FromColumn, QDir::toNativeSeparators(word.folder));
        numberItem(item, AskedColumn, word.asked);
        numberItem(item, MissedColumn, word.missed);
        item->setText(MisspeltColumn, misspellingsText(word.misspellings));
        item->setToolTip(MisspeltColumn, item->text(MisspeltColumn));
        item->setText(LastAskedColumn, shownDate(word.lastAsked));
        //: When a word is next due: it is due already
        const QString dueNow = tr("now", "due");
        item->setText(NextDueColumn, word.nextDue == 0     ? tr("not under review")
                                     : word.nextDue <= now ? dueNow
                                                           : shownDate(word.nextDue));
    }
    if (words.empty()) {
        auto* item = new QTreeWidgetItem(ui->trwWords);
        item->setText(WordColumn, tr("No word of the selected dictionaries has been missed yet."));
        item->setFirstColumnSpanned(true);
        item->setFlags(Qt::ItemIsEnabled);
    }
}

void dlgProgress::showSlips(const std::vector<SlipTally>& slips, bool historyRead)
{
    if (!historyRead) {
        ui->lblSlips->setText(tr("There is no word history to read yet: it begins with your next test."));
        return;
    }
    if (slips.empty()) {
        ui->lblSlips->setText(tr("No slips in the last 30 days."));
        return;
    }
    QString html;
    for (const SlipTally& slip : slips) {
        QStringList examples;
        for (const SlipExample& example : slip.examples)
            examples << example.word.toHtmlEscaped() + QStringLiteral(" \u2192 ") + example.typed.toHtmlEscaped();
        html += QStringLiteral("<p><b>%1</b>: %2<br>%3</p>")
                    .arg(slipKindName(slip.kind).toHtmlEscaped(),
                         //: How often a kind of slip was made
                         slip.count == 1 ? tr("once") : tr("%1 times").arg(slip.count),
                         examples.join(QStringLiteral(", ")));
    }
    ui->lblSlips->setText(html);
}

std::vector<TestRun::ChosenWord> dlgProgress::tickedWords() const
{
    std::vector<TestRun::ChosenWord> words;
    for (int i = 0; i < ui->trwWords->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = ui->trwWords->topLevelItem(i);
        if ((item->flags() & Qt::ItemIsUserCheckable) && item->checkState(WordColumn) == Qt::Checked)
            words.push_back({item->data(WordColumn, Qt::UserRole).toString(), item->text(WordColumn)});
    }
    return words;
}

void dlgProgress::on_btnPractise_clicked()
{
    const std::vector<TestRun::ChosenWord> words = tickedWords();
    if (words.empty()) {
        MessageBox::information(this, tr("Tick at least one word to practise."));
        return;
    }
    // The test is the main window's; this window is out of its way first.
    close();
    emit practiseWords(words);
}

void dlgProgress::on_btnMakeDictionary_clicked()
{
    const std::vector<TestRun::ChosenWord> words = tickedWords();
    if (words.empty()) {
        MessageBox::information(this, tr("Tick at least one word to put in the dictionary."));
        return;
    }
    const QString problem = newdictionary::nameProblem(ui->leDictionaryName->text());
    if (!problem.isEmpty()) {
        MessageBox::information(this, problem);
        return;
    }
    const QString place = newdictionary::choosePlace(this, newdictionary::defaultPlace());
    if (place.isEmpty())
        return;
    const QString folder = newdictionary::folderOf(place, ui->leDictionaryName->text());
    if (QFileInfo::exists(folder) && !QDir(folder).isEmpty()) {
        MessageBox::information(this, tr("There is a folder %1 already. Give the new dictionary another name.")
                                          .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    char16_t target[PATH_UNITS];
    wcslcpy(target, reinterpret_cast<const char16_t*>(folder.utf16()), PATH_UNITS);
    if (!platform::makeFolder(target)) {
        MessageBox::information(
            this, tr("The dictionary was not made: %1 cannot be made.").arg(QDir::toNativeSeparators(folder)));
        return;
    }

    // Each folder's recordings by word, each folder listed once.
    std::map<QString, QHash<QString, QString>> recordings;
    int copied = 0;
    int missing = 0;
    QSet<QString> names;
    for (const TestRun::ChosenWord& word : words) {
        auto found = recordings.find(word.folder);
        if (found == recordings.end()) {
            __dictionary dictionary{};
            wcslcpy(dictionary.path, reinterpret_cast<const char16_t*>(word.folder.utf16()), PATH_UNITS);
            dictionary.selected = 1;
            std::vector<__word> pool;
            const std::vector<__dictionary> one{dictionary};
            collectWords(&pool, &one);
            QHash<QString, QString> byWord;
            for (const __word& recording : pool)
                if (!byWord.contains(wordOfPath(recording.path)))
                    byWord.insert(wordOfPath(recording.path), QString::fromUtf16(recording.path));
            found = recordings.emplace(word.folder, std::move(byWord)).first;
        }
        const QString from = found->second.value(word.word);
        const QString name = QFileInfo(from).fileName();
        // A word of the same name from another dictionary has its recording there already.
        if (from.isEmpty() || names.contains(name.toCaseFolded())) {
            ++missing;
            continue;
        }
        QFile source(from);
        // Copied, not linked: the new dictionary outlives the one it came from.
        const QByteArray bytes = source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
        if (bytes.isEmpty() || !platform::replaceFile(QFile::encodeName(QDir(folder).filePath(name)).constData(),
                                                      bytes.constData(), static_cast<std::size_t>(bytes.size()))) {
            ++missing;
            continue;
        }
        names.insert(name.toCaseFolded());
        ++copied;
    }
    if (copied == 0) {
        QDir().rmdir(folder);
        MessageBox::information(
            this, tr("The dictionary was not made: none of these words has a recording that could be copied."));
        return;
    }

    std::vector<__dictionary> list;
    readDictionaries(list);
    bool added = false;
    addDictionaryFolder(list, folder, &added);
    writeDictionaries(list);
    dictionaries = list;
    emit dictionaryChanged(&list);
    //: %1 is the new dictionary's name, %2 how many recordings ("1 recording", "5 recordings"), %3 a folder
    QString text =
        tr("Made the dictionary %1 with %2 in %3; it is listed and ticked.")
            .arg(ui->leDictionaryName->text().trimmed(),
                 copied == 1 ? tr("1 recording") : tr("%1 recordings").arg(copied), QDir::toNativeSeparators(place));
    if (missing > 0) {
        const QString words = missing == 1 ? tr("1 word") : tr("%1 words").arg(missing);
        //: %1 is how many words ("1 word", "3 words")
        text += QLatin1Char(' ') + tr("%1 had no recording to copy.").arg(words);
    }
    MessageBox::information(this, text);
}

void dlgProgress::on_btnExportCSV_clicked()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString start =
        (QFileInfo(documents).isDir() ? documents : QDir::homePath()) + QStringLiteral("/Quillora answers.csv");
    QString path = FileDialog::saveFile(this, tr("Export to CSV"), start, tr("CSV table (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    const QByteArray csv = answersCsv(history);
    // Replaced whole or not at all: a failed export leaves an earlier file as it was.
    if (!platform::replaceFile(QFile::encodeName(path).constData(), csv.constData(),
                               static_cast<std::size_t>(csv.size())))
        MessageBox::information(
            this, tr("The answers were not saved: %1 cannot be written.").arg(QDir::toNativeSeparators(path)));
}

void dlgProgress::on_btnClose_clicked()
{
    close();
}
