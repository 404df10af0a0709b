#include "savedialog.h"

#include <QFileDialog>

namespace {

bool answerReady = false;
QString nextAnswer;

} // namespace

namespace SaveDialog {

QString getSaveFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter)
{
    if (answerReady) {
        answerReady = false;
        return nextAnswer;
    }
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

void setNextSaveFileNameForTesting(const QString& name)
{
    answerReady = true;
    nextAnswer = name;
}

} // namespace SaveDialog
