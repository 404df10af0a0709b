#include "messagebox.h"

#include <QMessageBox>

namespace {

bool collecting = false;
QStringList collected;

} // namespace

namespace MessageBox {

void information(QWidget* parent, const QString& text)
{
    if (collecting) {
        collected << text;
        return;
    }
    QMessageBox::information(parent, QStringLiteral("Quillora"), text, QMessageBox::Ok);
}

void collectForTesting()
{
    collecting = true;
}

QStringList takeCollected()
{
    QStringList texts;
    texts.swap(collected);
    return texts;
}

} // namespace MessageBox
