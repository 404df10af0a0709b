#pragma once
// The platform's file dialogs (a file to open, a file to save, a folder), with one seam so that tests never wait
// on a modal window.

#include <QString>

class QWidget;

namespace FileDialog {

// Each asks the user and gives the path chosen; empty when the user cancels.
QString openFile(QWidget* parent, const QString& caption, const QString& start, const QString& filter);
QString saveFile(QWidget* parent, const QString& caption, const QString& start, const QString& filter);
// An existing folder, starting in start.
QString folder(QWidget* parent, const QString& caption, const QString& start);

// The next ask, of whichever kind, is not shown: it answers this at once, and an empty answer stands for a cancel.
void answerNextForTesting(const QString& answer);

} // namespace FileDialog
