#include "platform.h"

#include "dictionaries/boundedstring.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/stat.h>
#include <sys/types.h>
#include <time.h>
#include <unistd.h>

namespace {

QString fromPath(const char16_t* path)
{
    return QString::fromUtf16(path);
}

QByteArray encodedPath(const char16_t* path)
{
    return QFile::encodeName(fromPath(path));
}

int copyFolder(const QString& folder, char16_t* buffer, int capacity)
{
    if (capacity <= 0)
        return 1;
    buffer[0] = 0;
    if (folder.isEmpty())
        return 1;
    QString clean = folder;
    while (clean.size() > 1 && clean.endsWith(QLatin1Char('/')))
        clean.chop(1);
    wcslcpy(buffer, reinterpret_cast<const char16_t*>(clean.utf16()), static_cast<std::size_t>(capacity));
    return 0;
}

} // namespace

namespace platform {

int localDataFolder(char16_t* buffer, int capacity)
{
    return copyFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), buffer, capacity);
}

int machineDataFolder(char16_t* buffer, int capacity)
{
    // The first of the system-wide configuration folders, where Qt itself keeps system-wide settings.
    const QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    for (const QString& dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (dir.startsWith(QLatin1Char('/')))
            return copyFolder(dir, buffer, capacity);
    }
    return copyFolder(QStringLiteral("/etc/xdg"), buffer, capacity);
}

void makeFolder(const char16_t* path)
{
    ::mkdir(encodedPath(path).constData(), 0777);
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
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data, static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool replaceFile(const char16_t* path, const char* data, std::size_t size)
{
    return replaceFile(encodedPath(path).constData(), data, size);
}

bool deleteFile(const char16_t* path)
{
    return ::unlink(encodedPath(path).constData()) == 0;
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

void sleepMs(int milliseconds)
{
    struct timespec wait;
    wait.tv_sec = milliseconds / 1000;
    wait.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
    while (::nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
}

} // namespace platform
