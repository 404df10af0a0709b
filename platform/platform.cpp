#include "platform.h"

#include "text/boundedstring.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <curl/curl.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <time.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

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

// Decodes a UTF-8 file name into UTF-16, cut to the capacity; returns the length in units, or -1 when the name
// is not valid UTF-8.
int decodeUtf8(const char* text, char16_t* out, int capacity)
{
    int n = 0;
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    // Most names are plain ASCII: copy those units straight.
    while (*s != 0 && *s < 0x80 && n < capacity - 1)
        out[n++] = *s++;
    while (*s != 0) {
        char32_t c;
        int extra;
        if (*s < 0x80) {
            c = *s;
            extra = 0;
        } else if ((*s & 0xE0) == 0xC0) {
            c = *s & 0x1F;
            extra = 1;
        } else if ((*s & 0xF0) == 0xE0) {
            c = *s & 0x0F;
            extra = 2;
        } else if ((*s & 0xF8) == 0xF0) {
            c = *s & 0x07;
            extra = 3;
        } else {
            return -1;
        }
        ++s;
        for (int i = 0; i < extra; ++i, ++s) {
            if ((*s & 0xC0) != 0x80)
                return -1;
            c = (c << 6) | (*s & 0x3F);
        }
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) || (extra == 1 && c < 0x80) ||
            (extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000))
            return -1;
        const int units = c >= 0x10000 ? 2 : 1;
        if (n + units > capacity - 1)
            break;
        if (units == 2) {
            out[n++] = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out[n++] = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out[n++] = static_cast<char16_t>(c);
        }
    }
    out[n] = 0;
    return n;
}

} // namespace

namespace platform {

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
    *length = decodeUtf8(entry->d_name, name, capacity);
    if (*length < 0) {
        const QString decoded = QFile::decodeName(entry->d_name);
        wcslcpy(name, reinterpret_cast<const char16_t*>(decoded.utf16()), static_cast<std::size_t>(capacity));
        *length = static_cast<int>(wcslen16(name));
    }
    return true;
}

void localTimeNow(std::tm* local)
{
    const std::time_t now = std::time(nullptr);
    ::localtime_r(&now, local);
}

int localDataFolder(char16_t* buffer, int capacity)
{
    return copyFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), buffer, capacity);
}

int userConfigFolder(char16_t* buffer, int capacity)
{
    return copyFolder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), buffer, capacity);
}

int systemConfigFolder(int index, char16_t* buffer, int capacity)
{
    // Relative entries are ignored, as the XDG rules say; with none left the machine's folder is /etc/xdg.
    QStringList folders;
    for (const QString& dir : qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (dir.startsWith(QLatin1Char('/')))
            folders << dir;
    }
    if (folders.isEmpty())
        folders << QStringLiteral("/etc/xdg");
    return copyFolder(index >= 0 && index < folders.size() ? folders.at(index) : QString(), buffer, capacity);
}

void makeFolder(const char16_t* path)
{
    QDir().mkpath(fromPath(path));
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

namespace {

bool holdsProgramData(const QString& folder)
{
    return QFileInfo(folder + QStringLiteral("/Default")).isDir() &&
           QFileInfo(folder + QStringLiteral("/help/main.html")).isFile();
}

} // namespace

void programDataFolder(char16_t* buffer, int capacity)
{
    currentFolder(buffer, capacity);
    if (capacity <= 0 || holdsProgramData(QString::fromUtf16(buffer)))
        return;
    // Installed, the program is <prefix>/bin/quillora and its data <prefix>/share/quillora, whatever the prefix.
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (program.isEmpty())
        return;
    const QString installed = QDir::cleanPath(QFileInfo(program).path() + QStringLiteral("/../share/quillora"));
    if (holdsProgramData(installed))
        wcslcpy(buffer, reinterpret_cast<const char16_t*>(installed.utf16()), static_cast<std::size_t>(capacity));
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
    // A shared file an administrator opened up for writing may stand in a folder its users cannot write.
    file.setDirectWriteFallback(true);
    // Callers keep a failed write from the user; the reason must still show somewhere.
    const auto failed = [utf8Path](const QString& reason) {
        qWarning("Cannot write %s: %s", utf8Path, qUtf8Printable(reason));
        return false;
    };
    // Unbuffered, a write that stops part-way says so at once, while errno still holds why.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file.errorString());
    if (file.write(data, static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return failed(reason);
    }
    return file.commit() || failed(file.errorString());
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

namespace {

// xdg-open finds the desktop's handler for a file, a folder or a web address.
void closeAll(std::initializer_list<int*> descriptors)
{
    for (int* descriptor : descriptors) {
        if (*descriptor >= 0)
            ::close(*descriptor);
        *descriptor = -1;
    }
}

void startDesktopHandler(const QString& argument)
{
    QProcess::startDetached(QStringLiteral("xdg-open"), {argument});
}

Opener documentOpener;
Opener folderOpener;

} // namespace

void openDocument(const char16_t* target)
{
    if (documentOpener) {
        documentOpener(target);
        return;
    }
    const QString text = QString::fromUtf16(target);
    // A web address goes as it is; a path is made whole here, where the working directory is the program's own.
    const bool isAddress = QUrl(text, QUrl::StrictMode).scheme().size() > 1;
    startDesktopHandler(isAddress ? text : QDir::current().absoluteFilePath(text));
}

void openFolder(const char16_t* path)
{
    if (folderOpener) {
        folderOpener(path);
        return;
    }
    startDesktopHandler(fromPath(path));
}

void setDocumentOpener(Opener opener)
{
    documentOpener = std::move(opener);
}

void setFolderOpener(Opener opener)
{
    folderOpener = std::move(opener);
}

namespace {

struct Download
{
    char* buffer;
    std::size_t capacity;
    std::size_t received;
};

std::size_t keepFirstBlock(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* download = static_cast<Download*>(user);
    const std::size_t bytes = size * count;
    const std::size_t room = download->capacity - download->received;
    const std::size_t kept = bytes < room ? bytes : room;
    std::memcpy(download->buffer + download->received, data, kept);
    download->received += kept;
    // Stop the transfer once the buffer is full: the rest is never read.
    return download->received == download->capacity ? 0 : bytes;
}

} // namespace

ProgramRun runProgram(const char* program, const QStringList& arguments, const QByteArray& input, int timeoutMs,
                      const std::atomic<bool>* cancel)
{
    ProgramRun run;
    // A program that ends before reading its input must not end this one.
    static const bool pipeSignalIgnored = (std::signal(SIGPIPE, SIG_IGN), true);
    Q_UNUSED(pipeSignalIgnored);

    std::vector<QByteArray> texts{QByteArray(program)};
    for (const QString& argument : arguments)
        texts.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    int in[2] = {-1, -1}, out[2] = {-1, -1}, err[2] = {-1, -1};
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
        run.failure = QString::fromLocal8Bit(std::strerror(errno));
        closeAll({&in[0], &in[1], &out[0], &out[1], &err[0], &err[1]});
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    pid_t child = -1;
    const int spawned = ::posix_spawnp(&child, program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    closeAll({&in[0], &out[1], &err[1]});
    if (spawned != 0) {
        run.failure = QString::fromLocal8Bit(std::strerror(spawned));
        closeAll({&in[1], &out[0], &err[0]});
        return run;
    }
    run.started = true;

    for (qint64 written = 0; written < input.size();) {
        const ssize_t n = ::write(in[1], input.constData() + written, static_cast<std::size_t>(input.size() - written));
        if (n <= 0 && errno != EINTR)
            break;
        written += n > 0 ? n : 0;
    }
    closeAll({&in[1]});

    // Both outputs are read as they come, so a talkative program never blocks on a full pipe.
    constexpr int POLL_MS = 100;
    int waited = 0;
    bool stopped = false;
    while (out[0] >= 0 || err[0] >= 0) {
        pollfd ends[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
        const int ready = ::poll(ends, 2, POLL_MS);
        if (ready == 0) {
            waited += POLL_MS;
            if ((cancel != nullptr && cancel->load()) || waited >= timeoutMs) {
                ::kill(child, SIGKILL);
                stopped = true;
                break;
            }
            continue;
        }
        if (ready < 0 && errno != EINTR)
            break;
        for (int i = 0; i < 2; ++i) {
            if (ends[i].fd < 0 || ends[i].revents == 0)
                continue;
            char block[4096];
            const ssize_t n = ::read(ends[i].fd, block, sizeof block);
            if (n > 0)
                (i == 0 ? run.output : run.errors).append(block, static_cast<int>(n));
            else if (n == 0 || errno != EINTR)
                closeAll({i == 0 ? &out[0] : &err[0]});
        }
    }
    closeAll({&out[0], &err[0]});
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (stopped)
        return run;
    run.finished = true;
    run.crashed = WIFSIGNALED(status);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

bool httpGetFirstBlock(const char16_t* address, char* buffer, std::size_t capacity, std::size_t* received,
                       const std::atomic<bool>* cancel)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    *received = 0;
    CURL* handle = curl_easy_init();
    CURLM* multi = curl_multi_init();
    if (handle == nullptr || multi == nullptr) {
        curl_easy_cleanup(handle);
        curl_multi_cleanup(multi);
        return false;
    }
    const QByteArray url = QString::fromUtf16(address).toUtf8();
    Download download{buffer, capacity, 0};
    curl_easy_setopt(handle, CURLOPT_URL, url.constData());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, "update");
    curl_easy_setopt(handle, CURLOPT_PROXY, "");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, 60L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, keepFirstBlock);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &download);
    curl_multi_add_handle(multi, handle);

    // The transfer runs in short waits, so that a cancel is seen at once rather than after the server's silence.
    CURLcode result = CURLE_ABORTED_BY_CALLBACK;
    int running = 1;
    while (running > 0) {
        if (cancel != nullptr && cancel->load())
            break;
        if (curl_multi_perform(multi, &running) != CURLM_OK)
            break;
        if (running > 0 && curl_multi_poll(multi, nullptr, 0, 100, nullptr) != CURLM_OK)
            break;
    }
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &left)) {
        if (message->msg == CURLMSG_DONE)
            result = message->data.result;
    }
    curl_multi_remove_handle(multi, handle);
    curl_easy_cleanup(handle);
    curl_multi_cleanup(multi);
    const bool full = result == CURLE_WRITE_ERROR && download.received == capacity;
    if (result != CURLE_OK && !full)
        return false;
    *received = download.received;
    return true;
}

} // namespace platform
