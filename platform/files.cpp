#include "files.h"

#include "nativepath.h"
#include "text/boundedstring.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

using detail::encodedPath;
using detail::qtPath;

bool makeFolder(const char16_t* path)
{
    return QDir().mkpath(qtPath(path));
}

void currentFolder(char16_t* buffer, int capacity)
{
    if (capacity <= 0)
        return;
    buffer[0] = 0;
    char cwd[PATH_MAX];
    if (::getcwd(cwd, sizeof cwd) == nullptr)
        return;
    const QString folder = QFile::decodeName(cwd);
    wcslcpy(buffer, reinterpret_cast<const char16_t*>(folder.utf16()), static_cast<std::size_t>(capacity));
}

namespace {

bool holdsProgramData(const QString& folder)
{
    return QFileInfo(folder + QStringLiteral("/Default")).isDir() &&
           QFileInfo(folder + QStringLiteral("/help/main.html")).isFile();
}

} // namespace

void programDataFolder(char16_t* buffer, int capacity)
{
    currentFolder(buffer, capacity);
    if (capacity <= 0 || holdsProgramData(QString::fromUtf16(buffer)))
        return;
    // Installed, the program is <prefix>/bin/quillora and its data <prefix>/share/quillora, whatever the prefix.
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (program.isEmpty())
        return;
    const QString installed = QDir::cleanPath(QFileInfo(program).path() + QStringLiteral("/../share/quillora"));
    if (holdsProgramData(installed))
        wcslcpy(buffer, reinterpret_cast<const char16_t*>(installed.utf16()), static_cast<std::size_t>(capacity));
}

bool pathExists(const char16_t* path)
{
    struct stat info;
    return ::stat(encodedPath(path).constData(), &info) == 0;
}

std::FILE* openForReading(const char16_t* path)
{
    if (path[0] == 0)
        return nullptr;
    return std::fopen(encodedPath(path).constData(), "rb");
}

std::FILE* openForReading(const char* utf8Path)
{
    if (utf8Path[0] == 0)
        return nullptr;
    return std::fopen(utf8Path, "rb");
}

bool replaceFile(const char* utf8Path, const char* data, std::size_t size)
{
    if (utf8Path[0] == 0)
        return false;
    QSaveFile file(QFile::decodeName(utf8Path));
    // A shared file an administrator opened up for writing may stand in a folder its users cannot write.
    file.setDirectWriteFallback(true);
    // Callers keep a failed write from the user; the reason must still show somewhere.
    const auto failed = [utf8Path](const QString& reason) {
        qWarning("Cannot write %s: %s", utf8Path, qUtf8Printable(reason));
        return false;
    };
    // Unbuffered, a write that stops part-way says so at once, while errno still holds why.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file.errorString());
    if (file.write(data, static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return failed(reason);
    }
    return file.commit() || failed(file.errorString());
}

bool replaceFile(const char16_t* path, const char* data, std::size_t size)
{
    return replaceFile(encodedPath(path).constData(), data, size);
}

bool deleteFile(const char16_t* path)
{
    return ::unlink(encodedPath(path).constData()) == 0;
}

bool renamePath(const char16_t* from, const char16_t* to)
{
    return std::rename(encodedPath(from).constData(), encodedPath(to).constData()) == 0;
}

TemporaryFile::TemporaryFile(const QString& folder, const QString& pattern)
    : m_file(std::make_unique<QTemporaryFile>(folder + pattern))
{
    m_file->open();
}

TemporaryFile::~TemporaryFile() = default;

bool TemporaryFile::isOpen() const
{
    return m_file->isOpen();
}

QString TemporaryFile::path() const
{
    return m_file->fileName();
}

QString TemporaryFile::errorString() const
{
    return m_file->errorString();
}

bool TemporaryFile::write(const QByteArray& bytes)
{
    return m_file->write(bytes) == bytes.size() && m_file->flush();
}

bool TemporaryFile::moveTo(const QString& target, QString* reason)
{
    // A temporary file is private to its owner; what it becomes is not.
    m_file->setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                           QFile::ReadGroup | QFile::ReadOther);
    m_file->close();
    // rename() replaces the old file in one step, where QFile::rename would first need it removed.
    if (std::rename(QFile::encodeName(m_file->fileName()).constData(), QFile::encodeName(target).constData()) != 0) {
        if (reason != nullptr)
            *reason = qt_error_string(errno);
        return false;
    }
    m_file->setAutoRemove(false);
    return true;
}

void narrowPath(const char16_t* path, char* buffer, int capacity)
{
    if (capacity <= 0)
        return;
    const QByteArray narrow = encodedPath(path);
    int n = narrow.size();
    if (n > capacity - 1) {
        n = capacity - 1;
        // Do not leave half a UTF-8 sequence at the end.
        while (n > 0 && (static_cast<unsigned char>(narrow[n]) & 0xC0) == 0x80)
            --n;
    }
    std::memcpy(buffer, narrow.constData(), static_cast<std::size_t>(n));
    buffer[n] = 0;
}

} // namespace platform
