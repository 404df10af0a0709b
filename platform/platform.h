#pragma once
// The program's only door to the operating system: folders, files, the clock and the working directory.

#include <atomic>
#include <cstddef>
#include <cstdio>
#include <ctime>
#include <functional>

#include <QByteArray>
#include <QStringList>

namespace platform {

// Separator between the parts of every path the program builds.
constexpr char16_t SEPARATOR = u'/';

// The per-user folder for application data, without a trailing separator. Returns 0 on success; on failure the
// buffer holds the empty text.
int localDataFolder(char16_t* buffer, int capacity);
// The user's own configuration folder ($XDG_CONFIG_HOME, else ~/.config), without a trailing separator. Returns 0
// on success; on failure the buffer holds the empty text.
int userConfigFolder(char16_t* buffer, int capacity);
// The index-th of the machine's configuration folders, most important first ($XDG_CONFIG_DIRS, else /etc/xdg).
// Returns 0 on success; nonzero, with the empty text, once index is past the last.
int systemConfigFolder(int index, char16_t* buffer, int capacity);

// Creates a folder and any of its parents that are missing; an existing folder or a failure is not reported.
void makeFolder(const char16_t* path);
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
// Removes a file; true when it is gone.
bool deleteFile(const char16_t* path);

// Converts a UTF-16 path to the narrow form the file system takes, cut at a character boundary so that it fits
// in capacity bytes with its terminating NUL.
void narrowPath(const char16_t* path, char* buffer, int capacity);

// The entries of one folder, in the order the file system gives them, "." and ".." included.
class FolderListing
{
public:
    explicit FolderListing(const char16_t* folder);
    ~FolderListing();
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    // False when the folder could not be opened for listing.
    bool isOpen() const { return m_handle != nullptr; }
    // The next entry's name, cut to the capacity, its length in units, and whether it is a regular file or a link
    // to one (not a folder, pipe, socket or device); false when there is none left.
    bool next(char16_t* name, int capacity, int* length, bool* isFile);

private:
    void* m_handle = nullptr;
    char m_folder[4096];
};

// The current local date and time.
void localTimeNow(std::tm* local);

// Blocks the calling thread for the given number of milliseconds.
void sleepMs(int milliseconds);

// Hands a document (a path, relative ones taken from the working directory) or a web address to the desktop's
// default handler and returns at once; whether the handler manages to open it is not known.
void openDocument(const char16_t* target);
// Opens the folder in the desktop's file manager and returns at once; a failure goes unnoticed.
void openFolder(const char16_t* path);

// Who opens documents and folders; tests put their own in so that nothing is started. An empty one puts the
// desktop's back.
using Opener = std::function<void(const char16_t*)>;
void setDocumentOpener(Opener opener);
void setFolderOpener(Opener opener);

// What became of a program run by runProgram.
struct ProgramRun
{
    bool started = false;  // false: not found or not runnable, with the reason in failure
    bool finished = false; // false: stopped for the time limit or cancel, or started not at all
    bool crashed = false;  // ended by a signal
    int exitCode = -1;
    QByteArray output; // standard output
    QByteArray errors; // standard error
    QString failure;
};
// Runs a program found on PATH with the arguments and the input on its standard input, and waits for its end;
// after timeoutMs, or within 100 ms of cancel (if given) turning true, it is killed. A small process starts it,
// so that starting one costs the same however large this program has grown.
ProgramRun runProgram(const char* program, const QStringList& arguments, const QByteArray& input, int timeoutMs,
                      const std::atomic<bool>* cancel = nullptr);

// One HTTP GET of the address, reading at most capacity bytes of the body, whatever the status. False when the
// connection or the read fails, or when cancel (if given) turns true, which ends the transfer within about 100 ms.
// Blocks the calling thread; a server that never answers gives up after about a minute.
bool httpGetFirstBlock(const char16_t* address, char* buffer, std::size_t capacity, std::size_t* received,
                       const std::atomic<bool>* cancel = nullptr);

} // namespace platform
