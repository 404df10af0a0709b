#include "desktop.h"

#include "nativepath.h"

#include <QDir>
#include <QProcess>
#include <QString>
#include <QUrl>

#include <utility>

namespace platform {

namespace {

// xdg-open finds the desktop's handler for a file, a folder or a web address.
void startDesktopHandler(const QString& argument)
{
    QProcess::startDetached(QStringLiteral("xdg-open"), {argument});
}

Opener documentOpener;
Opener folderOpener;

} // namespace

void openDocument(const char16_t* target)
{
    if (documentOpener) {
        documentOpener(target);
        return;
    }
    const QString text = QString::fromUtf16(target);
    // A web address goes as it is; a path is made whole here, where the working directory is the program's own.
    const bool isAddress = QUrl(text, QUrl::StrictMode).scheme().size() > 1;
    startDesktopHandler(isAddress ? text : QDir::current().absoluteFilePath(text));
}

void openFolder(const char16_t* path)
{
    if (folderOpener) {
        folderOpener(path);
        return;
    }
    startDesktopHandler(detail::qtPath(path));
}

void setDocumentOpener(Opener opener)
{
    documentOpener = std::move(opener);
}

void setFolderOpener(Opener opener)
{
    folderOpener = std::move(opener);
}

} // namespace platform
