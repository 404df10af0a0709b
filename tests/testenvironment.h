#pragma once
// A private set of user folders and a working directory for one test case, removed afterwards.

#include <QByteArray>
#include <QObject>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include <memory>

class TestEnvironment
{
public:
    TestEnvironment()
    {
        m_previousFolder = QDir::currentPath();
        m_root = std::make_unique<QTemporaryDir>();
        QDir root(m_root->path());
        root.mkpath(QStringLiteral("data"));
        root.mkpath(QStringLiteral("etc"));
        root.mkpath(QStringLiteral("work"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("data"))));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root.filePath(QStringLiteral("etc"))));
        QDir::setCurrent(workFolder());
    }

    ~TestEnvironment() { QDir::setCurrent(m_previousFolder); }

    QString root() const { return m_root->path(); }
    QString workFolder() const { return m_root->path() + QStringLiteral("/work"); }
    // Where data.dat, the per-user settings and the statistics files live.
    QString dataFolder() const { return m_root->path() + QStringLiteral("/data/Brindlecot/Quillora"); }
    QString machineFolder() const { return m_root->path() + QStringLiteral("/etc/Brindlecot/Quillora"); }
    QString defaultDictionary() const { return workFolder() + QStringLiteral("/Default"); }

    QByteArray readData(const QString& name) const
    {
        QFile file(dataFolder() + QLatin1Char('/') + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeData(const QString& name, const QByteArray& bytes) const
    {
        QDir().mkpath(dataFolder());
        QFile file(dataFolder() + QLatin1Char('/') + name);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

private:
    QString m_previousFolder;
    std::unique_ptr<QTemporaryDir> m_root;
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

// Little-endian 32-bit value, as the program's files store numbers.
inline QByteArray uint32le(quint32 value)
{
    QByteArray bytes(4, 0);
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
}
