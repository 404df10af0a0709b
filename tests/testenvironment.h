#pragma once
// A private set of user folders and a working directory for one test case, removed afterwards, and the small
// helpers the tests share.

#include "dictionaries/dictionaries.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstring>
#include <memory>

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the file whole, making its folder first.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Where the program keeps its files inside a data or configuration folder: written out here on purpose, as the
// check on the program's own idea of it.
inline QString productFolderIn(const QString& base)
{
    return base + QStringLiteral("/Brindlecot/Quillora");
}

class TestEnvironment
{
public:
    TestEnvironment()
    {
        m_previousFolder = QDir::currentPath();
        QDir root(m_root.path());
        for (const char* folder : {"data", "config", "etc", "work"})
            root.mkpath(QLatin1String(folder));
        qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("data"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("config"))));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root.filePath(QStringLiteral("etc"))));
        QDir::setCurrent(workFolder());
    }

    ~TestEnvironment() { QDir::setCurrent(m_previousFolder); }

    QString root() const { return m_root.path(); }
    QString workFolder() const { return root() + QStringLiteral("/work"); }
    // Where data.dat, the per-user settings and the statistics files live.
    QString dataFolder() const { return productFolderIn(root() + QStringLiteral("/data")); }
    // The machine-wide settings: the user's own choices, then the machine's.
    QString configFolder() const { return productFolderIn(root() + QStringLiteral("/config")); }
    QString systemFolder() const { return productFolderIn(root() + QStringLiteral("/etc")); }
    QString defaultDictionary() const { return workFolder() + QStringLiteral("/Default"); }

    QByteArray readData(const QString& name) const { return readFile(dataFolder() + QLatin1Char('/') + name); }
    void writeData(const QString& name, const QByteArray& bytes) const
    {
        writeFile(dataFolder() + QLatin1Char('/') + name, bytes);
    }
    void writeConfig(const QString& name, const QByteArray& bytes) const
    {
        writeFile(configFolder() + QLatin1Char('/') + name, bytes);
    }

private:
    QString m_previousFolder;
    QTemporaryDir m_root;
};

// A test class whose every test function runs in a fresh environment of its own.
class EnvironmentTest : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<TestEnvironment> env;

protected slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }
};

template <typename T> T* child(const QObject* parent, const char* name)
{
    return parent->findChild<T*>(QLatin1String(name));
}

// A dictionary entry for the folder, the rest of its path buffer zeroed.
inline __dictionary dictionary(const QString& path, unsigned char selected)
{
    __dictionary d;
    std::memset(&d, 0, sizeof d);
    wcslcpy(d.path, reinterpret_cast<const char16_t*>(path.utf16()), PATH_UNITS);
    d.selected = selected;
    return d;
}

// One of the recordings committed for the tests: cat.wav, dog.ogg, sun.mp3 and hat.wma.
inline QString sound(const QString& name)
{
    return QStringLiteral(QUILLORA_SOURCE_DIR "/tests/data/sounds/") + name;
}
