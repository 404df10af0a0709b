#pragma once
// The Make dictionary window: speaks a word list into a new dictionary folder with espeak-ng, several words at
// once and off the window's thread, showing how far it has got.

#include "builder/build.h"

#include <QDialog>
#include <QTemporaryDir>

#include <atomic>
#include <memory>
#include <thread>

class QMediaPlayer;
class QProgressDialog;
class Ui_dlgMakeDictionary;

class dlgMakeDictionary : public QDialog
{
    Q_OBJECT

public:
    explicit dlgMakeDictionary(QWidget* parent);
    ~dlgMakeDictionary() override;

signals:
    // The folder of a dictionary just made, to be listed and ticked.
    void dictionaryMade(const QString& folder);

public slots:
    void done(int result) override;

private slots:
    void on_tbFolder_clicked();
    void on_btnLoad_clicked();
    void on_btnTry_clicked();
    void on_btnMake_clicked();
    void on_btnCancel_clicked();

private:
    dictionarybuilder::Options options() const;
    QString dictionaryFolder() const;
    void lineDone(int done, int total);
    void finished(const dictionarybuilder::Summary& summary, const QStringList& skipped);
    void stopBuilding();
    static QString progressText(int done, int total);

    Ui_dlgMakeDictionary* ui;
    QMediaPlayer* player;
    QTemporaryDir tryFolder;
    std::vector<dictionarybuilder::ListLine> lines;
    std::thread builder;
    std::atomic<bool> cancel{false};
    QProgressDialog* progress = nullptr;
};
