#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The languages the windows are translated into, besides English.
QStringList translatedLanguages();

// The first of the desktop's languages that Quillora speaks ("de", "fr", "es"), or an empty string for English:
// English is also the choice when the desktop puts it before any other that Quillora has.
QString chooseLanguage(const QStringList& uiLanguages);

// Quillora's own texts and Qt's (file chooser, message box buttons) in the desktop's language, if there is one.
// Returns the language chosen, empty for English.
QString installTranslations(QCoreApplication& application);

// The help page in the language chosen, or the English page when that language has none.
QString helpPage(const QString& helpFolder, const QString& language);
