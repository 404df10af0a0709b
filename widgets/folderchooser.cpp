#include "folderchooser.h"

#include <QFileDialog>

#include <optional>

namespace {

std::optional<QString> nextFolder;

} // namespace

namespace FolderChooser {

QString chooseFolder(QWidget* parent, const QString& caption, const QString& startFolder)
{
    if (nextFolder) {
        const QString folder = *nextFolder;
        nextFolder.reset();
        return folder;
    }
    return QFileDialog::getExistingDirectory(parent, caption, startFolder, QFileDialog::ShowDirsOnly);
}

void setNextFolderForTesting(const QString& folder)
{
    nextFolder = folder;
}

} // namespace FolderChooser
