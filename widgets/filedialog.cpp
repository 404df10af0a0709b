#include "filedialog.h"

#include <QFileDialog>

#include <optional>

namespace {

std::optional<QString> nextAnswer;

template <typename Show> QString ask(Show show)
{
    if (!nextAnswer)
        return show();
    const QString answer = *nextAnswer;
    nextAnswer.reset();
    return answer;
}

} // namespace

namespace FileDialog {

QString openFile(QWidget* parent, const QString& caption, const QString& start, const QString& filter)
{
    return ask([&] { return QFileDialog::getOpenFileName(parent, caption, start, filter); });
}

QString saveFile(QWidget* parent, const QString& caption, const QString& start, const QString& filter)
{
    return ask([&] { return QFileDialog::getSaveFileName(parent, caption, start, filter); });
}

QString folder(QWidget* parent, const QString& caption, const QString& start)
{
    return ask([&] { return QFileDialog::getExistingDirectory(parent, caption, start, QFileDialog::ShowDirsOnly); });
}

void answerNextForTesting(const QString& answer)
{
    nextAnswer = answer;
}

} // namespace FileDialog
