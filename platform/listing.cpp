#include "listing.h"

#include "nativepath.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace platform {

using detail::encodedPath;

FolderListing::FolderListing(const char16_t* folder)
{
    const QByteArray path = encodedPath(folder);
    m_folder[0] = 0;
    if (path.isEmpty() || path.size() >= static_cast<int>(sizeof m_folder))
        return;
    std::memcpy(m_folder, path.constData(), static_cast<std::size_t>(path.size()) + 1);
    m_handle = ::opendir(m_folder);
}

FolderListing::~FolderListing()
{
    if (m_handle != nullptr)
        ::closedir(static_cast<DIR*>(m_handle));
}

bool FolderListing::next(char16_t* name, int capacity, int* length, bool* isFile)
{
    if (m_handle == nullptr || capacity <= 0)
        return false;
    const struct dirent* entry = ::readdir(static_cast<DIR*>(m_handle));
    if (entry == nullptr)
        return false;
    if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK) {
        *isFile = entry->d_type == DT_REG;
    } else {
        // A link is followed to what it names; some file systems do not say what an entry is. Only then is it
        // worth a stat.
        char full[sizeof m_folder + 256 + 2];
        std::snprintf(full, sizeof full, "%s/%s", m_folder, entry->d_name);
        struct stat info;
        *isFile = ::stat(full, &info) == 0 && S_ISREG(info.st_mode);
    }
    // A name that is not UTF-8 comes out with U+FFFD where its bad bytes were.
    const QString decoded = QFile::decodeName(entry->d_name);
    int units = std::min(static_cast<int>(decoded.size()), capacity - 1);
    // A cut never leaves half a surrogate pair at the end.
    if (units > 0 && units < decoded.size() && decoded.at(units - 1).isHighSurrogate())
        --units;
    std::memcpy(name, decoded.utf16(), static_cast<std::size_t>(units) * sizeof(char16_t));
    name[units] = 0;
    *length = units;
    return true;
}

} // namespace platform
