#pragma once
// The platform's open dialog, with a seam so that tests never wait on a modal window.

#include <QString>

class QWidget;

namespace OpenDialog {

// Asks for an existing file to open; empty when the user cancels.
QString getOpenFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);

// The next ask is not shown: it answers name at once, and an empty name answers as a cancelled dialog does.
void setNextOpenFileNameForTesting(const QString& name);

} // namespace OpenDialog
