#pragma once
// The program's information message box, with a seam so that tests never wait on a modal window.

#include <QString>
#include <QStringList>

class QWidget;

namespace MessageBox {

// Shows text in a box titled "Quillora" with one OK button, and returns when it is closed.
void information(QWidget* parent, const QString& text);

// From now on boxes are not shown; their texts are collected instead.
void collectForTesting();
// The texts collected since the last call, oldest first.
QStringList takeCollected();

} // namespace MessageBox
