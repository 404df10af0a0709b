#pragma once
// How the platform files turn the program's UTF-16 paths into Qt's and the file system's forms.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace platform::detail {

inline QString qtPath(const char16_t* path)
{
    return QString::fromUtf16(path);
}

inline QByteArray encodedPath(const char16_t* path)
{
    return QFile::encodeName(qtPath(path));
}

} // namespace platform::detail
