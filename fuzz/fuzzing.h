#pragma once
// What every fuzz target shares: user folders of its own, and asserts on in every build, so a broken round trip
// is a finding like a crash.
#undef NDEBUG
#include <cassert>

#include "platform/appfolders.h"
#include "text/boundedstring.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <string>

// The user's folders, in a temporary folder in memory, as the program syncs every file it writes. Removed after a
// run without finding.
inline QString userFolder(const char* variable)
{
    static QTemporaryDir root(QStringLiteral("/dev/shm/quillora-fuzz-XXXXXX"));
    assert(root.isValid());
    return root.path() + '/' + variable;
}

inline std::string narrow(const char16_t* path)
{
    return QFile::encodeName(QString::fromUtf16(path)).toStdString();
}

// The program's own data folder: data.dat, the stored tests, the per-user settings.
inline std::string dataFolder()
{
    char16_t folder[PATH_UNITS] = {};
    const bool placed = platform::appDataFolder(folder, PATH_UNITS, true);
    assert(placed);
    return narrow(folder);
}

inline void putFile(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    assert(file != nullptr && std::fwrite(data, 1, size, file) == size);
    std::fclose(file);
}

// Before the first input: no run touches the user's own files.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    for (const char* variable : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"}) {
        QDir().mkpath(userFolder(variable));
        qputenv(variable, QFile::encodeName(userFolder(variable)));
    }
    return 0;
}
