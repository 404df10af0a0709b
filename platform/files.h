#pragma once
// Folders and files: where the user's and the machine's folders are, and reading, replacing and removing files.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdio>
#include <memory>

class QTemporaryFile;

namespace platform {

// Separator between the parts of every path the program builds.
constexpr char16_t SEPARATOR = u'/';

// Creates a folder and any of its parents that are missing; true when the folder is there afterwards.
bool makeFolder(const char16_t* path);
// The current working directory without a trailing separator, cut to the capacity; empty when it cannot be had.
void currentFolder(char16_t* buffer, int capacity);
// The folder holding the sample Default dictionary and the help pages, without a trailing separator: the working
// directory when it holds both (the source tree), else the data folder installed beside the program
// (<program's folder>/../share/quillora) when there is one, else the working directory.
void programDataFolder(char16_t* buffer, int capacity);
// True when something, a file or a folder, is at the path.
bool pathExists(const char16_t* path);

// Opens a file for raw reading; null when it cannot be opened. The caller closes it with fclose.
std::FILE* openForReading(const char16_t* path);
std::FILE* openForReading(const char* utf8Path);
// Replaces the file with the given bytes, whole or not at all: the old file stays if anything fails. Where the
// folder takes no new file but the file itself is writable, the file is written in place instead.
bool replaceFile(const char16_t* path, const char* data, std::size_t size);
bool replaceFile(const char* utf8Path, const char* data, std::size_t size);
// Gives a file or folder another name in the same file system, replacing a file there; true when it was renamed.
bool renamePath(const char16_t* from, const char16_t* to);
// Removes a file; true when it is gone.
bool deleteFile(const char16_t* path);

// A new file under a name nothing else has, made to be filled and then given its real name in one step, so that
// no one ever sees it half written. It is removed on destruction unless it was given its name.
class TemporaryFile
{
public:
    // The folder's file named by the pattern, its XXXXXX replaced: "/.quillora-XXXXXX.tmp".
    TemporaryFile(const QString& folder, const QString& pattern);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // False when the file could not be made; errorString() says why.
    bool isOpen() const;
    QString path() const;
    QString errorString() const;
    // Writes the bytes through to the disk; false when they are not all there.
    bool write(const QByteArray& bytes);
    // Gives the file the target's name, replacing a file there in the same step, and leaves it readable by
    // everyone, as a file the user made is. False, with the reason, when it cannot be named.
    bool moveTo(const QString& target, QString* reason);

private:
    std::unique_ptr<QTemporaryFile> m_file;
};

// Converts a UTF-16 path to the narrow form the file system takes, cut at a character boundary so that it fits
// in capacity bytes with its terminating NUL.
void narrowPath(const char16_t* path, char* buffer, int capacity);

} // namespace platform
