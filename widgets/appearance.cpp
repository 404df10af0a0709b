#include "appearance.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QTextDocument>
#include <QTextOption>

void prepareScreenScaling()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
}

void useLayoutFonts()
{
    // The forms name the fonts of the desktop they were drawn on. These stand in with the same letter widths
    // (Liberation, or its other name Arimo/Tinos/Cousine), so every text keeps the room it was given.
    const QString sans = QStringLiteral("Liberation Sans");
    const struct {
        const char* name;
        QStringList substitutes;
    } families[] = {
        {"MS Shell Dlg 2", {sans, QStringLiteral("Arimo")}},
        {"MS Sans Serif", {sans, QStringLiteral("Arimo")}},
        {"Arial", {sans, QStringLiteral("Arimo")}},
        {"Times New Roman", {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")}},
        {"Courier New", {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")}},
    };
    for (const auto& family : families)
        QFont::insertSubstitutions(QString::fromLatin1(family.name), family.substitutes);
    // Points as the forms were drawn: 96 to the inch, whatever the screen reports. A high-density screen
    // scales whole windows instead, text and layout together.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication::setFont(QFont(QStringLiteral("MS Shell Dlg 2"), 8));
}

int fitLabelText(QLabel* label, int pointSize, int minimumPointSize)
{
    const QRect room = label->contentsRect();
    QTextDocument document;
    document.setDocumentMargin(0);
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    document.setDefaultTextOption(option);
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (rich)
        document.setHtml(label->text());
    else
        document.setPlainText(label->text());
    document.setTextWidth(room.width());

    QFont font = label->font();
    int size = pointSize;
    for (; size > minimumPointSize; --size) {
        font.setPointSize(size);
        document.setDefaultFont(font);
        if (document.idealWidth() <= room.width() && document.size().height() <= room.height())
            break;
    }
    font.setPointSize(size);
    label->setFont(font);
    return size;
}
