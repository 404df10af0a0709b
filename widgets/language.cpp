#include "language.h"
#include "resources.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QStringList translatedLanguages()
{
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

QString chooseLanguage(const QStringList& uiLanguages)
{
    const QStringList ours = translatedLanguages();
    for (const QString& entry : uiLanguages) {
        // "de-CH", "fr_FR.UTF-8" and "es" all name the language by their first part.
        const QString language = entry.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en"))
            return QString();
        if (ours.contains(language))
            return language;
    }
    return QString();
}

QString installTranslations(QCoreApplication& application)
{
    const QString language = chooseLanguage(QLocale::system().uiLanguages());
    if (language.isEmpty())
        return language;
    initResources();
    auto* own = new QTranslator(&application);
    if (own->load(QStringLiteral(":/translations/quillora_") + language))
        QCoreApplication::installTranslator(own);
    // Qt's own texts come from the system's Qt translations, when they are installed.
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    return language;
}

QString helpPage(const QString& helpFolder, const QString& language)
{
    if (!language.isEmpty()) {
        const QString translated = helpFolder + QStringLiteral("/main.") + language + QStringLiteral(".html");
        if (QFileInfo(translated).isFile())
            return translated;
    }
    return helpFolder + QStringLiteral("/main.html");
}
