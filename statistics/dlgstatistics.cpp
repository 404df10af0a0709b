#include "dlgstatistics.h"

#include "platform/appfolders.h"
#include "platform/files.h"
#include "report.h"
#include "reportslices.h"
#include "statisticsfile.h"
#include "statisticslist.h"
#include "threadcore.h"
#include "ui_dlgstatistics.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"
#include "widgets/resources.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QResizeEvent>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>

namespace {

// Rows of a report put on screen at once: more than a window shows, few enough to be there at once.
constexpr int FIRST_ROWS = 50;
// Each later turn of the event loop takes rows for about this long, so the window answers meanwhile.
constexpr qint64 SLICE_BUDGET_US = 40000;
constexpr int MIN_SLICE_ROWS = 20;
constexpr int MAX_SLICE_ROWS = 5000;
// Where a row keeps the stamp of its stored test.
constexpr int STAMP_ROLE = Qt::UserRole;

} // namespace

dlgStatistics::dlgStatistics(QWidget* parent) : QDialog(parent), ui(new Ui_dlgStatistics)
{
    initResources();
    ui->setupUi(this);
    exportToFile = false;
    exportPath.clear();
    ui->stcWidget->setCurrentIndex(0);

    std::vector<std::u16string> stamps;
    listStatistics(stamps);
    // Each row is known by its stamp; what it shows is for the eye only.
    for (const std::u16string& stamp : stamps) {
        const QString text = QString::fromStdU16String(stamp);
        auto* item = new QListWidgetItem(displayFromStamp(text), ui->lstwStatistics);
        item->setData(STAMP_ROLE, text);
    }
    if (ui->lstwStatistics->count() > 0)
        ui->lstwStatistics->setCurrentRow(0);
    // The Delete key in the list does what the Delete button does.
    auto* deleteKey = new QShortcut(QKeySequence::Delete, ui->lstwStatistics, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, ui->btnDeleteStatistics, &QPushButton::click);

    builder = new ThreadCore(this);
    connect(builder, &ThreadCore::threadCoreFinished, this, &dlgStatistics::on_threadCoreFinished);

    feedTimer = new QTimer(this);
    feedTimer->setObjectName(QStringLiteral("feedTimer"));
    feedTimer->setSingleShot(true);
    feedTimer->setInterval(0);
    connect(feedTimer, &QTimer::timeout, this, &dlgStatistics::feedSlice);
}

dlgStatistics::~dlgStatistics()
{
    stopBuilder();
    delete ui;
}

QString dlgStatistics::currentStamp() const
{
    const QListWidgetItem* item = ui->lstwStatistics->currentItem();
    return item != nullptr ? item->data(STAMP_ROLE).toString() : QString();
}

void dlgStatistics::stopBuilder()
{
    // The build looks at the stop between rows, so the wait is short.
    builder->requestStop();
    builder->wait();
    // A build that ended just before the stop may have sent its result already; it is no longer wanted.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
}

void dlgStatistics::showStatistics(const QString& stamp)
{
    const bool correct = ui->chbCorrectFilter->isChecked();
    const bool wrong = ui->chbWrongFilter->isChecked();
    const std::uint16_t filter = correct && wrong ? FILTER_ALL
                                 : correct        ? FILTER_CORRECT
                                 : wrong          ? FILTER_WRONG
                                                  : FILTER_NONE;
    // Only the filter boxes can ask while a build runs: that build no longer matches them.
    stopBuilder();
    if (!exportToFile) {
        stopFeeding();
        ui->tbStatistics->setHtml(
            QStringLiteral("<!DOCTYPE html><html lang=\"%1\"><head><meta charset=\"UTF-8\" />"
                           "</head><body><h1>%2</h1></body></html>")
                .arg(QCoreApplication::translate("Report", "en").toHtmlEscaped(), tr("Processing...").toHtmlEscaped()));
    }
    // Coming from the list, the keys go on to the report.
    if (ui->stcWidget->currentIndex() != 1) {
        ui->stcWidget->setCurrentIndex(1);
        ui->tbStatistics->setFocus();
    }
    ui->btnExportHTML->setEnabled(false);

    builder->setFilter(filter);
    builder->setExportMode(exportToFile);
    builder->setStatName(reinterpret_cast<const char16_t*>(stamp.utf16()));
    builder->start(QThread::InheritPriority);
}

void dlgStatistics::on_lstwStatistics_itemDoubleClicked(QListWidgetItem* item)
{
    ui->chbCorrectFilter->setChecked(true);
    ui->chbWrongFilter->setChecked(true);
    exportToFile = false;
    showStatistics(item->data(STAMP_ROLE).toString());
}

void dlgStatistics::on_btnShowStatistics_clicked()
{
    if (ui->lstwStatistics->count() == 0 || ui->lstwStatistics->currentItem() == nullptr)
        return;
    ui->chbCorrectFilter->setChecked(true);
    ui->chbWrongFilter->setChecked(true);
    exportToFile = false;
    showStatistics(currentStamp());
}

void dlgStatistics::on_chbCorrectFilter_clicked()
{
    exportToFile = false;
    showStatistics(currentStamp());
}

void dlgStatistics::on_chbWrongFilter_clicked()
{
    exportToFile = false;
    showStatistics(currentStamp());
}

QString exportProposal(const QString& stamp, const QString& documents, const QString& home)
{
    // The name of the stored test, in a form every file system takes.
    QString name = stamp;
    name.replace(QLatin1Char('.'), QLatin1Char('-'));
    const QString folder = !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : home;
    return folder + QStringLiteral("/Quillora ") + name + QStringLiteral(".html");
}

QString withHtmlSuffix(const QString& path)
{
    return path.isEmpty() || !QFileInfo(path).suffix().isEmpty() ? path : path + QStringLiteral(".html");
}

void dlgStatistics::on_btnExportHTML_clicked()
{
    const QString proposal =
        exportProposal(currentStamp(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                       QStandardPaths::writableLocation(QStandardPaths::HomeLocation));
    exportPath = withHtmlSuffix(FileDialog::saveFile(this, QString(), proposal, tr("HTML document (*.html)")));
    if (exportPath.isEmpty())
        return;
    exportToFile = true;
    // A filter click now would restart the build without the export; the boxes wait until it is written.
    setFiltersEnabled(false);
    showStatistics(currentStamp());
}

void dlgStatistics::setFiltersEnabled(bool enabled)
{
    ui->chbCorrectFilter->setEnabled(enabled);
    ui->chbWrongFilter->setEnabled(enabled);
}

void dlgStatistics::on_threadCoreFinished(QString html)
{
    if (exportToFile) {
        // A failed export leaves an earlier file as it was.
        if (!writeExport(exportPath, html))
            MessageBox::information(
                this, tr("The report was not saved: %1 cannot be written.").arg(QDir::toNativeSeparators(exportPath)));
        exportToFile = false;
        setFiltersEnabled(true);
    } else {
        showReport(html);
    }
    ui->btnExportHTML->setEnabled(true);
}

void dlgStatistics::on_btnDeleteStatistics_clicked()
{
    QListWidgetItem* item = ui->lstwStatistics->currentItem();
    if (ui->lstwStatistics->count() == 0 || item == nullptr)
        return;
    char16_t path[PATH_UNITS] = {};
    platform::storedTestPath(item->data(STAMP_ROLE).toString(), path, PATH_UNITS, false);
    delete ui->lstwStatistics->takeItem(ui->lstwStatistics->row(item));
    // No entry becomes current, so that a second click deletes nothing.
    ui->lstwStatistics->setCurrentRow(-1);
    platform::deleteFile(path);
}

void dlgStatistics::on_btnBackStatisticsList_clicked()
{
    stopBuilder();
    stopFeeding();
    exportToFile = false;
    setFiltersEnabled(true);
    ui->stcWidget->setCurrentIndex(0);
    ui->lstwStatistics->setFocus();
}

void dlgStatistics::closeEvent(QCloseEvent* event)
{
    stopBuilder();
    stopFeeding();
    event->accept();
}

// Escape hides the window without a close event; a build must not go on behind it.
void dlgStatistics::reject()
{
    stopBuilder();
    stopFeeding();
    QDialog::reject();
}

void dlgStatistics::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const int w = event->size().width();
    const int h = event->size().height();
    ui->stcWidget->setGeometry(0, 0, w, h);
    ui->lstwStatistics->setGeometry(0, 0, w, h - 50);
    // Each button keeps the form's width, or takes what a longer translation of its text needs.
    const auto width = [](const QWidget* button, int least) { return std::max(least, button->sizeHint().width()); };
    const int show = width(ui->btnShowStatistics, 75);
    const int back = width(ui->btnBackStatisticsList, 75);
    const int exportWidth = width(ui->btnExportHTML, 100);
    ui->btnShowStatistics->setGeometry(w - 25 - show, h - 40, show, 23);
    const int remove = width(ui->btnDeleteStatistics, 75);
    ui->btnDeleteStatistics->setGeometry(w - 35 - show - remove, h - 40, remove, 23);
    ui->lblTipStatistics->setGeometry(10, h - 40, 240, 16);
    ui->btnExportHTML->setGeometry(w - 25 - exportWidth, 15, exportWidth, 23);
    ui->tbStatistics->setGeometry(0, 50, w, h - 100);
    ui->btnBackStatisticsList->setGeometry(w - 25 - back, h - 40, back, 23);
}

// A long report laid out in one go freezes the window for seconds; the first rows go on screen at once and the
// rest follow a slice per turn of the event loop.
void dlgStatistics::showReport(const QString& html)
{
    stopFeeding();
    incoming = std::make_unique<ReportSlices>(html);
    ui->tbStatistics->setHtml(incoming->first(FIRST_ROWS));
    if (incoming->atEnd()) {
        incoming.reset();
        return;
    }
    rowsPerSlice = FIRST_ROWS;
    feedTimer->start();
}

void dlgStatistics::feedSlice()
{
    QElapsedTimer clock;
    clock.start();
    QTextCursor cursor(ui->tbStatistics->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    cursor.insertHtml(incoming->next(rowsPerSlice));
    cursor.endEditBlock();
    // The cost of a slice grows with the document; size the next one by what this one took, growing gently.
    const qint64 spent = std::max<qint64>(clock.nsecsElapsed() / 1000, 1);
    const qint64 fitting = rowsPerSlice * SLICE_BUDGET_US / spent;
    rowsPerSlice = static_cast<int>(
        std::clamp<qint64>(std::min<qint64>(fitting, 2 * rowsPerSlice), MIN_SLICE_ROWS, MAX_SLICE_ROWS));
    if (incoming->atEnd())
        incoming.reset();
    else
        feedTimer->start();
}

void dlgStatistics::stopFeeding()
{
    feedTimer->stop();
    incoming.reset();
}
