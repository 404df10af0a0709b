#include "appfolders.h"

#include "files.h"
#include "text/boundedstring.h"

#include <QStandardPaths>
#include <QStringList>

#include <initializer_list>

namespace platform {

namespace {

// The maker's folder, then the program's, inside a data or configuration folder.
const char16_t* const PRODUCT_FOLDERS[] = {u"Brindlecot", u"Quillora"};

bool fail(char16_t* buffer, int capacity)
{
    if (capacity > 0)
        buffer[0] = 0;
    return false;
}

// Appends each part after a separator; false, with the empty text, when the result would not fit.
bool appendParts(char16_t* buffer, int capacity, std::initializer_list<const char16_t*> parts)
{
    const char16_t separator[] = {SEPARATOR, 0};
    const auto size = static_cast<std::size_t>(capacity);
    for (const char16_t* part : parts) {
        if (wcslcat(buffer, separator, size) >= size || wcslcat(buffer, part, size) >= size)
            return fail(buffer, capacity);
    }
    return true;
}

bool copyFolder(const QString& folder, char16_t* buffer, int capacity)
{
    if (capacity <= 0 || folder.isEmpty())
        return fail(buffer, capacity);
    QString clean = folder;
    while (clean.size() > 1 && clean.endsWith(QLatin1Char('/')))
        clean.chop(1);
    if (clean.size() >= capacity)
        return fail(buffer, capacity);
    wcslcpy(buffer, reinterpret_cast<const char16_t*>(clean.utf16()), static_cast<std::size_t>(capacity));
    return true;
}

// The product's folder inside the base folder, made when asked.
bool productFolderIn(const QString& base, char16_t* buffer, int capacity, bool create)
{
    if (!copyFolder(base, buffer, capacity) || !appendParts(buffer, capacity, {PRODUCT_FOLDERS[0], PRODUCT_FOLDERS[1]}))
        return false;
    if (create)
        makeFolder(buffer);
    return true;
}

bool fileIn(const QString& base, const char16_t* name, char16_t* buffer, int capacity, bool create)
{
    return productFolderIn(base, buffer, capacity, create) && appendParts(buffer, capacity, {name});
}

QString dataBase()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString configBase()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

const char16_t SETTINGS_FILE[] = u"settings.conf";

} // namespace

bool appDataFolder(char16_t* buffer, int capacity, bool create)
{
    return productFolderIn(dataBase(), buffer, capacity, create);
}

bool dictionaryListPath(char16_t* buffer, int capacity, bool create)
{
    return fileIn(dataBase(), u"data.dat", buffer, capacity, create);
}

bool historyPath(char16_t* buffer, int capacity, bool create)
{
    return fileIn(dataBase(), u"history.sqlite", buffer, capacity, create);
}

bool storedTestPath(const QString& stamp, char16_t* buffer, int capacity, bool create)
{
    const QString name = QStringLiteral("stat") + stamp + QStringLiteral(".dat");
    return fileIn(dataBase(), reinterpret_cast<const char16_t*>(name.utf16()), buffer, capacity, create);
}

bool userSettingsPath(char16_t* buffer, int capacity, bool create)
{
    return fileIn(dataBase(), SETTINGS_FILE, buffer, capacity, create);
}

bool machineSettingsPath(char16_t* buffer, int capacity, bool create)
{
    return fileIn(configBase(), SETTINGS_FILE, buffer, capacity, create);
}

bool systemSettingsPath(int index, char16_t* buffer, int capacity)
{
    // Relative entries are ignored, as the XDG rules say; with none left the machine's folder is /etc/xdg.
    QStringList folders;
    for (const QString& dir : qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (dir.startsWith(QLatin1Char('/')))
            folders << dir;
    }
    if (folders.isEmpty())
        folders << QStringLiteral("/etc/xdg");
    if (index < 0 || index >= folders.size())
        return fail(buffer, capacity);
    return fileIn(folders.at(index), SETTINGS_FILE, buffer, capacity, false);
}

} // namespace platform
