#include "opendialog.h"

#include <QFileDialog>

#include <optional>

namespace {

std::optional<QString> nextAnswer;

} // namespace

namespace OpenDialog {

QString getOpenFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter)
{
    if (nextAnswer) {
        const QString name = *nextAnswer;
        nextAnswer.reset();
        return name;
    }
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

void setNextOpenFileNameForTesting(const QString& name)
{
    nextAnswer = name;
}

} // namespace OpenDialog
