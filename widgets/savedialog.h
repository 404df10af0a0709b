#pragma once
// The platform's save dialog, with a seam so that tests never wait on a modal window.

#include <QString>

class QWidget;

namespace SaveDialog {

// Asks for a file to save; empty when the user cancels.
QString getSaveFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);

// The next ask is not shown: it answers name at once, and an empty name answers as a cancelled dialog does.
void setNextSaveFileNameForTesting(const QString& name);

} // namespace SaveDialog
