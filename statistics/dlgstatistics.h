#pragma once
// The Statistics window: the stored tests newest first, and one of them as a report that can be filtered,
// exported or deleted.

#include <QDialog>
#include <QString>

#include <memory>

class QCloseEvent;
class QListWidgetItem;
class QResizeEvent;
class QTimer;
class ReportSlices;
class ThreadCore;
class Ui_dlgStatistics;

// Where an export is offered: "Quillora" and the test's date and time as a file name, in the Documents folder,
// or in the home folder where there is no Documents folder.
QString exportProposal(const QString& stamp, const QString& documents, const QString& home);
// The path with ".html" added when it has no suffix; empty stays empty.
QString withHtmlSuffix(const QString& path);

class dlgStatistics : public QDialog
{
    Q_OBJECT

public:
    explicit dlgStatistics(QWidget* parent = nullptr);
    ~dlgStatistics() override;

    // Starts a build of the report of the stored test with this stamp, with the boxes' filter and exportToFile.
    void showStatistics(const QString& stamp);

    void reject() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void on_lstwStatistics_itemDoubleClicked(QListWidgetItem* item);
    void on_btnBackStatisticsList_clicked();
    void on_btnExportHTML_clicked();
    void on_btnDeleteStatistics_clicked();
    void on_btnShowStatistics_clicked();
    void on_chbCorrectFilter_clicked();
    void on_chbWrongFilter_clicked();
    void on_threadCoreFinished(QString html);

private:
    Ui_dlgStatistics* ui;
    ThreadCore* builder;
    bool exportToFile = false;
    QString exportPath;
    // The report on its way to the screen, a slice per turn of the event loop.
    std::unique_ptr<ReportSlices> incoming;
    QTimer* feedTimer;
    int rowsPerSlice = 0;

    QString currentStamp() const;
    // Stops a running build and waits for its end; a result it may have sent already is dropped.
    void stopBuilder();
    void showReport(const QString& html);
    void feedSlice();
    void stopFeeding();
    void setFiltersEnabled(bool enabled);
};
