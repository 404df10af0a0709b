#include "newdictionary.h"

#include "builder/wordlist.h"
#include "widgets/filedialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace newdictionary {

QString defaultPlace()
{
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                                    QStringLiteral("/Quillora"));
}

QString choosePlace(QWidget* parent, const QString& start)
{
    const QString folder =
        FileDialog::folder(parent, QCoreApplication::translate("newdictionary", "Put the dictionary in"), start);
    return folder.isEmpty() ? folder : QDir::toNativeSeparators(folder);
}

QString nameProblem(const QString& name)
{
    if (dictionarybuilder::fileNameProblem(name.trimmed(), 0).isEmpty())
        return QString();
    return QCoreApplication::translate("newdictionary", "Give the dictionary a name; it becomes a folder's name, so "
                                                        "it cannot hold \"/\" or be \".\" or \"..\".");
}

QString folderOf(const QString& place, const QString& name)
{
    return QDir(place.trimmed()).filePath(name.trimmed());
}

} // namespace newdictionary
