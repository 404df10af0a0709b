#pragma once
// The directory chooser, with a seam so that tests never wait on a modal window.

#include <QString>

class QWidget;

namespace FolderChooser {

// Asks the user for an existing folder, starting in startFolder; empty when the user cancels.
QString chooseFolder(QWidget* parent, const QString& caption, const QString& startFolder);

// The next chooseFolder returns this folder at once and shows nothing; an empty folder stands for a cancel.
void setNextFolderForTesting(const QString& folder);

} // namespace FolderChooser
