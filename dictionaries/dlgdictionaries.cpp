#include "dlgdictionaries.h"

#include "dlgmakedictionary.h"
#include "platform/desktop.h"
#include "ui_dlgdictionaries.h"
#include "widgets/filedialog.h"
#include "widgets/messagebox.h"
#include "widgets/resources.h"

#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QStandardPaths>

dlgDictionaries::dlgDictionaries(QWidget* parent) : QDialog(parent), ui(new Ui_dlgDictionaries)
{
    initResources();
    ui->setupUi(this);
    setFixedSize(520, 345);

    readDictionaries(dictionaries);
    ui->lstwDictionary->clear();
    for (const __dictionary& record : dictionaries)
        appendEntry(record, fileExists(record.path));
    ui->tbOpenFolder->setEnabled(false);
    // The Delete key deletes the current entry, as the Delete button does.
    connect(new QShortcut(QKeySequence::Delete, ui->lstwDictionary, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, this, &dlgDictionaries::on_btnDelete_clicked);
}

dlgDictionaries::~dlgDictionaries()
{
    delete ui;
}

void dlgDictionaries::appendEntry(const __dictionary& record, bool exists)
{
    auto* item = new QListWidgetItem(dictionaryName(record.path));
    item->setCheckState(record.selected != 0 ? Qt::Checked : Qt::Unchecked);
    if (exists) {
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    } else {
        // A folder that has gone cannot take part in tests, so it cannot be ticked either.
        item->setFlags(Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
        item->setForeground(Qt::red);
    }
    ui->lstwDictionary->addItem(item);
}

void dlgDictionaries::on_lstwDictionary_currentRowChanged(int currentRow)
{
    if (currentRow < 0 || currentRow >= static_cast<int>(dictionaries.size())) {
        ui->lePath->clear();
        ui->tbOpenFolder->setEnabled(false);
        return;
    }
    const char16_t* path = dictionaries[static_cast<std::size_t>(currentRow)].path;
    ui->lePath->setText(QFileInfo(QString::fromUtf16(path)).absoluteFilePath());
    ui->tbOpenFolder->setEnabled(fileExists(path));
}

void dlgDictionaries::on_tbOpenFolder_clicked()
{
    char16_t folder[PATH_UNITS] = {};
    wcslcpy(folder, reinterpret_cast<const char16_t*>(ui->lePath->text().utf16()), PATH_UNITS);
    platform::openFolder(folder);
}

void dlgDictionaries::on_btnAdd_clicked()
{
    const QString folder =
        FileDialog::folder(this, QString(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (!folder.isEmpty())
        addFolder(folder);
}

void dlgDictionaries::on_btnNew_clicked()
{
    auto* window = new dlgMakeDictionary(this);
    window->setModal(true);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &dlgMakeDictionary::dictionaryMade, this, &dlgDictionaries::addFolder);
    window->show();
}

void dlgDictionaries::addFolder(const QString& folder)
{
    bool added = false;
    const std::size_t row = addDictionaryFolder(dictionaries, folder, &added);
    if (!added) {
        // A folder already listed is shown, not added again.
        ui->lstwDictionary->setCurrentRow(static_cast<int>(row));
        return;
    }
    writeDictionaries(dictionaries);
    appendEntry(dictionaries.back(), true);
}

void dlgDictionaries::on_btnDelete_clicked()
{
    const int row = ui->lstwDictionary->currentRow();
    if (row < 0)
        return;
    char16_t defaultPath[PATH_UNITS] = {};
    defaultDictionaryPath(defaultPath, PATH_UNITS);
    if (wcsequal16(dictionaries[static_cast<std::size_t>(row)].path, defaultPath)) {
        MessageBox::information(this, tr("Default dictionary cannot be deleted."));
        return;
    }
    delete ui->lstwDictionary->takeItem(row);
    dictionaries.erase(dictionaries.begin() + row);
    ui->lstwDictionary->setCurrentRow(-1);
}

void dlgDictionaries::on_btnOK_clicked()
{
    close();
}

// Every way of closing ends here: OK, Escape and the window's close button.
void dlgDictionaries::done(int result)
{
    for (int i = 0; i < ui->lstwDictionary->count(); ++i)
        dictionaries[static_cast<std::size_t>(i)].selected =
            ui->lstwDictionary->item(i)->checkState() == Qt::Checked ? 1 : 0;
    writeDictionaries(dictionaries);
    emit dictionaryChanged(&dictionaries);
    QDialog::done(result);
}
