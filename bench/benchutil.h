#pragma once
// Timing helpers for the benchmarks: medians of repeated runs, measured side by side in one process.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <dirent.h>
#include <string>
#include <vector>

// Every figure is measured at least this many times; one sample says little on a shared machine.
constexpr int ROUNDS = 5;

template <typename Work> double secondsOf(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// "12.3 ms (min 11.9, max 14.0)": the median of repeated measurements, scaled, with the least and the greatest.
inline std::string spread(const std::vector<double>& values, double scale, const char* unit, int decimals = 1)
{
    const auto [least, most] = std::minmax_element(values.begin(), values.end());
    char text[128];
    std::snprintf(text, sizeof text, "%.*f%s%s (min %.*f, max %.*f)", decimals, median(values) * scale,
                  *unit != 0 ? " " : "", unit, decimals, *least * scale, decimals, *most * scale);
    return text;
}

// What the program's own listing is held against: the names of a folder, read and thrown away.
inline std::size_t plainReaddirPass(const QByteArray& folder)
{
    std::size_t n = 0;
    DIR* dir = opendir(folder.constData());
    if (dir == nullptr)
        return 0;
    while (const dirent* entry = readdir(dir))
        n += entry->d_name[0] != 0 ? 1 : 0;
    closedir(dir);
    return n;
}

// Points the program's folders into a temporary folder and works from there, headless, so a benchmark never
// touches the user's files.
inline void useTemporaryFolders(const QTemporaryDir& root)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.path() + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.path() + QStringLiteral("/config")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root.path() + QStringLiteral("/etc")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root.path())); // private to its owner, as that folder must be
    QDir::setCurrent(root.path());
}
