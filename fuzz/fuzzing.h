#pragma once
// What every fuzz target shares: user folders of its own, and asserts on in every build, so a broken round trip
// is a finding like a crash.
#undef NDEBUG
#include <cassert>

#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <string>

// The program's folder under XDG_DATA_HOME (data.dat, the stored tests, the per-user settings) or XDG_CONFIG_HOME,
// in a temporary folder in memory, as the program syncs every file it writes. Removed after a run without finding.
inline std::string folder(const char* variable, const char* below = "/Brindlecot/Quillora")
{
    static QTemporaryDir root(QStringLiteral("/dev/shm/quillora-fuzz-XXXXXX"));
    assert(root.isValid());
    return QFile::encodeName(root.path() + '/' + variable + below).toStdString();
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
        QDir().mkpath(QFile::decodeName(folder(variable).c_str()));
        qputenv(variable, folder(variable, "").c_str());
    }
    return 0;
}
